#include "simulatedemulator.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QJsonDocument>

namespace EmulationManagement::Emulator {

namespace {

const QString sensorfwConnection = QStringLiteral("sensorfw");
const QString geoclueConnection = QStringLiteral("geoclue");
const QString invokerConnection = QStringLiteral("remote-dbus-invoker");

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

SimulatedEmulator::SimulatedEmulator(const EmulatorOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_sensorfw(options.switchedOffSensors)
    , m_recorder(options.stateFile, options.logFile)
    , m_camera(options.cameraPort, options.showCamera, options.frameFile)
{
    connect(&m_bus, &PrivateBus::lost, this, &SimulatedEmulator::failed);
    connect(&m_camera, &CameraReceiver::event, this, [this](const QString &text) {
        m_recorder.log(text);
    });
    connect(&m_camera, &CameraReceiver::statisticsChanged, this, &SimulatedEmulator::recordState);
}

SimulatedEmulator::~SimulatedEmulator()
{
    // Nobody may call in while the services and the bus go away.
    m_invoker.reset();
    m_bus.stop();
}

bool SimulatedEmulator::start(QString *error)
{
    qDBusRegisterMetaType<InvokerProtocol::DoubleArrays>();
    if (!m_recorder.open(error) || !m_bus.start(error))
        return false;
    m_recorder.log(tr("private bus at %1").arg(m_bus.address()));
    // Each service has a connection of its own, as separate daemons would.
    if (!registerService(sensorfwConnection,
                         SensorfwEmulationService::serviceName(),
                         SensorfwEmulationService::objectPath(),
                         &m_sensorfw,
                         error)
        || !registerService(geoclueConnection,
                            GeoclueEmulationService::serviceName(),
                            GeoclueEmulationService::objectPath(),
                            &m_geoclue,
                            error)) {
        return false;
    }
    const QDBusConnection invokerBus = m_bus.openConnection(invokerConnection);
    if (!invokerBus.isConnected()) {
        *error = tr("Cannot connect to the private bus: %1").arg(invokerBus.lastError().message());
        return false;
    }
    if (!m_camera.start(error))
        return false;
    m_invoker = std::make_unique<RemoteDBusInvoker>(invokerBus);
    connect(
        m_invoker.get(), &RemoteDBusInvoker::callAnswered, this, &SimulatedEmulator::recordCall);
    connect(m_invoker.get(), &RemoteDBusInvoker::clientConnected, this, [this] {
        m_recorder.log(tr("client connected (%1 in all)").arg(m_invoker->clientCount()));
        recordState();
    });
    connect(m_invoker.get(), &RemoteDBusInvoker::clientDisconnected, this, [this] {
        m_recorder.log(tr("client disconnected (%1 left)").arg(m_invoker->clientCount()));
        recordState();
    });
    if (!m_invoker->listen(m_options.webSocketPort, error))
        return false;
    recordState();
    m_recorder.log(tr("ready: WebSocket 127.0.0.1:%1, camera UDP 127.0.0.1:%2")
                       .arg(m_options.webSocketPort)
                       .arg(m_options.cameraPort));
    return true;
}

bool SimulatedEmulator::registerService(const QString &connectionName,
                                        const QString &serviceName,
                                        const QString &objectPath,
                                        QObject *service,
                                        QString *error)
{
    QDBusConnection connection = m_bus.openConnection(connectionName);
    if (!connection.isConnected()) {
        *error = tr("Cannot connect to the private bus: %1").arg(connection.lastError().message());
        return false;
    }
    if (!connection.registerObject(objectPath, service, QDBusConnection::ExportAllSlots)
        || !connection.registerService(serviceName)) {
        *error = tr("Cannot register %1 on the private bus: %2")
                     .arg(serviceName, connection.lastError().message());
        return false;
    }
    return true;
}

void SimulatedEmulator::recordCall(const QString &callText,
                                   const QString &service,
                                   const QString &reply)
{
    ++m_calls;
    recordState();
    m_recorder.log(tr("call  %1").arg(callText));
    m_recorder.log(tr("reply %1").arg(reply));
    if (service == SensorfwEmulationService::serviceName())
        m_recorder.log(tr("state sensors %1").arg(compact(m_sensorfw.state())));
    else if (service == GeoclueEmulationService::serviceName())
        m_recorder.log(tr("state gps %1").arg(compact(m_geoclue.state())));
}

void SimulatedEmulator::recordState()
{
    m_recorder.writeState(state());
}

QJsonObject SimulatedEmulator::state() const
{
    return {{"pid", QCoreApplication::applicationPid()},
            {"busAddress", m_bus.address()},
            {"busDaemonPid", m_bus.daemonPid()},
            {"clients", m_invoker ? m_invoker->clientCount() : 0},
            {"calls", m_calls},
            {"sensors", m_sensorfw.state()},
            {"gps", m_geoclue.state()},
            {"camera", m_camera.statistics().toJson()}};
}

} // namespace EmulationManagement::Emulator
