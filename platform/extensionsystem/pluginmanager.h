#pragma once

#include <QObject>

namespace Utils {
class QtcSettings;
}

namespace ExtensionSystem {

// The part of the IDE's plug-in manager that plug-ins call. The host sets
// the settings object before it loads any plug-in.
class PluginManager : public QObject
{
    Q_OBJECT

public:
    static Utils::QtcSettings *settings();
    static void setSettings(Utils::QtcSettings *settings);
};

} // namespace ExtensionSystem
