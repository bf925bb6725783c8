#include "hostoptions.h"
#include "hostwindow.h"
#include "modalanswerer.h"
#include "pluginloader.h"
#include "simulatedmachine.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/actionmanager/command.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>
#include <vesk/emulator.h>
#include <vesk/sdk.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Host;

static QStringList pluginFiles(const HostOptions &options)
{
    QStringList directories{QCoreApplication::applicationDirPath() + "/../lib/qtcreator/plugins"};
    directories += options.pluginPaths;
    QStringList files;
    for (const QString &directory : std::as_const(directories)) {
        const QDir dir(directory);
        for (const QString &name : dir.entryList({"*.so"}, QDir::Files, QDir::Name))
            files.append(dir.absoluteFilePath(name));
    }
    return files;
}

static std::vector<std::unique_ptr<PluginLoader>> loadPlugins(const HostOptions &options)
{
    std::vector<std::unique_ptr<PluginLoader>> loaders;
    for (const QString &file : pluginFiles(options)) {
        auto loader = std::make_unique<PluginLoader>(file);
        QString error = loader->readMetaData();
        if (error.isEmpty())
            error = loader->load();
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            continue;
        }
        loaders.push_back(std::move(loader));
    }
    for (const auto &loader : loaders)
        loader->initialize({});
    // As the IDE does: in reverse order, so dependents come first.
    for (auto it = loaders.rbegin(); it != loaders.rend(); ++it)
        (*it)->extensionsInitialized();
    return loaders;
}

static void triggerCommands(const QStringList &ids)
{
    for (const QString &id : ids) {
        Core::Command *command = Core::ActionManager::command(Utils::Id::fromString(id));
        if (command && command->action())
            command->action()->trigger();
        else
            std::fprintf(
                stderr,
                "%s\n",
                qPrintable(QCoreApplication::translate("Host", "No command \"%1\".").arg(id)));
    }
}

// What the SDK's own plug-ins bring: the shared Tools sub-menu, and one
// emulator whose machine this host simulates. The SDK announces its
// emulators once the plug-ins are up.
static std::unique_ptr<SimulatedMachine> setUpSdk(Vesk::Sdk &sdk,
                                                  Utils::QtcSettings &settings,
                                                  HostWindow &window)
{
    Core::ActionManager::createMenu("Qel.Tools.Menu")
        ->menu()
        ->setTitle(QCoreApplication::translate("Host", "Strova OS"));
    Core::ActionManager::actionContainer(Core::Constants::M_TOOLS)
        ->addMenu(Core::ActionManager::actionContainer("Qel.Tools.Menu"));

    auto emulator = new Vesk::Emulator(QStringLiteral("Strova OS Emulator"),
                                       QStringLiteral("Strova Phone 5"));
    const QString bin = QCoreApplication::applicationDirPath();
    auto machine = std::make_unique<SimulatedMachine>(
        emulator->virtualMachine(),
        &settings,
        SimulatedMachine::Paths{bin + "/strova-emulator",
                                bin + "/fake-ssh",
                                QFileInfo(settings.fileName()).absolutePath()
                                    + "/strova-emulator"});
    QObject::connect(machine.get(), &SimulatedMachine::event, &window, &HostWindow::log);
    QTimer::singleShot(0, &sdk, [&sdk, &window, emulator] {
        sdk.addEmulator(emulator);
        window.log(QCoreApplication::translate("Host", "SDK: emulator \"%1\" (%2), machine off")
                       .arg(emulator->name(), emulator->deviceModel().name));
    });
    return machine;
}

// The virtual camera, so that the camera page has a camera on any machine.
static void addVirtualCameraToPluginPath()
{
    const QString directory = QCoreApplication::applicationDirPath() + "/../lib/gstreamer-1.0";
    if (!QFileInfo::exists(directory))
        return;
    QByteArray path = QFile::encodeName(QDir::cleanPath(directory));
    if (!qEnvironmentVariableIsEmpty("GST_PLUGIN_PATH"))
        path += ':' + qgetenv("GST_PLUGIN_PATH");
    qputenv("GST_PLUGIN_PATH", path);
}

