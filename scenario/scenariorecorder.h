#pragma once

#include "scenario/scenarioformat.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QUrl>

class CameraEmulationManager;

namespace EmulationManagement::Internal {

class RemoteDBusInvokerService;

// Records what the window sends while recording is on: every call that
// passes the invoker, with its time, and the camera streams, which do not
// pass it. A track load is kept as the file it came from.
class ScenarioRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool recording READ isRecording NOTIFY recordingChanged)
    Q_PROPERTY(bool hasSteps READ hasSteps NOTIFY recordingChanged)

public:
    ScenarioRecorder(RemoteDBusInvokerService &invoker, CameraEmulationManager &camera);

    bool isRecording() const { return m_recording; }
    bool hasSteps() const { return !m_steps.isEmpty(); }
    const QList<Scenario::Step> &steps() const { return m_steps; }

    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void discard();
    Q_INVOKABLE qint64 elapsedMs() const;
    // Writes the stopped recording; the error text, empty on success.
    Q_INVOKABLE QString save(const QUrl &file);
    // Stops and writes the recording beside the system's temporary files;
    // its path, or empty with the error.
    QString saveToTemporaryFile(QString *error);

    // The calls sent between the two are the loading of this track file.
    Q_INVOKABLE void beginTrackLoad(const QUrl &file);
    Q_INVOKABLE void endTrackLoad();

signals:
    void recordingChanged();

private:
    void recordCall(const QString &callText);
    void recordCameraStream(const QString &filePath);
    void recordCameraStop();
    void addCommand(const QString &command);
    QString write(const QString &path);

    RemoteDBusInvokerService &m_invoker;
    CameraEmulationManager &m_camera;
    QElapsedTimer m_clock;
    QDateTime m_started;
    QList<Scenario::Step> m_steps;
    QString m_trackFile;
    qsizetype m_trackLoadFrom = -1;
    bool m_recording = false;
    bool m_streaming = false;
};

} // namespace EmulationManagement::Internal
