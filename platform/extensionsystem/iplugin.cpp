#include "iplugin.h"

namespace ExtensionSystem {

IPlugin::IPlugin() = default;

IPlugin::~IPlugin() = default;

bool IPlugin::initialize(const QStringList &arguments, QString *errorString)
{
    Q_UNUSED(arguments)
    Q_UNUSED(errorString)
    return true;
}

QObject *IPlugin::remoteCommand(const QStringList &options,
                                const QString &workingDirectory,
                                const QStringList &arguments)
{
    Q_UNUSED(options)
    Q_UNUSED(workingDirectory)
    Q_UNUSED(arguments)
    return nullptr;
}

} // namespace ExtensionSystem
