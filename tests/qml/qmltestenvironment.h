#pragma once

#include "modalanswerer.h"
#include "recordingserver.h"

#include "camera/cameraemulationmanager.h"
#include "gps/gpsemulationmanager.h"
#include "sensors/sensorsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"
#include "ui/smartphone3dmodelconfig.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>

#include <QObject>
#include <QTemporaryDir>

#include <memory>

QT_BEGIN_NAMESPACE
class QQmlEngine;
QT_END_NAMESPACE

// What the plug-in gives its window, for Qt Quick Tests: the real managers
// bound to an invoker that talks to a recording WebSocket server, the IDE's
// settings in a temporary folder, the theme named by EM_THEME ("light" by
// default), and an answerer for the native message boxes. QML reaches it as
// "testEnvironment", the server as "wire" and the managers by their names.
class QmlTestEnvironment : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList dialogTexts READ dialogTexts NOTIFY dialogAnswered)

public:
    QmlTestEnvironment();
    ~QmlTestEnvironment() override;

    QStringList dialogTexts() const;

    // The next message boxes are answered with this button (a
    // QMessageBox::StandardButton value) and this check box state.
    Q_INVOKABLE void answerDialogsWith(int button, bool checkBoxChecked = false);
    // Saves the window as EM_SCREENSHOT_DIR/<name>-<theme>.png when that
    // variable is set; a test run without it saves nothing.
    Q_INVOKABLE bool saveScreenshot(const QString &name) const;
    // A device sensor table's entry, as the plug-in applies it.
    Q_INVOKABLE void setSensorAvailability(const QString &sensorName, bool available);
    // The IDE restarting: a new settings object over the same file.
    Q_INVOKABLE void restartSettings();

public slots:
    void qmlEngineAvailable(QQmlEngine *engine);

signals:
    void dialogAnswered();

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
    Utils::Theme m_theme;
    RecordingServer m_wire;
    Host::ModalAnswerer m_answerer;
    EmulationManagement::Internal::RemoteDBusInvokerService m_invoker;
    EmulationManagement::Internal::GPSEmulationManager m_gpsManager;
    EmulationManagement::Internal::SensorsEmulationManager m_sensorsManager;
    EmulationManagement::Internal::Smartphone3DModelConfig m_modelConfig;
    CameraEmulationManager m_cameraManager;
};
