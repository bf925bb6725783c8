#pragma once

#include "recordingserver.h"

#include <QObject>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

// Runs emulation-ctl as a shell user does, against a recording server of its
// own, for tests that compare its calls with the window's. Its settings live
// in a temporary folder for the life of the test process, so state carries
// from run to run. QML reaches it as "emulationCtl".
class CtlRunner : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 port = 15480;

    // exitCode, output (stdout), error (stderr) and calls: the frames the
    // server received, whole.
    Q_INVOKABLE QVariantMap run(const QStringList &arguments);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RecordingServer> m_server;
};
