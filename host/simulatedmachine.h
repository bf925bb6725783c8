#pragma once

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace Utils {
class QtcSettings;
}

namespace Vesk {
class VirtualMachine;
}

namespace Host {

// Plays the SDK's side of one emulator's virtual machine on this host: its
// port forwardings are kept in the host's settings, starting it runs the
// simulated emulator program, and it is up once the program's WebSocket port
// (the host end of the TCP forwarding) accepts connections.
class SimulatedMachine : public QObject
{
    Q_OBJECT

public:
    struct Paths
    {
        QString program;       // the simulated emulator executable
        QString sshClient;     // the ssh stand-in that answers "rpm -qa"
        QString dataDirectory; // where the emulator writes its state and log
    };

    SimulatedMachine(Vesk::VirtualMachine *machine,
                     Utils::QtcSettings *settings,
                     const Paths &paths,
                     QObject *parent = nullptr);
    ~SimulatedMachine() override;

    qint64 processId() const { return m_process.processId(); }
    QString stateFile() const;

    static QStringList encodeForwardings(const Vesk::VirtualMachine *machine);
    static void decodeForwardings(Vesk::VirtualMachine *machine, const QStringList &rules);

signals:
    // What the machine did, for a person to read.
    void event(const QString &text);

private:
    void start();
    void pollWebSocketPort();
    void handleFinished();
    void saveForwardings();

    Vesk::VirtualMachine *m_machine;
    Utils::QtcSettings *m_settings;
    Paths m_paths;
    QProcess m_process;
    QTimer m_pollTimer;
};

} // namespace Host
