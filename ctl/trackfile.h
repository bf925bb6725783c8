#pragma once

#include "gps/trackreader.h"

#include <optional>

namespace EmulationManagement::Internal {

// Reads a track file with the GPS page's reader: GPX for ".gpx", KML for
// ".kml", NMEA for anything else. nullopt with the page's error text, on one
// line, when the file cannot be read or holds no track.
std::optional<TrackReadResult> readTrackFile(const QString &path, QString *error);

} // namespace EmulationManagement::Internal
