#pragma once

#include "emulator/camerareceiver.h"
#include "emulator/emulatoroptions.h"
#include "emulator/geoclueemulationservice.h"
#include "emulator/privatebus.h"
#include "emulator/remotedbusinvoker.h"
#include "emulator/sensorfwemulationservice.h"
#include "emulator/staterecorder.h"

#include <QObject>

#include <memory>

namespace EmulationManagement::Emulator {

// The whole simulated emulator: the private bus with the two services, the
// remote D-Bus invoker in front of it, the camera receiver and the record of
// it all.
class SimulatedEmulator : public QObject
{
    Q_OBJECT

public:
    explicit SimulatedEmulator(const EmulatorOptions &options, QObject *parent = nullptr);
    ~SimulatedEmulator() override;

    bool start(QString *error);

signals:
    // Something the emulator cannot go on without has gone.
    void failed(const QString &error);

private:
    bool registerService(const QString &connectionName,
                         const QString &serviceName,
                         const QString &objectPath,
                         QObject *service,
                         QString *error);
    void recordCall(const QString &callText, const QString &service, const QString &reply);
    void recordState();
    QJsonObject state() const;

    EmulatorOptions m_options;
    PrivateBus m_bus;
    SensorfwEmulationService m_sensorfw;
    GeoclueEmulationService m_geoclue;
    StateRecorder m_recorder;
    CameraReceiver m_camera;
    // Made once the bus is up.
    std::unique_ptr<RemoteDBusInvoker> m_invoker;
    int m_calls = 0;
};

} // namespace EmulationManagement::Emulator
