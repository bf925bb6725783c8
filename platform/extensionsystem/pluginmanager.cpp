#include "pluginmanager.h"

namespace ExtensionSystem {

static Utils::QtcSettings *s_settings = nullptr;

Utils::QtcSettings *PluginManager::settings()
{
    return s_settings;
}

void PluginManager::setSettings(Utils::QtcSettings *settings)
{
    s_settings = settings;
}

} // namespace ExtensionSystem
