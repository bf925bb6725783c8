#pragma once

#include "gps/gpsemulationmanager.h"
#include "gps/playbackschedule.h"
#include "gps/trackmodel.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace EmulationManagement::Internal {

// Track playback as the GPS page runs it and the command line repeats it: the
// calls on load, play, pause, stop and a newly chosen point, the step from
// point to point after the schedule's wait, and the reminder of the current
// point every 100 ms while playing. Waits come from a monotonic clock and may
// be days long. QML sees it as the page's playback timer (running, interval)
// with the playback settings bound to the manager's.
class TrackPlayback : public QObject
{
    Q_OBJECT
    // A QObject for the QML tools, which know the manager only as a context property.
    Q_PROPERTY(QObject *manager READ manager WRITE setManager NOTIFY managerChanged)
    Q_PROPERTY(EmulationManagement::Internal::TrackModel *track READ track WRITE setTrack NOTIFY
                   trackChanged)
    Q_PROPERTY(double defaultInterval READ defaultInterval WRITE setDefaultInterval NOTIFY
                   defaultIntervalChanged)
    Q_PROPERTY(bool looped MEMBER m_looped NOTIFY settingsChanged)
    Q_PROPERTY(bool useDefaultInterval MEMBER m_useDefaultInterval NOTIFY settingsChanged)
    Q_PROPERTY(int speed MEMBER m_speed NOTIFY settingsChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(double interval READ interval NOTIFY intervalChanged)

public:
    using Clock = std::function<qint64()>;

    explicit TrackPlayback(QObject *parent = nullptr);

    GPSEmulationManager *manager() const { return m_manager; }
    void setManager(QObject *manager);
    TrackModel *track() const { return m_track; }
    void setTrack(TrackModel *track);
    double defaultInterval() const { return double(m_defaultInterval); }
    void setDefaultInterval(double interval);
    bool isRunning() const { return m_running; }
    // The wait of the step now scheduled, in milliseconds.
    double interval() const { return double(m_interval); }

    // The emulator's playback settings, as the manager last sent them.
    void setSettings(bool looped, bool useDefaultInterval, int speed);
    // Milliseconds on a monotonic clock; tests pass their own.
    void setClock(Clock clock);

    // A new track is in the model: playback stops, the emulator gets the
    // track and then goes to its first point.
    Q_INVOKABLE void loadTrack();
    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void stopTrack();
    // Schedules the step after the current point; a restart begins a new schedule.
    Q_INVOKABLE void runTrackTimer(bool restartSchedule = true);
    Q_INVOKABLE void stop();
    // The user chose a point: the emulator goes there (after the track again
    // when a new connection lost it), and playback goes on from there.
    Q_INVOKABLE void pointChosen(int row);
    // The track goes to the emulator again when a new connection lost it.
    Q_INVOKABLE void ensureTrackLoaded();
    // The current point becomes the shown position; nothing is sent.
    Q_INVOKABLE void showCurrentPoint();
    // The timer fired: the next point when it is due, else another slice.
    void timerFired();

signals:
    void managerChanged();
    void trackChanged();
    void defaultIntervalChanged();
    void settingsChanged();
    void runningChanged();
    void intervalChanged();
    // Playback ended: the last point of a track that does not loop.
    void finished();

private:
    int rows() const;
    void setRunning(bool running);
    void arm();
    void step();

    QPointer<GPSEmulationManager> m_manager;
    QPointer<TrackModel> m_track;
    qint64 m_defaultInterval = PlaybackSchedule::defaultInterval;
    bool m_looped = false;
    bool m_useDefaultInterval = false;
    int m_speed = 1;
    bool m_running = false;
    qint64 m_interval = 0;
    QElapsedTimer m_elapsed;
    Clock m_clock;
    PlaybackSchedule::Deadline m_deadline;
    QTimer m_timer;
    QTimer m_syncTimer;
};

} // namespace EmulationManagement::Internal
