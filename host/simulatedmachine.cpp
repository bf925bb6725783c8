#include "simulatedmachine.h"

#include <ssh/sshconnection.h>
#include <utils/qtcsettings.h>
#include <vesk/virtualmachine.h>

#include <QDir>
#include <QTcpSocket>

namespace Host {

const char forwardingsKey[] = "SimulatedSdk/PortForwardings";
const quint16 sshPort = 2223;

SimulatedMachine::SimulatedMachine(Vesk::VirtualMachine *machine,
                                   Utils::QtcSettings *settings,
                                   const Paths &paths,
                                   QObject *parent)
    : QObject(parent)
    , m_machine(machine)
    , m_settings(settings)
    , m_paths(paths)
{
    decodeForwardings(machine, settings->value(forwardingsKey).toStringList());
    connect(machine,
            &Vesk::VirtualMachine::portForwardingsChanged,
            this,
            &SimulatedMachine::saveForwardings);
    connect(machine, &Vesk::VirtualMachine::connectRequested, this, &SimulatedMachine::start);

    QSsh::SshConnectionParameters ssh;
    ssh.setHost(QStringLiteral("127.0.0.1"));
    ssh.setPort(sshPort);
    ssh.setUserName(QStringLiteral("root"));
    ssh.timeout = 5;
    machine->setSshParameters(ssh);
    QSsh::SshSettings::setSshFilePath(paths.sshClient);

    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::finished, this, &SimulatedMachine::handleFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            handleFinished();
    });
    m_pollTimer.setInterval(100);
    connect(&m_pollTimer, &QTimer::timeout, this, &SimulatedMachine::pollWebSocketPort);
}

SimulatedMachine::~SimulatedMachine()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString SimulatedMachine::stateFile() const
{
    return m_paths.dataDirectory + QStringLiteral("/state.json");
}

QStringList SimulatedMachine::encodeForwardings(const Vesk::VirtualMachine *machine)
{
    QStringList rules;
    for (const Vesk::VirtualMachine::PortForwarding &rule : machine->portForwardings()) {
        rules.append(QStringLiteral("%1,%2,%3,%4")
                         .arg(rule.ruleName, rule.protocol)
                         .arg(rule.hostPort)
                         .arg(rule.emulatorPort));
    }
    return rules;
}

void SimulatedMachine::decodeForwardings(Vesk::VirtualMachine *machine, const QStringList &rules)
{
    QList<Vesk::VirtualMachine::PortForwarding> forwardings;
    for (const QString &rule : rules) {
        const QStringList fields = rule.split(QLatin1Char(','));
        if (fields.size() != 4)
            continue;
        forwardings.append({fields.at(0),
                            fields.at(1),
                            quint16(fields.at(2).toUInt()),
                            quint16(fields.at(3).toUInt())});
    }
    machine->setPortForwardings(forwardings);
}

void SimulatedMachine::saveForwardings()
{
    const QStringList rules = encodeForwardings(m_machine);
    m_settings->setValue(forwardingsKey, rules);
    emit event(tr("Port forwardings: %1").arg(rules.join(QLatin1String("; "))));
}

void SimulatedMachine::start()
{
    if (m_process.state() != QProcess::NotRunning)
        return;
    quint16 webSocketPort = 0;
    quint16 cameraPort = 0;
    for (const Vesk::VirtualMachine::PortForwarding &rule : m_machine->portForwardings()) {
        if (rule.protocol == QLatin1String("tcp"))
            webSocketPort = rule.hostPort;
        else if (rule.protocol == QLatin1String("udp"))
            cameraPort = rule.hostPort;
    }
    QStringList arguments{QStringLiteral("--state-file"),
                          stateFile(),
                          QStringLiteral("--log-file"),
                          m_paths.dataDirectory + QStringLiteral("/calls.log")};
    // Without a forwarding nothing reaches the emulator from the host.
    if (webSocketPort)
        arguments << QStringLiteral("--port") << QString::number(webSocketPort);
    if (cameraPort)
        arguments << QStringLiteral("--camera-port") << QString::number(cameraPort);

    QDir().mkpath(m_paths.dataDirectory);
    m_machine->setState(Vesk::VirtualMachine::Starting);
    m_process.start(m_paths.program, arguments);
    emit event(
        tr("Starting the emulator: %1 %2").arg(m_paths.program, arguments.join(QLatin1Char(' '))));
    if (webSocketPort)
        m_pollTimer.start();
}

void SimulatedMachine::pollWebSocketPort()
{
    auto probe = new QTcpSocket(this);
    connect(probe, &QTcpSocket::connected, this, [this, probe] {
        probe->abort();
        probe->deleteLater();
        if (!m_pollTimer.isActive())
            return;
        m_pollTimer.stop();
        emit event(tr("The emulator is up (process %1).").arg(m_process.processId()));
        m_machine->setState(Vesk::VirtualMachine::Connected);
    });
    connect(probe, &QTcpSocket::errorOccurred, probe, &QObject::deleteLater);
    for (const Vesk::VirtualMachine::PortForwarding &rule : m_machine->portForwardings()) {
        if (rule.protocol == QLatin1String("tcp"))
            probe->connectToHost(QStringLiteral("127.0.0.1"), rule.hostPort);
    }
}

void SimulatedMachine::handleFinished()
{
    m_pollTimer.stop();
    emit event(tr("The emulator is off: %1").arg(m_process.errorString()));
    m_machine->setOff(true);
}

} // namespace Host