// The IDE's language setting as -language gives it, for this run only: the
// setting as it was comes back when the host quits.
class LanguageOverride
{
public:
    LanguageOverride(Utils::QtcSettings &settings, const QString &language)
        : m_settings(settings)
        , m_previous(settings.value(key))
        , m_overrides(!language.isEmpty())
    {
        if (m_overrides)
            settings.setValue(key, language);
    }
    ~LanguageOverride()
    {
        if (!m_overrides)
            return;
        if (m_previous.isValid())
            m_settings.setValue(key, m_previous);
        else
            m_settings.remove(key);
    }

private:
    static inline const Utils::Key key{"General/OverrideLanguage"};
    Utils::QtcSettings &m_settings;
    const QVariant m_previous;
    const bool m_overrides;
};

static void printProfile(const std::vector<std::unique_ptr<PluginLoader>> &loaders)
{
    for (const auto &loader : loaders) {
        for (const auto &[phase, microseconds] : loader->phaseTimes())
            std::printf("%s %s %.3f ms\n",
                        qPrintable(loader->name()),
                        qPrintable(phase),
                        microseconds / 1000.0);
    }
    std::fflush(stdout);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QtProject"));
    QCoreApplication::setApplicationName(QStringLiteral("QtCreator"));

    QString error;
    const HostOptions options = HostOptions::parse(QCoreApplication::arguments(), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return QCoreApplication::arguments().contains(QStringLiteral("-help")) ? 0 : 1;
    }

    if (!options.settingsPath.isEmpty())
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, options.settingsPath);
    Utils::QtcSettings settings(QSettings::IniFormat,
                                QSettings::UserScope,
                                QStringLiteral("QtProject"),
                                QStringLiteral("QtCreator"));
    ExtensionSystem::PluginManager::setSettings(&settings);
    const LanguageOverride language(settings, options.language);
    Utils::Theme theme(options.theme);
    Utils::setCreatorTheme(&theme);

    Core::ActionManager actionManager;
    HostWindow window;
    const QString resourcePath
        = options.resourcePath.isEmpty()
              ? QCoreApplication::applicationDirPath() + "/../share/qtcreator"
              : options.resourcePath;
    Core::ICore core(&window, &settings, Utils::FilePath::fromString(resourcePath));
    Vesk::Sdk sdk;
    std::unique_ptr<SimulatedMachine> machine;
    if (options.withEmulator) {
        machine = setUpSdk(sdk, settings, window);
        addVirtualCameraToPluginPath();
    }
    std::unique_ptr<ModalAnswerer> answerer;
    if (options.answerDialogs) {
        answerer = std::make_unique<ModalAnswerer>();
        QObject::connect(
            answerer.get(), &ModalAnswerer::answered, [&window](const ModalAnswerer::Box &box) {
                const QString line = QStringLiteral("message box: %1 | %2 | %3")
                                         .arg(box.title, box.text, box.informativeText);
                std::printf("%s\n", qPrintable(line));
                std::fflush(stdout);
                window.log(line);
            });
    }

    std::vector<std::unique_ptr<PluginLoader>> loaders = loadPlugins(options);
    window.show();

    QTimer::singleShot(0, &app, [&] {
        for (const auto &loader : loaders)
            loader->delayedInitialize();
        if (options.profile)
            printProfile(loaders);
        triggerCommands(options.triggers);
    });
    if (options.exitAfterMs >= 0)
        QTimer::singleShot(options.exitAfterMs, &app, &QCoreApplication::quit);

    const int result = app.exec();
    for (auto it = loaders.rbegin(); it != loaders.rend(); ++it)
        it->reset();
    return result;
}
