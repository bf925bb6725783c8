#include "sshconnection.h"

namespace QSsh {

static QString s_sshFilePath = QStringLiteral("ssh");

QString SshSettings::sshFilePath()
{
    return s_sshFilePath;
}

void SshSettings::setSshFilePath(const QString &path)
{
    s_sshFilePath = path.isEmpty() ? QStringLiteral("ssh") : path;
}

} // namespace QSsh
