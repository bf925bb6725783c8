#pragma once

#include <QString>
#include <QUrl>

namespace QSsh {

// Where and as whom to log in over SSH.
class SshConnectionParameters
{
public:
    enum AuthenticationType { AuthenticationTypeAll, AuthenticationTypeSpecificKey };

    QString host() const { return url.host(); }
    quint16 port() const { return quint16(url.port(22)); }
    QString userName() const { return url.userName(); }
    void setHost(const QString &host) { url.setHost(host); }
    void setPort(int port) { url.setPort(port); }
    void setUserName(const QString &name) { url.setUserName(name); }

    QUrl url;
    QString privateKeyFile;
    // Seconds allowed for connecting; a whole run may take twice as long.
    int timeout = 10;
    AuthenticationType authenticationType = AuthenticationTypeAll;
};

// The IDE's SSH preferences: which client program runs remote commands.
class SshSettings
{
public:
    static QString sshFilePath();
    static void setSshFilePath(const QString &path);
};

} // namespace QSsh
