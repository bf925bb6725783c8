#pragma once

#include "remotedbusinvokerservice.h"

#include <QObject>
#include <QStringList>

namespace EmulationManagement::Internal {

// Base of the managers that drive one emulator-side D-Bus service through the
// shared invoker. Every reply frame reaches every bound manager.
class EmulationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(RemoteDBusInvokerService *rdbusinvoker READ rdbusinvoker WRITE setRdbusinvoker NOTIFY
                   rdbusinvokerChanged)

public:
    explicit EmulationManager(QObject *parent = nullptr);

    RemoteDBusInvokerService *rdbusinvoker() const { return m_rdbusinvoker; }
    void setRdbusinvoker(RemoteDBusInvokerService *invoker);

    virtual QString bus() const = 0;
    virtual QString serviceName() const = 0;
    virtual QString objectPath() const = 0;
    virtual QString interfaceName() const = 0;

    void callMethod(const QString &method, const QString &arguments);
    void handleReply(const QString &reply);

signals:
    void rdbusinvokerChanged();
    void emulatorConnected();
    void replyFromEmulatorReceived(QString reply);

protected:
    // Called with the five fields of every successful reply, whichever
    // manager's call caused it.
    virtual void processReply(const QStringList &fields) = 0;

private:
    RemoteDBusInvokerService *m_rdbusinvoker = nullptr;
};

} // namespace EmulationManagement::Internal
