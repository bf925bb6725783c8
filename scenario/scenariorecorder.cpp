#include "scenariorecorder.h"

#include "camera/cameraemulationmanager.h"
#include "gps/trackfingerprint.h"
#include "transport/remotedbusinvokerservice.h"

#include <QDir>
#include <QSaveFile>

namespace EmulationManagement::Internal {

ScenarioRecorder::ScenarioRecorder(RemoteDBusInvokerService &invoker, CameraEmulationManager &camera)
    : m_invoker(invoker)
    , m_camera(camera)
{
    connect(&invoker, &RemoteDBusInvokerService::callSent, this, &ScenarioRecorder::recordCall);
    connect(&camera, &CameraEmulationManager::streamStarted, this, &ScenarioRecorder::recordCameraStream);
    connect(&camera, &CameraEmulationManager::streamRunningChanged, this, [this] {
        if (!m_camera.streamRunning())
            recordCameraStop();
    });
}

void ScenarioRecorder::start()
{
    m_steps.clear();
    m_trackLoadFrom = -1;
    m_started = QDateTime::currentDateTimeUtc();
    m_clock.start();
    m_recording = true;
    // A stream that runs already is part of the state the scenario starts from.
    m_streaming = m_camera.streamRunning();
    emit recordingChanged();
}

void ScenarioRecorder::stop()
{
    if (!m_recording)
        return;
    endTrackLoad();
    m_recording = false;
    emit recordingChanged();
}

void ScenarioRecorder::discard()
{
    stop();
    m_steps.clear();
    emit recordingChanged();
}

qint64 ScenarioRecorder::elapsedMs() const
{
    return m_recording ? m_clock.elapsed() : 0;
}

QString ScenarioRecorder::save(const QUrl &file)
{
    stop();
    return write(file.isLocalFile() ? file.toLocalFile() : file.toString());
}

QString ScenarioRecorder::saveToTemporaryFile(QString *error)
{
    stop();
    const QString path = QDir(QDir::tempPath())
                             .filePath(QStringLiteral("emulation-%1.scenario")
                                           .arg(m_started.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    *error = write(path);
    return error->isEmpty() ? path : QString();
}

void ScenarioRecorder::beginTrackLoad(const QUrl &file)
{
    if (!m_recording)
        return;
    m_trackFile = file.isLocalFile() ? file.toLocalFile() : file.toString();
    m_trackLoadFrom = m_steps.size();
}

void ScenarioRecorder::endTrackLoad()
{
    if (m_trackLoadFrom < 0)
        return;
    const qsizetype from = std::exchange(m_trackLoadFrom, -1);
    if (from >= m_steps.size())
        return;
    const qint64 atMs = m_steps.at(from).atMs;
    QString error;
    const std::optional<TrackFingerprint> fingerprint = TrackFingerprint::ofFile(m_trackFile, &error);
    // A file gone since it was read leaves the calls as they were sent.
    if (!fingerprint)
        return;
    m_steps.remove(from, m_steps.size() - from);
    m_steps.append({atMs,
                    {},
                    QStringLiteral("gps load %1 --fingerprint %2")
                        .arg(Scenario::quoted(m_trackFile), Scenario::quoted(fingerprint->toText()))});
}

void ScenarioRecorder::recordCall(const QString &callText)
{
    if (m_recording)
        m_steps.append({m_clock.elapsed(), callText, {}});
}

void ScenarioRecorder::recordCameraStream(const QString &filePath)
{
    m_streaming = true;
    if (!filePath.isEmpty()) {
        addCommand(QStringLiteral("camera stream --file %1").arg(Scenario::quoted(filePath)));
        return;
    }
    addCommand(QStringLiteral("camera stream --camera %1 --resolution %2x%3 --framerate %4")
                   .arg(Scenario::quoted(m_camera.cameraName()))
                   .arg(m_camera.width())
                   .arg(m_camera.height())
                   .arg(Scenario::quoted(m_camera.framerate())));
}

void ScenarioRecorder::recordCameraStop()
{
    if (std::exchange(m_streaming, false))
        addCommand(QStringLiteral("camera stop"));
}

void ScenarioRecorder::addCommand(const QString &command)
{
    if (m_recording)
        m_steps.append({m_clock.elapsed(), {}, command});
}

QString ScenarioRecorder::write(const QString &path)
{
    QString error;
    const Scenario::Header header{m_started, m_invoker.url().toString()};
    const QByteArray text = Scenario::scenarioText(header, m_steps, &error).toUtf8();
    if (!error.isEmpty())
        return error;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace EmulationManagement::Internal
