#pragma once

#include "ctl/ctlstate.h"
#include "gps/trackmodel.h"

#include <QObject>
#include <QTimer>

namespace EmulationManagement::Internal {

class GPSEmulationManager;
class PageScripts;

// The GPS page's track controls without the page: the same calls on play,
// pause, stop and a change of the current point, and during playback the
// page's two timers (the step to the next point and the 100 ms reminder of
// the current one), timed by the page's own playback rules.
class TrackPlayer : public QObject
{
    Q_OBJECT

public:
    TrackPlayer(GPSEmulationManager &gps, TrackModel &track, PageScripts &scripts, CtlState &state);

    // The track goes to the emulator again before its first use in a run, as
    // the page resends it after every new connection.
    void goTo(int index);
    void play();
    void pause();
    void stop();
    bool isPlaying() const { return m_trackTimer.isActive(); }

signals:
    // Playback reached the last point of a track that does not loop.
    void finished();

private:
    int rows() const { return m_track.rows(); }
    void ensureTrackLoaded();
    void currentIndexChanged();
    void runTrackTimer(bool restartSchedule);
    void trackTimerTriggered();

    GPSEmulationManager &m_gps;
    TrackModel &m_track;
    PageScripts &m_scripts;
    CtlState &m_state;
    QTimer m_trackTimer;
    QTimer m_syncTimer;
    int m_row;
    double m_scheduleStart = 0;
    double m_scheduledWaits = 0;
};

} // namespace EmulationManagement::Internal
