#include "emulationmanagementplugin.h"

#include "devicesensortables.h"
#include "emulationmanagementconstants.h"
#include "execasynchronous.h"
#include "qmlregistration.h"

#include "ui/translationcatalogue.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/actionmanager/command.h>
#include <coreplugin/icontext.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <utils/filepath.h>
#include <utils/id.h>
#include <utils/qtcsettings.h>
#include <vesk/emulator.h>
#include <vesk/sdk.h>
#include <vesk/virtualmachine.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMainWindow>
#include <QQmlContext>
#include <QQmlEngine>

#include <algorithm>
#include <iterator>

namespace EmulationManagement::Internal {

using namespace Constants;

EmulationManagementPlugin::EmulationManagementPlugin() = default;

EmulationManagementPlugin::~EmulationManagementPlugin() = default;

bool EmulationManagementPlugin::initialize(const QStringList &arguments, QString *errorString)
{
    Q_UNUSED(arguments)
    Q_UNUSED(errorString)

    installTranslator();
    // The GPS page reads track files through XMLHttpRequest.
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    registerQmlTypes();
    bindManagers();
    setContextProperties();
    loadDeviceSensorsConfig();
    createView();
    createMenuAction();
    return true;
}

void EmulationManagementPlugin::extensionsInitialized()
{
    m_sdk = Vesk::Sdk::instance();
    if (!m_sdk)
        return;
    connect(m_sdk, &Vesk::Sdk::emulatorAdded, this, [this] { updateEmulator(); });
    connect(m_sdk, &Vesk::Sdk::aboutToRemoveEmulator, this, [this](int index) {
        updateEmulator(Vesk::Sdk::emulators().value(index));
    });
    connect(m_sdk, &Vesk::Sdk::deviceModelsChanged, this, [this] { updateEmulator(); });
}

ExtensionSystem::IPlugin::ShutdownFlag EmulationManagementPlugin::aboutToShutdown()
{
    m_view.close();
    return SynchronousShutdown;
}

void EmulationManagementPlugin::installTranslator()
{
    const QVariant language
        = ExtensionSystem::PluginManager::settings()->value(Utils::Key("General/OverrideLanguage"));
    const QLocale locale = language.isValid() ? QLocale(language.toString()) : QLocale();
    const QString directory
        = Core::ICore::resourcePath(QStringLiteral("translations")).toFSPathString();
    if (!TranslationCatalogue::install(locale, directory, this))
        qDebug() << "Failed to load translator:" << directory << "EmulationManagement";
}

void EmulationManagementPlugin::bindManagers()
{
    m_gpsManager.setRdbusinvoker(&m_invoker);
    m_sensorsManager.setRdbusinvoker(&m_invoker);
}

void EmulationManagementPlugin::setContextProperties()
{
    QQmlContext *context = m_view.rootContext();
    context->setContextProperty(QStringLiteral("remoteDBusInvokerService"), &m_invoker);
    context->setContextProperty(QStringLiteral("emulationManagementPlugin"), this);

    setThemeContextProperties(context);

    context->setContextProperty(QStringLiteral("gpsEmulationManager"), &m_gpsManager);
    context->setContextProperty(QStringLiteral("sensorsEmulationManager"), &m_sensorsManager);
    context->setContextProperty(QStringLiteral("smartphone3DModelConfig"), &m_modelConfig);
    context->setContextProperty(QStringLiteral("cameraEmulationManager"), &m_cameraManager);
    context->setContextProperty(QStringLiteral("scenarioRecorder"), &m_recorder);
}

void EmulationManagementPlugin::createView()
{
    m_view.setTitle(tr("Emulation Management"));
    m_view.setResizeMode(QQuickView::SizeRootObjectToView);
    m_view.setSource(QUrl(QStringLiteral("qrc:%1/%2")
                              .arg(QLatin1String(resourcePrefix), QLatin1String(viewDocument))));
    // Nobody watches a hidden window's stream.
    connect(&m_view, &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible && m_recorder.isRecording())
            saveRecordingOnClose();
        if (visible || !m_cameraManager.streamRunning())
            return;
        m_cameraManager.stopVideoStream();
        m_cameraManager.stopCameraStream();
    });
}

