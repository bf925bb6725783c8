#pragma once

#include "transport/remotedbusinvokerservice.h"

#include <extensionsystem/iplugin.h>

#include <QQuickView>

namespace EmulationManagement::Internal {

class EmulationManagementPlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QtCreatorPlugin" FILE "EmulationManagement.json")

public:
    EmulationManagementPlugin();
    ~EmulationManagementPlugin() override;

    bool initialize(const QStringList &arguments, QString *errorString) override;
    ShutdownFlag aboutToShutdown() override;

    QQuickView *view() { return &m_view; }
    RemoteDBusInvokerService *invoker() { return &m_invoker; }

signals:
    void emulationManagementViewShowed();

private:
    void installTranslator();
    void setThemeContextProperties();
    void createView();
    void createMenuAction();
    void showEmulationManagementView();

    RemoteDBusInvokerService m_invoker;
    QQuickView m_view;
};

} // namespace EmulationManagement::Internal
