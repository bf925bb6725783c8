#include "qmltestenvironment.h"

#include "plugin/qmlregistration.h"

#include "transport/remotedbusinvokerservice.h"
#include "ui/translationcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>

using namespace EmulationManagement::Internal;

QmlTestEnvironment::QmlTestEnvironment()
    : m_theme(qEnvironmentVariable("EM_THEME", QStringLiteral("light")))
    , m_language(qEnvironmentVariable("EM_LANGUAGE"))
{
    Utils::setCreatorTheme(&m_theme);
    if (!m_language.isEmpty()) {
        QLocale::setDefault(QLocale(m_language));
        if (!TranslationCatalogue::install(QLocale(m_language), TRANSLATIONS_DIR, this))
            qFatal("No catalogue for \"%s\" in %s", qPrintable(m_language), TRANSLATIONS_DIR);
    }
    connect(&m_answerer, &Host::ModalAnswerer::answered, this, &QmlTestEnvironment::dialogAnswered);
    m_gpsManager.setRdbusinvoker(m_fixture.invoker());
    m_sensorsManager.setRdbusinvoker(m_fixture.invoker());
    m_sensorsManager.setAllSensorsAvailable();
    m_fixture.server().answering = true;
    if (qEnvironmentVariableIsSet("EM_SCREENSHOT_DIR"))
        qputenv("HOME", QFile::encodeName(m_home.path()));
}

QmlTestEnvironment::~QmlTestEnvironment()
{
    Utils::setCreatorTheme(nullptr);
}

QStringList QmlTestEnvironment::dialogTexts() const
{
    QStringList texts;
    for (const Host::ModalAnswerer::Box &box : m_answerer.boxes)
        texts.append(box.text);
    return texts;
}

void QmlTestEnvironment::answerDialogsWith(int button, bool checkBoxChecked)
{
    m_answerer.setButton(QMessageBox::StandardButton(button));
    m_answerer.setCheckBoxChecked(checkBoxChecked);
}

bool QmlTestEnvironment::saveScreenshot(const QString &name) const
{
    const QString directory = qEnvironmentVariable("EM_SCREENSHOT_DIR");
    // The test's window, focused or not: a new window under Xvfb may have
    // no focus yet.
    QQuickWindow *window = nullptr;
    for (QWindow *candidate : QGuiApplication::topLevelWindows()) {
        if (auto quickWindow = qobject_cast<QQuickWindow *>(candidate); quickWindow && quickWindow->isVisible())
            window = quickWindow;
    }
    if (directory.isEmpty() || !window)
        return false;
    const QString language = m_language.isEmpty() ? QString() : "-" + m_language;
    const QString file = QStringLiteral("%1-%2%3.png").arg(name, m_theme.name(), language);
    return window->grabWindow().save(QDir(directory).filePath(file));
}

QUrl QmlTestEnvironment::userTrack(const QUrl &file) const
{
    if (!qEnvironmentVariableIsSet("EM_SCREENSHOT_DIR"))
        return file;
    const QDir tracks(m_home.filePath(QStringLiteral("tracks")));
    tracks.mkpath(QStringLiteral("."));
    const QString copy = tracks.filePath(file.fileName());
    QFile::remove(copy);
    QFile::copy(file.toLocalFile(), copy);
    return QUrl::fromLocalFile(copy);
}

void QmlTestEnvironment::setSensorAvailability(const QString &sensorName, bool available)
{
    m_sensorsManager.setSensorAvailability(sensorName, available);
}

void QmlTestEnvironment::selectDeviceModel(const QString &deviceModel)
{
    m_modelConfig.selectModelConfig(deviceModel);
}

QStringList QmlTestEnvironment::framesAfter(QJSValue step)
{
    return m_fixture.framesAfter([&step] { step.call(); });
}

bool QmlTestEnvironment::translateInto(const QString &language)
{
    QCoreApplication::removeTranslator(&m_translator);
    const QString directory = QLatin1String(language == u"pseudo" ? PSEUDO_CATALOGUE_DIR
                                                                   : TRANSLATIONS_DIR);
    namespace Catalogue = EmulationManagement::Internal::TranslationCatalogue;
    const QString catalogue = QLatin1String(Catalogue::name) + QLatin1String(Catalogue::prefix)
                              + language;
    const bool translated = language.isEmpty()
                            || (m_translator.load(catalogue, directory)
                                && QCoreApplication::installTranslator(&m_translator));
    m_engine->retranslate();
    return translated;
}

void QmlTestEnvironment::qmlEngineAvailable(QQmlEngine *engine)
{
    m_engine = engine;
    registerQmlTypes();
    QQmlContext *context = engine->rootContext();
    setThemeContextProperties(context);
    context->setContextProperty(QStringLiteral("testEnvironment"), this);
    context->setContextProperty(QStringLiteral("wire"), &m_fixture.server());
    context->setContextProperty(QStringLiteral("remoteDBusInvokerService"), m_fixture.invoker());
    context->setContextProperty(QStringLiteral("gpsEmulationManager"), &m_gpsManager);
    context->setContextProperty(QStringLiteral("sensorsEmulationManager"), &m_sensorsManager);
    context->setContextProperty(QStringLiteral("smartphone3DModelConfig"), &m_modelConfig);
    context->setContextProperty(QStringLiteral("cameraEmulationManager"), &m_cameraManager);
    context->setContextProperty(QStringLiteral("scenarioRecorder"), &m_recorder);
    context->setContextProperty(QStringLiteral("cameraRig"), &m_cameraRig);
    context->setContextProperty(QStringLiteral("emulationCtl"), &m_ctl);
    m_fixture.invoker()->connectToEmulator();
}
