#include "ctlrunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

QVariantMap CtlRunner::run(const QStringList &arguments)
{
    if (!m_server) {
        m_server = std::make_unique<RecordingServer>(port);
        m_server->answering = true;
        if (!m_server->listen())
            return {{"exitCode", -1}, {"error", QStringLiteral("port %1 is taken").arg(port)}};
    }
    m_server->clearFrames();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    // The user's numbers and language must not leak into the calls.
    environment.insert("LC_ALL", "de_DE.UTF-8");
    environment.insert("LANGUAGE", "de");
    process.setProcessEnvironment(environment);
    // The server answers in this thread's event loop meanwhile.
    QEventLoop loop;
    connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(eventTimeoutMs, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(CTL_PROGRAM),
                  QStringList{"--port", QString::number(port)} + arguments);
    loop.exec();
    const bool finished = process.state() == QProcess::NotRunning
                          && process.exitStatus() == QProcess::NormalExit;
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {{"exitCode", finished ? process.exitCode() : -1},
            {"output", QString::fromUtf8(process.readAllStandardOutput())},
            {"error", QString::fromUtf8(process.readAllStandardError())},
            {"calls", m_server->frames}};
}
