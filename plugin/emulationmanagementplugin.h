#pragma once

#include "camera/cameraemulationmanager.h"
#include "emulationmanagementpackageschecker.h"
#include "gps/gpsemulationmanager.h"
#include "scenario/scenariorecorder.h"
#include "sensors/sensorsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"
#include "ui/smartphone3dmodelconfig.h"

#include <extensionsystem/iplugin.h>
#include <vesk/emulator.h>

#include <QMessageBox>
#include <QPointer>
#include <QQuickView>
#include <QVariantMap>

namespace Vesk {
class Sdk;
}

namespace EmulationManagement::Internal {

class EmulationManagementPlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QtCreatorPlugin" FILE "EmulationManagement.json")

public:
    EmulationManagementPlugin();
    ~EmulationManagementPlugin() override;

    bool initialize(const QStringList &arguments, QString *errorString) override;
    void extensionsInitialized() override;
    ShutdownFlag aboutToShutdown() override;

    void showEmulationManagementView();
    void updateSensorsAvailability(const QString &deviceModelName);

    // For tests and the host: the objects this plug-in owns.
    RemoteDBusInvokerService *invoker() { return &m_invoker; }
    GPSEmulationManager *gpsManager() { return &m_gpsManager; }
    SensorsEmulationManager *sensorsManager() { return &m_sensorsManager; }
    Smartphone3DModelConfig *modelConfig() { return &m_modelConfig; }
    CameraEmulationManager *cameraManager() { return &m_cameraManager; }
    ScenarioRecorder *recorder() { return &m_recorder; }
    QQuickView *view() { return &m_view; }
    Vesk::Emulator *emulator() const { return m_emulator; }
    bool isEmulatorReady() const { return m_emulatorReady; }

signals:
    void emulationManagementViewShowed();

private:
    void installTranslator();
    void bindManagers();
    void setContextProperties();
    void createView();
    void createMenuAction();

    void updateEmulator(Vesk::Emulator *leaving = nullptr);
    void bindEmulator(Vesk::Emulator *emulator);
    void unbindEmulator();
    void loadDeviceSensorsConfig();
    void handleVirtualMachineOffChanged(bool off);
    void handleStateChanged();
    bool checkPortForwardings();
    void startPackagesCheck();
    void handlePackagesCheckFinished(const QString &message, const QString &detailedText);
    void handleConnectionLost();
    void saveRecordingOnClose();
    void showView();
    void showMessage(const QString &text,
                     const QString &informativeText,
                     QMessageBox::StandardButtons buttons);

    RemoteDBusInvokerService m_invoker;
    GPSEmulationManager m_gpsManager;
    SensorsEmulationManager m_sensorsManager;
    Smartphone3DModelConfig m_modelConfig;
    CameraEmulationManager m_cameraManager;
    ScenarioRecorder m_recorder{m_invoker, m_cameraManager};
    QQuickView m_view;
    Vesk::Sdk *m_sdk = nullptr;
    // Weak: the SDK deletes emulators it removes.
    QPointer<Vesk::Emulator> m_emulator;
    bool m_emulatorRunning = false;
    bool m_emulatorReady = false;
    bool m_connectionPending = false;
    QVariantMap m_deviceSensors;
    EmulationManagementPackagesChecker m_packagesChecker;
    // A nested event loop or a running check: the menu action waits for it.
    bool m_busy = false;
};

} // namespace EmulationManagement::Internal
