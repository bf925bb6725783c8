#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

namespace EmulationManagement::Internal {

class PageScripts;

// Reads a track file with the GPS page's readers: GPX for ".gpx", NMEA for
// anything else. The points come as the readers give them; nullopt with the
// page's error text (on one line) when the file cannot be read or parsed.
std::optional<QVariantList> readTrackFile(const QString &path,
                                          PageScripts &scripts,
                                          QString *error);

} // namespace EmulationManagement::Internal
