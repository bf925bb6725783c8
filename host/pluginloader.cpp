#include "pluginloader.h"

#include <extensionsystem/iplugin.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTimer>

namespace Host {

PluginLoader::PluginLoader(const QString &fileName)
    : m_loader(fileName)
{}

PluginLoader::~PluginLoader()
{
    shutdown();
}

QString PluginLoader::name() const
{
    return m_metaData.value(QLatin1String("Name")).toString();
}

QString PluginLoader::readMetaData()
{
    const QJsonObject raw = m_loader.metaData();
    if (raw.isEmpty())
        return QCoreApplication::translate("Host", "\"%1\" is not a plug-in: %2")
            .arg(m_loader.fileName(), m_loader.errorString());
    if (raw.value(QLatin1String("IID")).toString() != QLatin1String(pluginIid))
        return QCoreApplication::translate("Host", "\"%1\" is not an IDE plug-in.")
            .arg(m_loader.fileName());
    m_metaData = raw.value(QLatin1String("MetaData")).toObject();
    return checkDependencies(m_metaData);
}

QString PluginLoader::load()
{
    QObject *instance = nullptr;
    timed(QStringLiteral("load"), [&] { instance = m_loader.instance(); });
    m_plugin = qobject_cast<ExtensionSystem::IPlugin *>(instance);
    if (!m_plugin)
        return QCoreApplication::translate("Host", "Cannot load \"%1\": %2")
            .arg(m_loader.fileName(), m_loader.errorString());
    return {};
}

void PluginLoader::initialize(const QStringList &arguments)
{
    timed(QStringLiteral("initialize"), [&] {
        QString error;
        m_plugin->initialize(arguments, &error);
    });
}

void PluginLoader::extensionsInitialized()
{
    timed(QStringLiteral("extensionsInitialized"), [&] { m_plugin->extensionsInitialized(); });
}

void PluginLoader::delayedInitialize()
{
    timed(QStringLiteral("delayedInitialize"), [&] { m_plugin->delayedInitialize(); });
}

void PluginLoader::shutdown()
{
    if (!m_plugin)
        return;
    timed(QStringLiteral("aboutToShutdown"), [&] {
        if (m_plugin->aboutToShutdown() == ExtensionSystem::IPlugin::AsynchronousShutdown) {
            QEventLoop loop;
            QObject::connect(m_plugin,
                             &ExtensionSystem::IPlugin::asynchronousShutdownFinished,
                             &loop,
                             &QEventLoop::quit);
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
        }
    });
    timed(QStringLiteral("destroy"), [&] { delete m_plugin; });
}

QString PluginLoader::checkDependencies(const QJsonObject &metaData)
{
    const QJsonArray dependencies = metaData.value(QLatin1String("Dependencies")).toArray();
    for (const QJsonValue &value : dependencies) {
        const QJsonObject dependency = value.toObject();
        const QString id = dependency.value(QLatin1String("Id")).toString();
        const QString version = dependency.value(QLatin1String("Version")).toString();
        if (dependency.value(QLatin1String("Type")).toString() == QLatin1String("optional"))
            continue;
        if (id != QLatin1String("core"))
            return QCoreApplication::translate(
                       "Host", "Plug-in \"%1\" needs \"%2\", which is not available.")
                .arg(metaData.value(QLatin1String("Name")).toString(), id);
        // The host's core is compatible only with its own version.
        if (compareVersions(version, QLatin1String(coreVersion)) != 0)
            return QCoreApplication::translate("Host",
                                               "Plug-in \"%1\" needs \"core\" version %2, but the "
                                               "host provides version %3.")
                .arg(metaData.value(QLatin1String("Name")).toString(),
                     version,
                     QLatin1String(coreVersion));
    }
    return {};
}

int PluginLoader::compareVersions(const QString &a, const QString &b)
{
    static const QRegularExpression separator(QStringLiteral("[._]"));
    const QStringList partsA = a.split(separator);
    const QStringList partsB = b.split(separator);
    for (int i = 0; i < qMax(partsA.size(), partsB.size()); ++i) {
        const int numberA = i < partsA.size() ? partsA.at(i).toInt() : 0;
        const int numberB = i < partsB.size() ? partsB.at(i).toInt() : 0;
        if (numberA != numberB)
            return numberA < numberB ? -1 : 1;
    }
    return 0;
}

template<typename Function>
void PluginLoader::timed(const QString &phase, Function &&function)
{
    QElapsedTimer timer;
    timer.start();
    function();
    m_phaseTimes.append({phase, timer.nsecsElapsed() / 1000});
}

} // namespace Host
