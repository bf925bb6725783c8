#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>

namespace EmulationManagement::Emulator {

// A dbus-daemon of the program's own, playing the emulator's system bus. It
// listens on an abstract socket, so nothing is left on disk, and ends with
// the program, also when the program is killed.
class PrivateBus : public QObject
{
    Q_OBJECT

public:
    explicit PrivateBus(QObject *parent = nullptr);
    ~PrivateBus() override;

    bool start(QString *error);
    // Disconnects every connection and ends the daemon.
    void stop();

    QString address() const { return m_address; }
    qint64 daemonPid() const { return m_daemon.processId(); }

    // A new connection to the bus under its own name; check isConnected().
    QDBusConnection openConnection(const QString &name);

    static QString configuration(const QString &socketName);

signals:
    // The daemon ended while the program still needed it.
    void lost(const QString &error);

private:
    bool readAddress(QString *error);

    QProcess m_daemon;
    QString m_address;
    QStringList m_connectionNames;
    bool m_stopping = false;
};

} // namespace EmulationManagement::Emulator