void EmulationManagementPlugin::createMenuAction()
{
    auto action = new QAction(tr("Emulation Management\u2026"), this);
    Core::Command *command = Core::ActionManager::registerAction(
        action, showViewActionId, Core::Context(Core::Constants::C_GLOBAL), false);
    connect(
        action, &QAction::triggered, this, &EmulationManagementPlugin::showEmulationManagementView);

    Core::ActionContainer *sdkMenu = Core::ActionManager::createMenu(sdkToolsMenuId);
    sdkMenu->addAction(command);
    Core::ActionManager::actionContainer(toolsMenuId)->addMenu(sdkMenu);
}

void EmulationManagementPlugin::loadDeviceSensorsConfig()
{
    m_deviceSensors
        = readDeviceSensorTables(QDir::fromNativeSeparators(QStringLiteral("%1/%2").arg(
                                     QCoreApplication::applicationDirPath(), QString())),
                                 m_sensorsManager.sensorsAvailability().keys());
}

void EmulationManagementPlugin::updateSensorsAvailability(const QString &deviceModelName)
{
    const QVariantMap table = m_deviceSensors.value(deviceModelName).toMap();
    if (table.isEmpty()) {
        m_sensorsManager.setAllSensorsAvailable();
        return;
    }
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        m_sensorsManager.setSensorAvailability(it.key(), it.value().toBool());
}

void EmulationManagementPlugin::updateEmulator(Vesk::Emulator *leaving)
{
    QList<Vesk::Emulator *> emulators = Vesk::Sdk::emulators();
    emulators.removeOne(leaving);
    if (emulators.isEmpty()) {
        unbindEmulator();
        return;
    }
    Vesk::Emulator *first = emulators.first();
    if (first != m_emulator) {
        unbindEmulator();
        bindEmulator(first);
    }
    const QString deviceModelName = first->deviceModel().name;
    updateSensorsAvailability(deviceModelName);
    m_modelConfig.selectModelConfig(deviceModelName);
}

void EmulationManagementPlugin::bindEmulator(Vesk::Emulator *emulator)
{
    m_emulator = emulator;
    connect(emulator,
            &Vesk::Emulator::deviceModelNameChanged,
            this,
            &EmulationManagementPlugin::updateSensorsAvailability);
    connect(emulator,
            &Vesk::Emulator::deviceModelNameChanged,
            &m_modelConfig,
            &Smartphone3DModelConfig::selectModelConfig);
    connect(&m_invoker,
            &RemoteDBusInvokerService::webSocketDisconnected,
            this,
            &EmulationManagementPlugin::handleConnectionLost,
            Qt::UniqueConnection);
    Vesk::VirtualMachine *machine = emulator->virtualMachine();
    connect(machine,
            &Vesk::VirtualMachine::virtualMachineOffChanged,
            this,
            &EmulationManagementPlugin::handleVirtualMachineOffChanged);
    connect(machine,
            &Vesk::VirtualMachine::stateChanged,
            this,
            &EmulationManagementPlugin::handleStateChanged);
}

void EmulationManagementPlugin::unbindEmulator()
{
    if (m_emulator) {
        m_emulator->disconnect(this);
        m_emulator->disconnect(&m_modelConfig);
        m_emulator->virtualMachine()->disconnect(this);
    }
    m_emulator = nullptr;
    m_emulatorRunning = false;
    m_emulatorReady = false;
    m_connectionPending = false;
}

void EmulationManagementPlugin::handleVirtualMachineOffChanged(bool off)
{
    if (off) {
        m_view.hide();
        m_emulatorReady = false;
    }
    m_emulatorRunning = !off;
}

void EmulationManagementPlugin::handleStateChanged()
{
    if (!m_emulator || !m_connectionPending
        || m_emulator->virtualMachine()->state() != Vesk::VirtualMachine::Connected)
        return;
    m_connectionPending = false;
    startPackagesCheck();
}

void EmulationManagementPlugin::showEmulationManagementView()
{
    if (m_busy)
        return;
    if (!m_emulator) {
        showMessage(tr("The emulation management plugin cannot be used. Please, close the emulator "
                       "if it is running and add %1 Emulator to the list of available devices in "
                       "Qt Creator settings.")
                        .arg(Vesk::Sdk::osVariant(Vesk::Sdk::UserVisible)),
                    QString(),
                    QMessageBox::Ok);
        return;
    }
    const bool off = m_emulator->virtualMachine()->isOff(nullptr, nullptr);
    if (off) {
        m_view.hide();
        m_emulatorReady = false;
    }
    m_emulatorRunning = !off;

    if (!checkPortForwardings())
        return;
    if (!m_emulatorRunning) {
        m_emulator->virtualMachine()->connectTo(
            Vesk::VirtualMachine::NoConnectOption, this, [](bool) {});
        m_connectionPending = true;
        return;
    }
    emit emulationManagementViewShowed();
    if (m_emulatorReady) {
        m_cameraManager.populateCameras();
        showView();
    } else {
        startPackagesCheck();
    }
}

