#include "emulationmanagementplugin.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/actionmanager/command.h>
#include <coreplugin/icontext.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <utils/filepath.h>
#include <utils/id.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QQmlContext>
#include <QTranslator>

namespace EmulationManagement::Internal {

const char showViewActionId[] = "EmulationManagement.ShowEmulationManagementView.Action";
const char sdkToolsMenuId[] = "Qel.Tools.Menu";
const char toolsMenuId[] = "QtCreator.Menu.Tools";

EmulationManagementPlugin::EmulationManagementPlugin() = default;

EmulationManagementPlugin::~EmulationManagementPlugin() = default;

bool EmulationManagementPlugin::initialize(const QStringList &arguments, QString *errorString)
{
    Q_UNUSED(arguments)
    Q_UNUSED(errorString)

    installTranslator();
    // The GPS page reads track files through XMLHttpRequest.
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    m_view.rootContext()->setContextProperty(QStringLiteral("remoteDBusInvokerService"),
                                             &m_invoker);
    m_view.rootContext()->setContextProperty(QStringLiteral("emulationManagementPlugin"), this);
    setThemeContextProperties();
    createView();
    createMenuAction();
    return true;
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

    auto translator = new QTranslator(this);
    if (translator->load(
            locale, QStringLiteral("EmulationManagement"), QStringLiteral("_"), directory))
        QCoreApplication::installTranslator(translator);
    else
        qDebug() << "Failed to load translator:" << directory << "EmulationManagement";
}

void EmulationManagementPlugin::setThemeContextProperties()
{
    const Utils::Theme *theme = Utils::creatorTheme();
    QQmlContext *context = m_view.rootContext();
    context->setContextProperty(QStringLiteral("themeBackgroundColorNormal"),
                                theme->color(Utils::Theme::BackgroundColorNormal));
    context->setContextProperty(QStringLiteral("themeHighlightColor"),
                                theme->color(Utils::Theme::HighlightColor));
    context->setContextProperty(QStringLiteral("themeSeparatorColor"),
                                theme->color(Utils::Theme::SeparatorColor));
    context->setContextProperty(QStringLiteral("darkUserInterface"),
                                theme->flag(Utils::Theme::DarkUserInterface));
}

void EmulationManagementPlugin::createView()
{
    m_view.setTitle(tr("Emulation Management"));
    m_view.setResizeMode(QQuickView::SizeRootObjectToView);
    m_view.setSource(
        QUrl(QStringLiteral("qrc:/emulationmanagement/qml/EmulationManagementView.qml")));
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

void EmulationManagementPlugin::showEmulationManagementView()
{
    m_view.show();
    m_view.raise();
}

} // namespace EmulationManagement::Internal
