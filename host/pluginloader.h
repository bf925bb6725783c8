#pragma once

#include <extensionsystem/iplugin.h>

#include <QElapsedTimer>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QPluginLoader>
#include <QPointer>

namespace Host {

// Loads one IDE plug-in the way the IDE does: metadata first, without running
// plug-in code, then the instance and its start-up phases, and at the end the
// shut-down. Each phase's duration is recorded.
class PluginLoader
{
public:
    static constexpr char pluginIid[] = "org.qt-project.Qt.QtCreatorPlugin";
    static constexpr char coreVersion[] = "16.0.0";

    explicit PluginLoader(const QString &fileName);
    ~PluginLoader();

    // Reads and checks the metadata; an empty result means the plug-in may load.
    QString readMetaData();
    QJsonObject metaData() const { return m_metaData; }
    QString name() const;

    QString load();
    void initialize(const QStringList &arguments);
    void extensionsInitialized();
    void delayedInitialize();
    void shutdown();

    ExtensionSystem::IPlugin *plugin() const { return m_plugin; }
    QList<QPair<QString, qint64>> phaseTimes() const { return m_phaseTimes; }

    // Empty when every dependency is satisfied by the host's "core"; otherwise why not.
    static QString checkDependencies(const QJsonObject &metaData);
    // Negative, zero or positive as in strcmp; "16.0.0" style versions, "_" for patch levels.
    static int compareVersions(const QString &a, const QString &b);

private:
    template<typename Function>
    void timed(const QString &phase, Function &&function);

    QPluginLoader m_loader;
    QJsonObject m_metaData;
    QPointer<ExtensionSystem::IPlugin> m_plugin;
    QList<QPair<QString, qint64>> m_phaseTimes;
};

} // namespace Host
