#pragma once

#include <QByteArray>
#include <QString>

namespace EmulationManagement::Internal {

// What a scenario remembers of a track file instead of its points: its size
// and the hash of its bytes, so that a copy elsewhere still matches.
struct TrackFingerprint
{
    qint64 size = -1;
    QByteArray sha256; // hex

    static TrackFingerprint ofFile(const QString &path);
    // "SIZE:SHA256", as a scenario line writes it; invalid for anything else.
    static TrackFingerprint fromText(const QString &text);
    QString text() const;
    bool isValid() const { return size >= 0 && sha256.size() == 64; }
    bool operator==(const TrackFingerprint &other) const
    {
        return size == other.size && sha256 == other.sha256;
    }
};

} // namespace EmulationManagement::Internal
