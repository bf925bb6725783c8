#include "trackfingerprint.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace EmulationManagement::Internal {

namespace {

QString readError(const QFile &file)
{
    return QCoreApplication::translate("EmulationManagement::Internal::TrackFingerprint",
                                       "cannot read %1: %2")
        .arg(file.fileName(), file.errorString());
}

} // namespace

std::optional<TrackFingerprint> TrackFingerprint::ofFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = readError(file);
        return std::nullopt;
    }
    TrackFingerprint fingerprint;
    // The time before the contents: a write while hashing shows as a newer time.
    fingerprint.modifiedMs
        = QFileInfo(file).fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    constexpr qint64 chunkBytes = 1 << 20;
    QByteArray chunk(chunkBytes, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(chunk.data(), chunkBytes)) > 0) {
        hash.addData(QByteArrayView(chunk.constData(), read));
        fingerprint.size += read;
    }
    if (read < 0) {
        *error = readError(file);
        return std::nullopt;
    }
    fingerprint.sha256 = hash.result();
    return fingerprint;
}

QString TrackFingerprint::toText() const
{
    return QStringLiteral("size=%1 modified=%2 sha256=%3")
        .arg(size)
        .arg(modifiedMs)
        .arg(QString::fromLatin1(sha256.toHex()));
}

std::optional<TrackFingerprint> TrackFingerprint::fromText(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^size=(\\d{1,18}) modified=(-?\\d{1,18}) sha256=([0-9a-f]{64})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    TrackFingerprint fingerprint;
    fingerprint.size = match.captured(1).toLongLong();
    fingerprint.modifiedMs = match.captured(2).toLongLong();
    fingerprint.sha256 = QByteArray::fromHex(match.captured(3).toLatin1());
    return fingerprint;
}

bool TrackFingerprint::operator==(const TrackFingerprint &other) const
{
    return size == other.size && modifiedMs == other.modifiedMs && sha256 == other.sha256;
}

} // namespace EmulationManagement::Internal
