#include "hostwindow.h"
#include "modalanswerer.h"
#include "pluginloader.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>
#include <vesk/emulator.h>
#include <vesk/sdk.h>
#include <vesk/virtualmachine.h>

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

// What the IDE provides before it loads plug-ins, with an SDK whose one
// emulator runs and has its forwardings, so that the menu entry opens the
// window once the packages check has passed.
struct IdeEnvironment
{
    IdeEnvironment()
    {
        ExtensionSystem::PluginManager::setSettings(&settings);
        Utils::setCreatorTheme(&theme);
        QSsh::SshSettings::setSshFilePath(QStringLiteral(FAKE_SSH));
    }
    ~IdeEnvironment() { Utils::setCreatorTheme(nullptr); }

    // After the plug-in's extensionsInitialized, as the SDK announces its emulators.
    void addRunningEmulator()
    {
        auto emulator = new Vesk::Emulator(QStringLiteral("Strova OS Emulator"),
                                           QStringLiteral("Strova Phone 5"));
        Vesk::VirtualMachine *machine = emulator->virtualMachine();
        machine->setPortForwardings({{"emulationmanagementtcp", "tcp", 5454, 1234},
                                     {"emulationmanagementudp", "udp", 34343, 34343}});
        machine->setState(Vesk::VirtualMachine::Connected);
        sdk.addEmulator(emulator);
    }

    QTemporaryDir dir;
    Utils::QtcSettings settings{dir.filePath(QStringLiteral("QtCreator.ini")),
                                QSettings::IniFormat};
    Utils::Theme theme{QStringLiteral("dark")};
    Core::ActionManager actionManager;
    Host::HostWindow window;
    Core::ICore core{&window, &settings, Utils::FilePath::fromString(TEST_RESOURCE_DIR)};
    Vesk::Sdk sdk;
    Host::ModalAnswerer answerer; // a message box must fail a test, not hang it
};

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
    void versionsCompare_data();
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

void HostTest::versionsCompare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("equal") << "16.0.0"
                           << "16.0.0" << 0;
    QTest::newRow("missing parts are zero") << "16"
                                            << "16.0.0" << 0;
    QTest::newRow("older") << "15.0.2"
                           << "16.0.0" << -1;
    QTest::newRow("newer minor") << "16.1.0"
                                 << "16.0.9" << 1;
    QTest::newRow("numeric, not text") << "16.10.0"
                                       << "16.9.0" << 1;
    QTest::newRow("patch level") << "16.0.0_1"
                                 << "16.0.0" << 1;
}

void HostTest::versionsCompare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
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
    QCOMPARE(metaData.value("Name").toString(), QStringLiteral("EmulationManagement"));
    QCOMPARE(metaData.value("Id").toString(), QStringLiteral("emulationmanagement"));
    QCOMPARE(metaData.value("Version").toString(), QStringLiteral("16.0.0"));
    QCOMPARE(metaData.value("CompatVersion").toString(), QStringLiteral("16.0.0"));
    QCOMPARE(metaData.value("Description").toString(),
             QStringLiteral("Strova OS emulator management plugin"));
    QCOMPARE(metaData.value("License").toString(), QStringLiteral("Proprietary"));
    QCOMPARE(metaData.value("Dependencies").toArray(),
             (QJsonArray{QJsonObject{{"Id", "core"}, {"Version", "16.0.0"}}}));
}

void HostTest::windowStartsHiddenAndMenuHoldsTheEntry()
{
    IdeEnvironment ide;
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);

    QQuickView *view = emulationManagementView();
    QVERIFY(view);
    QVERIFY(!view->isVisible());
    QCOMPARE(view->title(), QStringLiteral("Emulation Management"));
    QCOMPARE(view->resizeMode(), QQuickView::SizeRootObjectToView);
    QVERIFY(view->rootObject());
    QCOMPARE(view->rootObject()->width(), 1100.0);
    QCOMPARE(view->rootObject()->height(), 600.0);
    QCOMPARE(view->rootObject()->property("color").value<QColor>(),
             ide.theme.color(Utils::Theme::BackgroundColorNormal));
    QCOMPARE(qgetenv("QML_XHR_ALLOW_FILE_READ"), QByteArray("1"));

    const QList<QMenu *> menus = toolsSubMenusWithEntry();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first(), Core::ActionManager::actionContainer(sdkMenuId)->menu());
}

void HostTest::sharedSubMenuCreatedByAnotherPlugin()
{
    IdeEnvironment ide;
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
    IdeEnvironment ide;
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
    IdeEnvironment ide;
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
    IdeEnvironment ide;
    ide.settings.setValue("General/OverrideLanguage", QStringLiteral("de_DE"));
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    QCOMPARE(emulationManagementView()->title(), QStringLiteral("Emulationsverwaltung"));
    QMenu *sdkMenu = Core::ActionManager::actionContainer(sdkMenuId)->menu();
    QCOMPARE(sdkMenu->actions().first()->text(), QStringLiteral("Emulationsverwaltung\u2026"));
}

void HostTest::missingCatalogueOnlyWritesTheDebugLine()
{
    IdeEnvironment ide;
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
