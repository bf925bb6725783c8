#pragma once

#include "cameratestrig.h"
#include "ctlrunner.h"
#include "managerfixture.h"
#include "modalanswerer.h"

#include "camera/cameraemulationmanager.h"
#include "gps/gpsemulationmanager.h"
#include "scenario/scenariorecorder.h"
#include "sensors/sensorsemulationmanager.h"
#include "ui/smartphone3dmodelconfig.h"

#include <utils/theme/theme.h>

#include <QJSValue>
#include <QObject>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>

// What the plug-in gives its window, for Qt Quick Tests: the real managers
// bound to the manager fixture's invoker and recording server, the theme
// named by EM_THEME ("light" by default), the language named by EM_LANGUAGE
// (its catalogue, and its number format as the default locale), an answerer
// for the native message boxes and the camera page's test rig. QML reaches it as "testEnvironment",
// the server as "wire", the rig as "cameraRig", emulation-ctl as "emulationCtl"
// and the managers by their names.
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
    // Saves the window as EM_SCREENSHOT_DIR/<name>-<theme>[-<language>].png
    // when that variable is set; a test run without it saves nothing.
    Q_INVOKABLE bool saveScreenshot(const QString &name) const;
    // A track file as a user keeps it: while screenshots are taken, a copy in
    // ~/tracks of a home folder of the run's own, so that the file field
    // shows no path of the machine; otherwise the file itself.
    Q_INVOKABLE QUrl userTrack(const QUrl &file) const;
    // A device sensor table's entry, as the plug-in applies it.
    Q_INVOKABLE void setSensorAvailability(const QString &sensorName, bool available);
    // The bound emulator's device model changing: the 3D model lookup selects
    // that model's files.
    Q_INVOKABLE void selectDeviceModel(const QString &deviceModel);
    // The frames that a step (a function) sent, whole, in order.
    Q_INVOKABLE QStringList framesAfter(QJSValue step);
    // Shows the window in a language: "pseudo", one whose catalogue the
    // build put in the IDE's translations folder, or the texts as written
    // for an empty language. False when there is no such catalogue.
    Q_INVOKABLE bool translateInto(const QString &language);

public slots:
    void qmlEngineAvailable(QQmlEngine *engine);

signals:
    void dialogAnswered();

private:
    QTemporaryDir m_home;
    QQmlEngine *m_engine = nullptr;
    QTranslator m_translator;
    ManagerFixture m_fixture;
    Utils::Theme m_theme;
    const QString m_language;
    Host::ModalAnswerer m_answerer;
    EmulationManagement::Internal::GPSEmulationManager m_gpsManager;
    EmulationManagement::Internal::SensorsEmulationManager m_sensorsManager;
    EmulationManagement::Internal::Smartphone3DModelConfig m_modelConfig;
    // Before the manager, whose device monitor then finds the virtual cameras.
    CameraTestRig m_cameraRig;
    CameraEmulationManager m_cameraManager;
    CtlRunner m_ctl;
    EmulationManagement::Internal::ScenarioRecorder m_recorder{*m_fixture.invoker(), m_cameraManager};
};
