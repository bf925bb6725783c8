#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace EmulationManagement::Internal {

// What identifies the contents of a track file that was loaded: its size,
// modification time and SHA-256. Whoever keeps a track by its path compares
// the fingerprint before using the file again.
struct TrackFingerprint
{
    qint64 size = 0;
    qint64 modifiedMs = 0; // since the epoch, UTC
    QByteArray sha256;     // raw bytes

    // Hashes the file in bounded chunks; nullopt with the reason when it cannot be read.
    static std::optional<TrackFingerprint> ofFile(const QString &path, QString *error);

    // "size=N modified=MS sha256=HEX", one word per field, for settings and scenario files.
    QString toText() const;
    // nullopt for anything but the text toText() writes.
    static std::optional<TrackFingerprint> fromText(const QString &text);

    bool operator==(const TrackFingerprint &other) const;
    bool operator!=(const TrackFingerprint &other) const { return !(*this == other); }
};

} // namespace EmulationManagement::Internal
