#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// Track files as receivers and apps write them, for the benchmarks.
namespace TrackTexts {

// "$GPGGA" fixes at 1 Hz for the given number of seconds; a day is 86,400.
QByteArray ggaLog(int seconds);
// "$GPGGA" fixes the track; the other supported types are tested and
// dropped, unsupported ones skipped untested.
QByteArray mixedLog(int lineCount);
// "$GPRMC" fixes at 1 Hz up to the given size.
QByteArray rmcLog(qsizetype bytes);
// GPX track points with elevation and time up to the given size.
QByteArray gpxTrack(qsizetype bytes);
// GPX files of about 1 MB whose shapes strain an XML reader: one element
// with 100,000 attributes, deep nesting, one long text, many namespaces,
// long attribute values, plain small points, an entity of a document type
// and 10 MB of nesting.
QList<std::pair<const char *, QByteArray>> awkwardGpxFiles();

} // namespace TrackTexts
