#pragma once

#include <QObject>
#include <QStringList>

namespace ExtensionSystem {

// Base of every plug-in the IDE loads.
class IPlugin : public QObject
{
    Q_OBJECT

public:
    enum ShutdownFlag { SynchronousShutdown, AsynchronousShutdown };

    IPlugin();
    ~IPlugin() override;

    virtual bool initialize(const QStringList &arguments, QString *errorString);
    virtual void extensionsInitialized() {}
    virtual bool delayedInitialize() { return false; }
    virtual ShutdownFlag aboutToShutdown() { return SynchronousShutdown; }
    virtual QObject *remoteCommand(const QStringList &options,
                                   const QString &workingDirectory,
                                   const QStringList &arguments);

signals:
    void asynchronousShutdownFinished();
};

} // namespace ExtensionSystem
