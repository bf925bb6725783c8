#include "ideenvironment.h"

#include <coreplugin/actionmanager/command.h>
#include <extensionsystem/pluginmanager.h>
#include <ssh/sshconnection.h>
#include <vesk/emulator.h>
#include <vesk/virtualmachine.h>

#include <QAction>

IdeEnvironment::IdeEnvironment(const QString &resourcePath, const QString &themeName)
    : settings(dir.filePath(QStringLiteral("QtCreator.ini")), QSettings::IniFormat)
    , theme(themeName)
    , core(&window, &settings, Utils::FilePath::fromString(resourcePath))
{
    ExtensionSystem::PluginManager::setSettings(&settings);
    Utils::setCreatorTheme(&theme);
}

IdeEnvironment::~IdeEnvironment()
{
    Utils::setCreatorTheme(nullptr);
}

Vesk::Emulator *IdeEnvironment::addEmulator(const QString &name, const QString &deviceModel)
{
    auto emulator = new Vesk::Emulator(name, deviceModel);
    QSsh::SshConnectionParameters ssh;
    ssh.setHost(QStringLiteral("127.0.0.1"));
    ssh.setPort(2223);
    ssh.timeout = 30;
    emulator->virtualMachine()->setSshParameters(ssh);
    sdk.addEmulator(emulator);
    return emulator;
}

bool IdeEnvironment::triggerMenuEntry()
{
    Core::Command *command
        = Core::ActionManager::command("EmulationManagement.ShowEmulationManagementView.Action");
    if (!command || !command->action())
        return false;
    command->action()->trigger();
    return true;
}
