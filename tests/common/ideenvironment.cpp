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

Vesk::Emulator *IdeEnvironment::addEmulator(const QString &name,
                                            const QString &deviceModel,
                                            bool running)
{
    auto emulator = new Vesk::Emulator(name, deviceModel);
    Vesk::VirtualMachine *machine = emulator->virtualMachine();
    QSsh::SshConnectionParameters ssh;
    ssh.setHost(QStringLiteral("127.0.0.1"));
    ssh.setPort(2223);
    ssh.timeout = 2;
    machine->setSshParameters(ssh);
    if (running) {
        machine->setPortForwardings({{"emulationmanagementtcp", "tcp", 5454, 1234},
                                     {"emulationmanagementudp", "udp", 34343, 34343}});
        machine->setState(Vesk::VirtualMachine::Connected);
    }
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
