#pragma once

#include "gps/trackreading.h"

#include <QBuffer>

QT_BEGIN_NAMESPACE
class QXmlStreamReader;
QT_END_NAMESPACE

// What the GPX and KML readers share. kind names the format in messages.
namespace EmulationManagement::Internal::TrackReading {

// More than any GPX or KML writer puts there. The XML reader compares each
// attribute with all before it, and keeps a name for each open element, so
// beyond these a file of a few megabytes would take minutes or gigabytes.
constexpr int maximumAttributes = 256;
constexpr int maximumDepth = 64;

// Refuses, before an XML reader sees it, a text that is empty, in UTF-16,
// holds a document type declaration with declarations of its own (whose
// entities and default attributes expand without bound, and which neither
// format uses), an element with too many attributes or elements nested too
// deep. Lines count CR, LF and CRLF alike, as the XML reader does.
std::optional<TrackReadResult> refuseHostileXml(QByteArrayView text, const QString &kind);

// The text as a device for the XML reader, without a copy: read from a
// device, the reader decodes a few kilobytes at a time, where from a byte
// array it would decode the whole file at once, at twice its size.
class XmlSource
{
public:
    explicit XmlSource(QByteArrayView text)
        : m_data(QByteArray::fromRawData(text.data(), text.size()))
    {
        m_buffer.setBuffer(&m_data);
        m_buffer.open(QIODevice::ReadOnly);
    }

    QIODevice *device() { return &m_buffer; }

private:
    QByteArray m_data;
    QBuffer m_buffer;
};

// The failure for a reader that stopped on an error: the XML error with
// its line, or the document type the reader stopped at.
TrackReadResult xmlFailure(const QXmlStreamReader &xml, const QString &kind);
// Whether the reader stands on a document type declaration that declares
// anything; refuseHostileXml() lets none through, the reader checks again.
bool declaresDocumentType(const QXmlStreamReader &xml);
TrackReadResult documentTypeFailure(int line, const QString &kind);

std::optional<double> xmlNumber(QStringView text);
// YYYY-MM-DDThh:mm:ss[.f][Z|±hh:mm] and the other ISO forms, in
// milliseconds since the epoch; without a zone the time is UTC.
std::optional<qint64> isoTime(QStringView text);
// The text of the element the reader stands on; nested markup adds none.
// Unlike readElementText(), it makes no string of its own per element.
const QString &elementText(QXmlStreamReader &xml, QString *buffer);

} // namespace EmulationManagement::Internal::TrackReading
