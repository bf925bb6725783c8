#pragma once

#include "ctl/ctlstate.h"
#include "gps/trackplayback.h"

#include <QObject>

namespace EmulationManagement::Internal {

class GPSEmulationManager;
class TrackModel;

// The GPS page's playback without the page: its TrackPlayback, with the
// page's table standing in as the chosen row, which follows the current point
// and tells the emulator of each new one. The current point is kept for the
// next run, which sends the track again before its first use, as the page
// does after a new connection.
class TrackPlayer : public QObject
{
    Q_OBJECT

public:
    TrackPlayer(GPSEmulationManager &gps, TrackModel &track, CtlState &state);

    // A new track: the page's load sequence.
    void load();
    void goTo(int index);
    void play();
    void pause();
    void stop();
    // Stops stepping through the track here, sending nothing.
    void handOver();
    bool isPlaying() const { return m_playback.isRunning(); }

signals:
    // Playback reached the last point of a track that does not loop.
    void finished();

private:
    void currentIndexChanged();

    GPSEmulationManager &m_gps;
    CtlState &m_state;
    TrackPlayback m_playback;
    int m_row;
};

} // namespace EmulationManagement::Internal
