#include "trackplayback.h"

namespace EmulationManagement::Internal {

TrackPlayback::TrackPlayback(QObject *parent)
    : QObject(parent)
{
    m_elapsed.start();
    m_clock = [this] { return m_elapsed.elapsed(); };
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_syncTimer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &TrackPlayback::timerFired);
    connect(&m_syncTimer, &QTimer::timeout, this, [this] {
        if (m_manager)
            m_manager->goToPositionOnTrack(m_manager->currentPositionIndex());
    });
}

void TrackPlayback::setManager(QObject *manager)
{
    m_manager = qobject_cast<GPSEmulationManager *>(manager);
    emit managerChanged();
}

void TrackPlayback::setTrack(TrackModel *track)
{
    m_track = track;
    emit trackChanged();
}

void TrackPlayback::setDefaultInterval(double interval)
{
    m_defaultInterval = qint64(interval);
    emit defaultIntervalChanged();
}

void TrackPlayback::setSettings(bool looped, bool useDefaultInterval, int speed)
{
    m_looped = looped;
    m_useDefaultInterval = useDefaultInterval;
    m_speed = speed;
    emit settingsChanged();
}

void TrackPlayback::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

int TrackPlayback::rows() const
{
    return m_track ? m_track->rows() : 0;
}

void TrackPlayback::setRunning(bool running)
{
    if (running)
        m_syncTimer.start();
    else
        m_syncTimer.stop();
    if (m_running == running)
        return;
    m_running = running;
    emit runningChanged();
}

void TrackPlayback::loadTrack()
{
    stopTrack();
    m_manager->loadTrackModel(m_track);
    m_manager->setCurrentPositionIndex(0);
    m_manager->goToPositionOnTrack(0);
}

void TrackPlayback::play()
{
    if (m_manager->currentPositionIndex() == rows() - 1)
        m_manager->stopTrack();
    m_manager->startTrack();
    runTrackTimer(true);
}

void TrackPlayback::pause()
{
    m_manager->pauseTrack();
    m_manager->goToPositionOnTrack(m_manager->currentPositionIndex());
    stop();
}

// The timer stops first: the index going back to the first point selects
// that row, which must not restart playback.
void TrackPlayback::stopTrack()
{
    stop();
    m_manager->stopTrack();
}

void TrackPlayback::stop()
{
    m_timer.stop();
    setRunning(false);
}

void TrackPlayback::runTrackTimer(bool restartSchedule)
{
    const int index = m_manager->currentPositionIndex();
    const double nextInterval = m_track ? m_track->record(index + 1).value("interval").toDouble()
                                        : 0;
    const std::optional<qint64> wait = PlaybackSchedule::nextWait(index,
                                                                  rows(),
                                                                  m_looped,
                                                                  m_useDefaultInterval,
                                                                  m_speed,
                                                                  m_defaultInterval,
                                                                  nextInterval);
    if (!wait) {
        setRunning(false);
        emit finished();
        return;
    }
    const qint64 now = m_clock();
    if (restartSchedule)
        m_deadline.restart(now, *wait);
    else
        m_deadline.add(*wait);
    m_interval = m_deadline.remaining(now);
    emit intervalChanged();
    arm();
    setRunning(true);
}

void TrackPlayback::arm()
{
    m_timer.start(PlaybackSchedule::timerSlice(m_deadline.remaining(m_clock())));
}

void TrackPlayback::timerFired()
{
    if (m_clock() < m_deadline.due()) {
        arm();
        return;
    }
    step();
}

void TrackPlayback::step()
{
    const int next = PlaybackSchedule::nextIndex(m_manager->currentPositionIndex(), rows());
    m_manager->setCurrentPositionIndex(next);
    if (next < rows() - 1 || m_looped) {
        runTrackTimer(false);
        return;
    }
    setRunning(false);
    m_manager->goToPositionOnTrack(m_manager->currentPositionIndex());
    emit finished();
}

void TrackPlayback::pointChosen(int row)
{
    if (rows() == 0 || row < 0)
        return;
    ensureTrackLoaded();
    m_manager->goToPositionOnTrack(row);
    // While a step moves the index the timer is idle: the step goes on by itself.
    if (!m_timer.isActive())
        return;
    stop();
    play();
}

void TrackPlayback::ensureTrackLoaded()
{
    if (m_manager->trackLoaded())
        return;
    const int index = m_manager->currentPositionIndex();
    m_manager->loadTrackModel(m_track);
    if (m_manager->currentPositionIndex() != index)
        m_manager->setCurrentPositionIndex(index);
}

void TrackPlayback::showCurrentPoint()
{
    if (!m_track)
        return;
    const QVariantMap record = m_track->record(m_manager->currentPositionIndex());
    if (!record.contains("latitude"))
        return;
    m_manager->setLocalPosition(record.value("latitude").toDouble(),
                                record.value("longitude").toDouble(),
                                record.value("altitude").toDouble());
}

} // namespace EmulationManagement::Internal
