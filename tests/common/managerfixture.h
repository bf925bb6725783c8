#pragma once

#include "recordingserver.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace Core {
class ICore;
}
namespace Utils {
class QtcSettings;
}
namespace EmulationManagement::Internal {
class RemoteDBusInvokerService;
}

// What a manager needs around it in a test: the IDE's settings in a temporary
// folder behind the IDE stand-in, a recording server on the invoker's port and
// an invoker that is not yet connected. Bind a manager with
// setRdbusinvoker(fixture.invoker()). Helpers return results instead of
// verifying, so QML tests can use the fixture as well as Qt Test classes.
class ManagerFixture
{
public:
    ManagerFixture();
    ~ManagerFixture();

    // False when the temporary folder or the server could not be set up.
    bool isReady() const;

    Utils::QtcSettings *settings() const { return m_settings.get(); }
    RecordingServer &server() const { return *m_server; }
    EmulationManagement::Internal::RemoteDBusInvokerService *invoker() const
    {
        return m_invoker.get();
    }

    // Connects the invoker and waits for the connection.
    bool connectInvoker();
    // The frames that step sent, in order. Marker frames before and after the
    // step show that all earlier frames and all of the step's have arrived;
    // if a marker never arrives the result is one line saying so. The step may
    // connect the invoker; it must leave it connected.
    QStringList framesAfter(const std::function<void()> &step);
    // The IDE restarting: a new settings object over the same file.
    void restartSettings();
    // The texts of calls on a system-bus service whose object path and
    // interface follow from its name: "system <service> /<path> <service> <call>".
    static QStringList calls(const QString &service, const QStringList &methodsAndArguments);

private:
    bool sendMarker(QString *text);
    void openSettings();

    QTemporaryDir m_dir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
    std::unique_ptr<RecordingServer> m_server;
    std::unique_ptr<EmulationManagement::Internal::RemoteDBusInvokerService> m_invoker;
    bool m_listening = false;
    bool m_connected = false;
    int m_markers = 0;
};
