#pragma once

#include <QString>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

// What one run of the command leaves for the next, as the window keeps it
// while it is open: the loaded track (its path, the fingerprint of the file
// as it was loaded and its number of points; the points are read again from
// the file when needed) with its playback settings, and the camera stream
// that runs in another process.
struct CtlState
{
    QString trackFile;
    QString trackFingerprint; // TrackFingerprint::toText()
    int trackPointCount = 0;
    bool useDefaultInterval = false;
    bool looped = false;
    int speed = 1;
    int index = 0;
    qint64 streamProcess = 0;
    // When the stream process started, as the kernel counts it: a process
    // id alone may since name another process.
    qint64 streamProcessStart = 0;

    static CtlState load(Utils::QtcSettings &settings);
    // Writes only the members that differ from what was read or written
    // before, so that runs side by side keep each other's changes.
    void saveChanges(Utils::QtcSettings &settings, const CtlState &before) const;
};

} // namespace EmulationManagement::Internal