bool EmulationManagementPlugin::checkPortForwardings()
{
    Vesk::VirtualMachine *machine = m_emulator->virtualMachine();
    if (std::all_of(std::cbegin(portForwardingRules),
                    std::cend(portForwardingRules),
                    [machine](const PortForwardingRule &rule) {
                        return machine->hasPortForwarding(rule.hostPort, nullptr);
                    }))
        return true;
    if (m_emulatorRunning) {
        showMessage(tr("The emulation management plugin cannot be used. Please, close %1 and try "
                       "to use 'Emulation management\u2026' again.")
                        .arg(m_emulator->name()),
                    QString(),
                    QMessageBox::Ok);
        return false;
    }

    // Rules can only be added while the machine is off; their results are
    // not looked at. Each addition waits in a nested event loop, during which
    // the SDK may remove the emulator and bind another: then nothing more is
    // done with either until the user asks again.
    const QPointer<Vesk::Emulator> emulator = m_emulator;
    const auto stillBound = [this, &emulator] {
        return emulator && m_emulator == emulator;
    };
    m_busy = true;
    for (const PortForwardingRule &rule : portForwardingRules) {
        bool added = false;
        Vesk::execAsynchronous(added,
                               &Vesk::VirtualMachine::addPortForwarding,
                               machine,
                               QString::fromLatin1(rule.name),
                               QString::fromLatin1(rule.protocol),
                               rule.hostPort,
                               rule.emulatorPort);
        if (!stillBound())
            break;
    }
    m_busy = false;
    return stillBound();
}

void EmulationManagementPlugin::startPackagesCheck()
{
    m_busy = true;
    connect(&m_packagesChecker,
            &EmulationManagementPackagesChecker::checkFinished,
            this,
            &EmulationManagementPlugin::handlePackagesCheckFinished);
    m_packagesChecker.checkPackages(m_emulator->virtualMachine()->sshParameters());
}

void EmulationManagementPlugin::handlePackagesCheckFinished(const QString &message,
                                                            const QString &detailedText)
{
    // The next check connects afresh.
    disconnect(
        &m_packagesChecker, &EmulationManagementPackagesChecker::checkFinished, nullptr, nullptr);
    m_busy = false;
    if (!message.isEmpty()) {
        showMessage(message, detailedText, QMessageBox::Close);
        return;
    }
    m_emulatorReady = true;
    m_invoker.connectToEmulator();
    m_cameraManager.populateCameras();
    showView();
}

void EmulationManagementPlugin::handleConnectionLost()
{
    if (!m_gpsManager.trackLoaded())
        return;
    m_gpsManager.handleEmulatorConnected();
    emit m_gpsManager.replyFromEmulatorReceived(QString());
    showMessage(tr("Emulator connection is lost. Please, run %1 if it is needed and load the "
                   "GPS-track again.")
                    .arg(m_emulator ? m_emulator->name() : QString()),
                QString(),
                QMessageBox::Ok);
}

void EmulationManagementPlugin::showView()
{
    m_view.show();
    m_view.raise();
}

// Nothing recorded is lost with the window: it goes to a file the user is told of.
void EmulationManagementPlugin::saveRecordingOnClose()
{
    QString error;
    const QString path = m_recorder.saveToTemporaryFile(&error);
    if (path.isEmpty())
        showMessage(tr("The recording could not be saved."), error, QMessageBox::Ok);
    else
        showMessage(tr("The window was closed while recording. The recording was saved to %1.")
                        .arg(QDir::toNativeSeparators(path)),
                    tr("Replay it with: emulation-ctl script \"%1\"").arg(path),
                    QMessageBox::Ok);
}

void EmulationManagementPlugin::showMessage(const QString &text,
                                            const QString &informativeText,
                                            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Information,
                    tr("Emulation management plugin"),
                    text,
                    buttons,
                    Core::ICore::mainWindow(),
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setInformativeText(informativeText);
    box.exec();
}

} // namespace EmulationManagement::Internal
