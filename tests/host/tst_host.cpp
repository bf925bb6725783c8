#include "ideenvironment.h"
#include "pluginloader.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <ssh/sshconnection.h>

#include <QAction>
#include <QGuiApplication>
#include <QJsonArray>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char sdkMenuId[] = "Qel.Tools.Menu";
const QString actionText = QStringLiteral("Emulation Management\u2026");

QQuickView *emulationManagementView()
{
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (auto view = qobject_cast<QQuickView *>(window))
            return view;
    }
    return nullptr;
}

QList<QMenu *> toolsSubMenusWithEntry()
{
    QList<QMenu *> result;
    QMenu *tools = Core::ActionManager::actionContainer(Core::Constants::M_TOOLS)->menu();
    for (QAction *action : tools->actions()) {
        QMenu *subMenu = action->menu();
        if (!subMenu)
            continue;
        for (QAction *entry : subMenu->actions()) {
            if (entry->text() == actionText)
                result.append(subMenu);
        }
    }
    return result;
}

QAction *entryAction()
{
    const QList<QMenu *> menus = toolsSubMenusWithEntry();
    if (menus.isEmpty())
        return nullptr;
    for (QAction *entry : menus.first()->actions()) {
        if (entry->text() == actionText)
            return entry;
    }
    return nullptr;
}

void startPlugin(Host::PluginLoader &loader)
{
    QCOMPARE(loader.readMetaData(), QString());
    QCOMPARE(loader.load(), QString());
    loader.initialize({});
    loader.extensionsInitialized();
}

// An environment whose SDK gets a running emulator, so that the menu entry
// opens the window once the packages check has passed.
struct Ide : IdeEnvironment
{
    Ide()
        : IdeEnvironment(QStringLiteral(TEST_RESOURCE_DIR), QStringLiteral("dark"))
    {
        QSsh::SshSettings::setSshFilePath(QStringLiteral(FAKE_SSH));
    }
    void addRunningEmulator()
    {
        addEmulator(QStringLiteral("Strova OS Emulator"), QStringLiteral("Strova Phone 5"), true);
    }
};

bool openWindow()
{
    entryAction()->trigger();
    return QTest::qWaitFor([] { return emulationManagementView()->isVisible(); }, 10000);
}

} // namespace

class HostTest : public QObject
{
    Q_OBJECT

private slots:
    void versionsCompare();
    void dependenciesAreChecked();
    void metaDataIsReadWithoutLoading();
    void windowStartsHiddenAndMenuHoldsTheEntry();
    void sharedSubMenuCreatedByAnotherPlugin();
    void triggeringShowsTheSameInstance();
    void shutdownClosesTheWindow();
    void overrideLanguageLoadsThatCatalogue();
    void missingCatalogueOnlyWritesTheDebugLine();
    void hostRefusesAPluginForAnotherCore();
};

void HostTest::versionsCompare()
{
    // clang-format off
    const std::tuple<const char *, const char *, int> rows[] = {
        {"16.0.0", "16.0.0", 0},
        {"16", "16.0.0", 0}, // missing parts are zero
        {"15.0.2", "16.0.0", -1},
        {"16.1.0", "16.0.9", 1},
        {"16.10.0", "16.9.0", 1}, // numeric, not text
        {"16.0.0_1", "16.0.0", 1}, // patch level
    };
    // clang-format on
    for (const auto &[a, b, expected] : rows)
        QCOMPARE(Host::PluginLoader::compareVersions(a, b), expected);
}

void HostTest::dependenciesAreChecked()
{
    auto metaData = [](const QString &id, const QString &version) {
        return QJsonObject{
            {"Name", "P"},
            {"Dependencies", QJsonArray{QJsonObject{{"Id", id}, {"Version", version}}}}};
    };
    QCOMPARE(Host::PluginLoader::checkDependencies(metaData("core", "16.0.0")), QString());
    QCOMPARE(Host::PluginLoader::checkDependencies(QJsonObject{{"Name", "P"}}), QString());
    QCOMPARE(Host::PluginLoader::checkDependencies(metaData("core", "15.0.0")),
             QStringLiteral("Plug-in \"P\" needs \"core\" version 15.0.0, but the host provides "
                            "version 16.0.0."));
    QCOMPARE(Host::PluginLoader::checkDependencies(metaData("core", "16.1.0")).isEmpty(), false);
    QCOMPARE(Host::PluginLoader::checkDependencies(metaData("projectexplorer", "16.0.0")),
             QStringLiteral("Plug-in \"P\" needs \"projectexplorer\", which is not available."));
}

void HostTest::metaDataIsReadWithoutLoading()
{
    QPluginLoader raw(QStringLiteral(EM_PLUGIN_FILE));
    const QJsonObject all = raw.metaData();
    QVERIFY(!raw.isLoaded());
    QCOMPARE(all.value("IID").toString(), QStringLiteral("org.qt-project.Qt.QtCreatorPlugin"));
    QCOMPARE(all.value("className").toString(), QStringLiteral("EmulationManagementPlugin"));

    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    QCOMPARE(loader.readMetaData(), QString());
    QVERIFY(!loader.plugin());
    const QJsonObject metaData = loader.metaData();
    QCOMPARE(metaData.value("Version").toString(), QStringLiteral("16.0.0"));
    QCOMPARE(metaData.value("CompatVersion").toString(), QStringLiteral("16.0.0"));
    QCOMPARE(metaData.value("Dependencies").toArray(),
             (QJsonArray{QJsonObject{{"Id", "core"}, {"Version", "16.0.0"}}}));
}

