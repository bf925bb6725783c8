#include <extensionsystem/iplugin.h>

#include <cstdio>

// A plug-in built for another IDE version: the host must refuse it before
// running any of its code.
class BadCorePlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QtCreatorPlugin" FILE "badcoreplugin.json")

public:
    BadCorePlugin() { std::fputs("BadCorePlugin constructed\n", stderr); }
};

#include "badcoreplugin.moc"
