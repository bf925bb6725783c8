#include "trackplayer.h"

#include "gps/gpsemulationmanager.h"

namespace EmulationManagement::Internal {

TrackPlayer::TrackPlayer(GPSEmulationManager &gps, TrackModel &track, CtlState &state)
    : m_gps(gps)
    , m_state(state)
    , m_row(state.index)
{
    m_gps.setCurrentPositionIndex(state.index);
    m_playback.setManager(&gps);
    m_playback.setTrack(&track);
    connect(&m_playback, &TrackPlayback::finished, this, &TrackPlayer::finished);
    connect(&m_gps,
            &GPSEmulationManager::currentPositionIndexChanged,
            this,
            &TrackPlayer::currentIndexChanged);
}

void TrackPlayer::currentIndexChanged()
{
    const int index = m_gps.currentPositionIndex();
    m_state.index = index;
    m_playback.showCurrentPoint();
    if (index == m_row)
        return;
    m_row = index;
    m_playback.pointChosen(index);
}

void TrackPlayer::load()
{
    m_row = 0;
    m_playback.loadTrack();
}

void TrackPlayer::goTo(int index)
{
    m_row = index;
    m_playback.pointChosen(index);
}

void TrackPlayer::play()
{
    m_playback.setSettings(m_state.looped, m_state.useDefaultInterval, m_state.speed);
    m_playback.ensureTrackLoaded();
    m_playback.play();
}

void TrackPlayer::pause()
{
    m_playback.ensureTrackLoaded();
    m_playback.pause();
}

void TrackPlayer::stop()
{
    m_playback.stopTrack();
}

void TrackPlayer::handOver()
{
    m_playback.stop();
}

} // namespace EmulationManagement::Internal
