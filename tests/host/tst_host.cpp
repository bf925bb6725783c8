#include "ideenvironment.h"
#include "pluginloader.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
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

void startPlugin(Host::PluginLoader &loader)
{
    QCOMPARE(loader.readMetaData(), QString());
    QCOMPARE(loader.load(), QString());
    loader.initialize({});
    loader.extensionsInitialized();
}

} // namespace

class HostTest : public QObject
{
    Q_OBJECT

private slots:
    void windowStartsHiddenAndMenuHoldsTheEntry();
    void sharedSubMenuCreatedByAnotherPlugin();
    void shutdownClosesTheWindow();
    void overrideLanguageLoadsThatCatalogue();
    void languageOptionHoldsForOneRun_data();
    void languageOptionHoldsForOneRun();
    void hostRefusesAPluginForAnotherCore();
};

void HostTest::windowStartsHiddenAndMenuHoldsTheEntry()
{
    IdeEnvironment ide(QStringLiteral(TEST_RESOURCE_DIR), QStringLiteral("dark"));
    ide.settings.setValue("General/OverrideLanguage", QStringLiteral("fr_FR"));
    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(QStringLiteral("Failed to load translator: \"%1\" "
                                                   "EmulationManagement")
                                        .arg(TEST_RESOURCE_DIR "/translations")));
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

void HostTest::shutdownClosesTheWindow()
{
    IdeEnvironment ide;
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    QQuickView *view = emulationManagementView();
    view->show();
    QCOMPARE(loader.plugin()->aboutToShutdown(), ExtensionSystem::IPlugin::SynchronousShutdown);
    QVERIFY(!view->isVisible());
    loader.shutdown();
    QVERIFY(!emulationManagementView());
    QVERIFY(toolsSubMenusWithEntry().isEmpty());
}

void HostTest::overrideLanguageLoadsThatCatalogue()
{
    IdeEnvironment ide(QStringLiteral(TEST_RESOURCE_DIR));
    ide.settings.setValue("General/OverrideLanguage", QStringLiteral("de_DE"));
    Host::PluginLoader loader(QStringLiteral(EM_PLUGIN_FILE));
    startPlugin(loader);
    QCOMPARE(emulationManagementView()->title(), QStringLiteral("Emulationsverwaltung"));
    QMenu *sdkMenu = Core::ActionManager::actionContainer(sdkMenuId)->menu();
    QCOMPARE(sdkMenu->actions().first()->text(), QStringLiteral("Emulationsverwaltung\u2026"));
}

void HostTest::languageOptionHoldsForOneRun_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("loads");
    QTest::newRow("-language de") << "de" << "" << true;
    QTest::newRow("-language fr: no catalogue") << "fr" << "" << false;
    QTest::newRow("-language fr over the setting de_DE") << "fr" << "de_DE" << false;
    QTest::newRow("no option: the setting de_DE") << "" << "de_DE" << true;
}

// The option sets the IDE's language setting for that run, and the setting
// as it was comes back afterwards.
void HostTest::languageOptionHoldsForOneRun()
{
    QFETCH(QString, option);
    QFETCH(QString, setting);
    QFETCH(bool, loads);
    QTemporaryDir settings;
    const QString file = settings.filePath("QtProject/QtCreator.ini");
    if (!setting.isEmpty())
        QSettings(file, QSettings::IniFormat).setValue("General/OverrideLanguage", setting);
    QStringList arguments{"-no-emulator", "-exit-after", "0", "-settingspath", settings.path()};
    arguments << "-resourcepath" << TEST_RESOURCE_DIR;
    if (!option.isEmpty())
        arguments << "-language" << option;
    QProcess host;
    host.start(QStringLiteral(HOST_EXECUTABLE), arguments);
    QVERIFY(host.waitForFinished(30000));
    QCOMPARE(host.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(host.readAllStandardError());
    QCOMPARE(!err.contains("Failed to load translator"), loads);
    const QVariant stored = QSettings(file, QSettings::IniFormat).value("General/OverrideLanguage");
    QCOMPARE(stored.toString(), setting);
}

void HostTest::hostRefusesAPluginForAnotherCore()
{
    QTemporaryDir settings;
    QProcess host;
    host.start(QStringLiteral(HOST_EXECUTABLE),
               QStringLiteral("-pluginpath|" BAD_PLUGIN_DIR "|-profile|-exit-after|200").split('|')
                   << "-settingspath" << settings.path());
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
    // The good plug-in beside it still loads.
    QVERIFY2(out.contains("EmulationManagement extensionsInitialized "), qPrintable(out));
}

QTEST_MAIN(HostTest)

#include "tst_host.moc"
