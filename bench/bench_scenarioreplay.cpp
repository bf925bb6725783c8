#include "recordingserver.h"

#include "camera/cameraemulationmanager.h"
#include "scenario/scenariorecorder.h"
#include "transport/remotedbusinvokerservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace EmulationManagement::Internal;

// Records calls sent at uneven gaps (0 to 120 ms, as slider drags and track
// playback make them), replays the scenario with emulation-ctl against a
// recording server and prints how far each replayed call lands from its
// recorded offset: median and worst.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 300;
    const quint16 port = 15471;
    RecordingServer server(port);
    server.answering = true;
    if (!server.listen()) {
        std::fprintf(stderr, "port %u is taken\n", port);
        return 1;
    }
    RemoteDBusInvokerService invoker;
    invoker.setAddress(QStringLiteral("127.0.0.1"), port);
    CameraEmulationManager camera;
    ScenarioRecorder recorder(invoker, camera);
    invoker.connectToEmulator();
    if (!server.waitForConnections(1))
        return 1;

    recorder.start();
    QRandomGenerator random(26);
    for (int i = 0; i < count; ++i) {
        QTest::qWait(int(random.bounded(121)));
        invoker.invokeMethod("system",
                             "ru.quor.SensorfwEmulationManagement",
                             "/ru/quor/SensorfwEmulationManagement",
                             "ru.quor.SensorfwEmulationManagement",
                             "setAccelerometerX",
                             QStringLiteral("int32:%1").arg(i % 3000));
    }
    if (!server.waitForFrames(count))
        return 1;
    QTemporaryDir dir;
    const QString file = dir.filePath("bench.scenario");
    if (const QString error = recorder.save(QUrl::fromLocalFile(file)); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QList<qint64> recorded;
    for (const Scenario::Step &step : recorder.steps())
        recorded << step.atMs - recorder.steps().constFirst().atMs;

    QList<qint64> replayed;
    QElapsedTimer clock;
    QObject::connect(&server, &RecordingServer::frameReceived, [&] {
        if (replayed.isEmpty())
            clock.start();
        replayed << clock.elapsed();
    });
    QProcess ctl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    ctl.setProcessEnvironment(environment);
    ctl.start(EMULATION_CTL, {"--port", QString::number(port), "script", file});
    while (ctl.state() != QProcess::NotRunning)
        QTest::qWait(50);
    if (ctl.exitCode() != 0 || replayed.size() != recorded.size()) {
        std::fprintf(stderr, "replay failed (exit %d, %lld of %lld calls): %s\n", ctl.exitCode(), qlonglong(replayed.size()), qlonglong(recorded.size()), ctl.readAllStandardError().constData());
        return 1;
    }
    QList<qint64> deviations;
    for (qsizetype i = 0; i < recorded.size(); ++i)
        deviations << qAbs(replayed.at(i) - recorded.at(i));
    std::sort(deviations.begin(), deviations.end());
    std::printf("calls %lld over %lld ms: replayed offset vs recorded, median %lld ms, worst %lld ms\n",
                qlonglong(recorded.size()),
                qlonglong(recorded.constLast()),
                qlonglong(deviations.at(deviations.size() / 2)),
                qlonglong(deviations.constLast()));
    return 0;
}
