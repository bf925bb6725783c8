#pragma once

#include <QString>
#include <QVariantList>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

// What one run of the command leaves for the next, as the window keeps it
// while it is open: the loaded track with its playback settings and the
// camera stream that runs in another process.
struct CtlState
{
    QString trackFile;
    // The points as the track reader gives them, for the GPS page's track model.
    QVariantList trackPoints;
    bool useDefaultInterval = false;
    bool looped = false;
    int speed = 1;
    int index = 0;
    qint64 streamProcess = 0;

    static CtlState load(const Utils::QtcSettings &settings);
    void save(Utils::QtcSettings &settings) const;
};

} // namespace EmulationManagement::Internal
