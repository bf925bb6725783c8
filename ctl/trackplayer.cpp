#include "trackplayer.h"

#include "ctl/pagescripts.h"
#include "gps/gpsemulationmanager.h"

#include <QDateTime>

namespace EmulationManagement::Internal {

TrackPlayer::TrackPlayer(GPSEmulationManager &gps,
                         TrackModel &track,
                         PageScripts &scripts,
                         CtlState &state)
    : m_gps(gps)
    , m_track(track)
    , m_scripts(scripts)
    , m_state(state)
    , m_row(state.index)
{
    m_gps.setCurrentPositionIndex(state.index);
    m_trackTimer.setSingleShot(true);
    m_syncTimer.setInterval(100);
    connect(&m_trackTimer, &QTimer::timeout, this, &TrackPlayer::trackTimerTriggered);
    connect(&m_syncTimer, &QTimer::timeout, this, [this] {
        if (m_trackTimer.isActive())
            m_gps.goToPositionOnTrack(m_gps.currentPositionIndex());
        else
            m_syncTimer.stop();
    });
    connect(&m_gps,
            &GPSEmulationManager::currentPositionIndexChanged,
            this,
            &TrackPlayer::currentIndexChanged);
}

void TrackPlayer::ensureTrackLoaded()
{
    if (!m_gps.trackLoaded()) {
        const int index = m_gps.currentPositionIndex();
        m_gps.loadTrackModel(&m_track);
        m_gps.setCurrentPositionIndex(index);
    }
}

// The page's table follows the current point; a new row tells the emulator.
void TrackPlayer::currentIndexChanged()
{
    const int index = m_gps.currentPositionIndex();
    m_state.index = index;
    if (index < 0 || index >= rows())
        return;
    const QVariantMap record = m_track.record(index);
    m_gps.setLocalPosition(record.value("latitude").toDouble(),
                           record.value("longitude").toDouble(),
                           record.value("altitude").toDouble());
    if (index == m_row)
        return;
    m_row = index;
    ensureTrackLoaded();
    m_gps.goToPositionOnTrack(index);
}

void TrackPlayer::goTo(int index)
{
    ensureTrackLoaded();
    m_row = index;
    m_gps.goToPositionOnTrack(index);
}

void TrackPlayer::play()
{
    ensureTrackLoaded();
    if (m_gps.currentPositionIndex() == rows() - 1)
        m_gps.stopTrack();
    m_gps.startTrack();
    runTrackTimer(true);
}

void TrackPlayer::pause()
{
    ensureTrackLoaded();
    m_gps.pauseTrack();
    m_gps.goToPositionOnTrack(m_gps.currentPositionIndex());
    m_trackTimer.stop();
}

void TrackPlayer::stop()
{
    m_gps.stopTrack();
    m_trackTimer.stop();
}

void TrackPlayer::runTrackTimer(bool restartSchedule)
{
    const int index = m_gps.currentPositionIndex();
    const int wait = m_scripts.nextWait(index,
                                        rows(),
                                        m_state.looped,
                                        m_state.useDefaultInterval,
                                        m_state.speed,
                                        m_track.record(index + 1).value("interval").toDouble());
    if (wait < 0) {
        emit finished();
        return;
    }
    const double now = double(QDateTime::currentMSecsSinceEpoch());
    if (restartSchedule) {
        m_scheduleStart = now;
        m_scheduledWaits = 0;
    }
    m_scheduledWaits += wait;
    m_trackTimer.start(restartSchedule
                           ? wait
                           : int(m_scripts.timerInterval(m_scheduleStart, m_scheduledWaits, now)));
    m_syncTimer.start();
}

void TrackPlayer::trackTimerTriggered()
{
    const int next = m_scripts.nextIndex(m_gps.currentPositionIndex(), rows());
    m_gps.setCurrentPositionIndex(next);
    if (next < rows() - 1 || m_state.looped) {
        runTrackTimer(false);
        return;
    }
    m_gps.goToPositionOnTrack(m_gps.currentPositionIndex());
    emit finished();
}

} // namespace EmulationManagement::Internal
