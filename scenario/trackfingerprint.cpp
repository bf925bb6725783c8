#include "trackfingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

namespace EmulationManagement::Internal {

TrackFingerprint TrackFingerprint::ofFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return {file.size(), hash.result().toHex()};
}

TrackFingerprint TrackFingerprint::fromText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(0|[1-9][0-9]{0,17}):([0-9a-f]{64})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toLongLong(), match.captured(2).toLatin1()};
}

QString TrackFingerprint::text() const
{
    return QStringLiteral("%1:%2").arg(size).arg(QString::fromLatin1(sha256));
}

} // namespace EmulationManagement::Internal