void HostTest::windowStartsHiddenAndMenuHoldsTheEntry()
{
    Ide ide;
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);

    QQuickView *view = emulationManagementView();
    QVERIFY(view);
    QVERIFY(!view->isVisible());
    QCOMPARE(view->title(), QStringLiteral("Emulation Management"));
    QVERIFY(view->rootObject());
    QCOMPARE(view->rootObject()->property("color").value<QColor>(),
             ide.theme.color(Utils::Theme::BackgroundColorNormal));
    QCOMPARE(qgetenv("QML_XHR_ALLOW_FILE_READ"), QByteArray("1"));

    const QList<QMenu *> menus = toolsSubMenusWithEntry();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first(), Core::ActionManager::actionContainer(sdkMenuId)->menu());
}

void HostTest::sharedSubMenuCreatedByAnotherPlugin()
{
    Ide ide;
    Core::ActionContainer *shared = Core::ActionManager::createMenu(sdkMenuId);
    shared->menu()->setTitle(QStringLiteral("Strova OS"));
    auto other = new QAction(QStringLiteral("Other SDK tool"), &ide.window);
    shared->addAction(Core::ActionManager::registerAction(other, "Other.Tool"));
    Core::ActionManager::actionContainer(Core::Constants::M_TOOLS)->addMenu(shared);

    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);

    QCOMPARE(Core::ActionManager::actionContainer(sdkMenuId), shared);
    QCOMPARE(toolsSubMenusWithEntry(), QList<QMenu *>{shared->menu()});
    QCOMPARE(shared->menu()->title(), QStringLiteral("Strova OS"));
    QCOMPARE(shared->menu()->actions().size(), 2);
    QMenu *tools = Core::ActionManager::actionContainer(Core::Constants::M_TOOLS)->menu();
    QCOMPARE(tools->actions().count(shared->menu()->menuAction()), 1);
}

void HostTest::triggeringShowsTheSameInstance()
{
    Ide ide;
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    ide.addRunningEmulator();
    QQuickView *view = emulationManagementView();
    QQuickItem *root = view->rootObject();
    root->setProperty("objectName", QStringLiteral("state kept"));

    QVERIFY(openWindow());
    view->close();
    QVERIFY(!view->isVisible());
    QVERIFY(openWindow());
    QVERIFY(ide.answerer.boxes.isEmpty());
    QCOMPARE(emulationManagementView(), view);
    QCOMPARE(view->rootObject(), root);
    QCOMPARE(root->objectName(), QStringLiteral("state kept"));
}

void HostTest::shutdownClosesTheWindow()
{
    Ide ide;
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    ide.addRunningEmulator();
    QVERIFY(openWindow());
    QCOMPARE(loader.plugin()->aboutToShutdown(), ExtensionSystem::IPlugin::SynchronousShutdown);
    QVERIFY(!emulationManagementView()->isVisible());
    loader.shutdown();
    QVERIFY(!emulationManagementView());
    QVERIFY(!entryAction());
}

void HostTest::overrideLanguageLoadsThatCatalogue()
{
    Ide ide;
    ide.settings.setValue("General/OverrideLanguage", QStringLiteral("de_DE"));
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    QCOMPARE(emulationManagementView()->title(), QStringLiteral("Emulationsverwaltung"));
    QMenu *sdkMenu = Core::ActionManager::actionContainer(sdkMenuId)->menu();
    QCOMPARE(sdkMenu->actions().first()->text(), QStringLiteral("Emulationsverwaltung\u2026"));
}

void HostTest::missingCatalogueOnlyWritesTheDebugLine()
{
    Ide ide;
    ide.settings.setValue("General/OverrideLanguage", QStringLiteral("fr_FR"));
    const QString directory = QStringLiteral(TEST_RESOURCE_DIR "/translations");
    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(QStringLiteral("Failed to load translator: \"%1\" EmulationManagement")
                       .arg(directory)));
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    QCOMPARE(emulationManagementView()->title(), QStringLiteral("Emulation Management"));
    QVERIFY(entryAction());
}

void HostTest::hostRefusesAPluginForAnotherCore()
{
    QTemporaryDir settings;
    QProcess host;
    host.start(QStringLiteral(HOST_EXECUTABLE),
               {"-settingspath",
                settings.path(),
                "-pluginpath",
                BAD_PLUGIN_DIR,
                "-profile",
                "-exit-after",
                "200"});
    QVERIFY(host.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(host.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(host.readAllStandardError());
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), 0);
    QVERIFY2(
        err.contains("Plug-in \"BadCore\" needs \"core\" version 15.0.0, but the host provides "
                     "version 16.0.0."),
        qPrintable(err));
    QVERIFY2(!err.contains("BadCorePlugin constructed"), qPrintable(err));
    // The good plug-in beside it still loads, and the profile names its phases.
    for (const char *phase : {"load", "initialize", "extensionsInitialized", "delayedInitialize"}) {
        const QRegularExpression line(
            QStringLiteral("^EmulationManagement %1 \\d+\\.\\d{3} ms$").arg(QLatin1String(phase)),
            QRegularExpression::MultilineOption);
        QVERIFY2(line.match(out).hasMatch(), qPrintable(out));
    }
}

QTEST_MAIN(HostTest)

#include "tst_host.moc"
