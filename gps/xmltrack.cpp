#include "xmltrack.h"

#include <QDateTime>
#include <QXmlStreamReader>

#include <cmath>

namespace EmulationManagement::Internal::TrackReading {

namespace {

// One line for each CR, LF or CRLF in [from, to).
int lineBreaks(QByteArrayView text, qsizetype from, qsizetype to)
{
    int count = 0;
    for (qsizetype i = from; i < to; ++i) {
        const char c = text[i];
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    }
    return count;
}

// Walks the markup of a text as an XML reader would, without building
// anything: comments, CDATA sections, processing instructions and
// character data are passed over, and a ">" inside a quoted value does not
// end a tag.
class MarkupScan
{
public:
    MarkupScan(QByteArrayView text, const QString &kind)
        : m_text(text)
        , m_kind(kind)
    {}

    std::optional<TrackReadResult> run()
    {
        while (m_at < m_text.size()) {
            const qsizetype open = m_text.indexOf('<', m_at);
            passTo(open < 0 ? m_text.size() : open);
            if (open < 0)
                break;
            const QByteArrayView rest = m_text.sliced(m_at);
            if (rest.startsWith("<!--")) {
                passTo(endOf("-->"));
            } else if (rest.startsWith("<![CDATA[")) {
                passTo(endOf("]]>"));
            } else if (rest.startsWith("<?")) {
                passTo(endOf("?>"));
            } else if (rest.startsWith("<!")) {
                const int line = m_line;
                if (tag().internalSubset)
                    return documentTypeFailure(line, m_kind);
            } else if (std::optional<TrackReadResult> refused = element()) {
                return refused;
            }
        }
        return std::nullopt;
    }

private:
    struct Tag
    {
        int attributes = 0;
        bool empty = false;
        bool internalSubset = false;
    };

    void passTo(qsizetype to)
    {
        m_line += lineBreaks(m_text, m_at, to);
        m_at = to;
    }

    qsizetype endOf(const char *end) const
    {
        const qsizetype found = m_text.indexOf(end, m_at);
        return found < 0 ? m_text.size() : found + qsizetype(std::strlen(end));
    }

    // Reads up to the ">" that ends the tag at m_at, counting its attributes.
    Tag tag()
    {
        Tag tag;
        char quote = 0;
        char previous = 0;
        qsizetype i = m_at + 1;
        for (; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (quote) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=') {
                ++tag.attributes;
            } else if (c == '[') {
                tag.internalSubset = true;
                break;
            } else if (c == '>') {
                tag.empty = previous == '/';
                ++i;
                break;
            }
            previous = c;
        }
        passTo(i);
        return tag;
    }

    std::optional<TrackReadResult> element()
    {
        const int line = m_line;
        const bool closing = m_text.sliced(m_at).startsWith("</");
        const Tag read = tag();
        if (read.attributes > maximumAttributes) {
            return failure(TrackReader::tr("%1 element has more than %2 attributes")
                               .arg(m_kind)
                               .arg(maximumAttributes),
                           line);
        }
        if (closing) {
            --m_depth;
        } else if (!read.empty && ++m_depth > maximumDepth) {
            return failure(TrackReader::tr("%1 file nests elements more than %2 deep")
                               .arg(m_kind)
                               .arg(maximumDepth),
                           line);
        }
        return std::nullopt;
    }

    QByteArrayView m_text;
    const QString &m_kind;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_depth = 0;
};

// The ISO forms the fast path leaves out (no seconds, week dates); the
// fields are taken as UTC when the text has no zone.
std::optional<qint64> otherIsoTime(QStringView text)
{
    QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    // A local time in a clock change's gap is invalid until it is UTC.
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    if (!time.isValid())
        return std::nullopt;
    return time.toMSecsSinceEpoch();
}

int twoDigitsAt(QStringView text, qsizetype at, bool *ok)
{
    if (at + 2 > text.size() || !text[at].isDigit() || !text[at + 1].isDigit()) {
        *ok = false;
        return 0;
    }
    return text[at].digitValue() * 10 + text[at + 1].digitValue();
}

} // namespace

std::optional<TrackReadResult> refuseHostileXml(QByteArrayView text, const QString &kind)
{
    if (text.trimmed().isEmpty())
        return failure(TrackReader::tr("%1 file is empty").arg(kind), 0);
    const ByteOrderMark mark = byteOrderMark(text);
    if (mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian) {
        return failure(TrackReader::tr("%1 file is encoded in UTF-16, which is not read; save "
                                       "it as UTF-8")
                           .arg(kind),
                       0);
    }
    return MarkupScan(text, kind).run();
}

TrackReadResult documentTypeFailure(int line, const QString &kind)
{
    return failure(TrackReader::tr("%1 file declares a document type of its own, which %1 "
                                   "files do not use")
                       .arg(kind),
                   line);
}

bool declaresDocumentType(const QXmlStreamReader &xml)
{
    return xml.tokenType() == QXmlStreamReader::DTD
           && (xml.text().contains(u'[') || !xml.entityDeclarations().isEmpty()
               || !xml.notationDeclarations().isEmpty());
}

TrackReadResult xmlFailure(const QXmlStreamReader &xml, const QString &kind)
{
    return failure(
        TrackReader::tr("%1 file is not well-formed XML: %2").arg(kind, xml.errorString()),
        static_cast<int>(xml.lineNumber()));
}

std::optional<double> xmlNumber(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// GPX and KML times are UTC; one written without a zone is read as UTC
// too, so no local clock change can make it a time that does not exist.
std::optional<qint64> isoTime(QStringView text)
{
    text = text.trimmed();
    bool ok = text.size() >= 19 && text[4] == u'-' && text[7] == u'-'
              && (text[10] == u'T' || text[10] == u't' || text[10] == u' ') && text[13] == u':'
              && text[16] == u':';
    const int year = ok ? text.first(4).toInt(&ok) : 0;
    const int month = twoDigitsAt(text, 5, &ok);
    const int day = twoDigitsAt(text, 8, &ok);
    const int hours = twoDigitsAt(text, 11, &ok);
    const int minutes = twoDigitsAt(text, 14, &ok);
    const int seconds = twoDigitsAt(text, 17, &ok);
    if (!ok || !QDate::isValid(year, month, day) || hours > 23 || minutes > 59 || seconds > 60)
        return otherIsoTime(text);
    qint64 millis
        = (daysFromCivil(year, month - 1, day) * 86400 + hours * 3600 + minutes * 60 + seconds)
          * 1000;
    qsizetype at = 19;
    if (at < text.size() && (text[at] == u'.' || text[at] == u',')) {
        const qsizetype start = ++at;
        while (at < text.size() && text[at].isDigit())
            ++at;
        if (at == start)
            return std::nullopt;
        const QStringView digits = text.sliced(start, std::min<qsizetype>(at - start, 15));
        millis += static_cast<qint64>(
            roundValue(digits.toLongLong() * 1000 / std::pow(10.0, digits.size()), 0));
    }
    const QStringView zone = text.sliced(at);
    if (zone.isEmpty() || zone == u"Z" || zone == u"z")
        return millis;
    if (zone.size() != 6 || (zone[0] != u'+' && zone[0] != u'-') || zone[3] != u':')
        return std::nullopt;
    const int zoneHours = twoDigitsAt(zone, 1, &ok);
    const int zoneMinutes = twoDigitsAt(zone, 4, &ok);
    if (!ok)
        return std::nullopt;
    const qint64 offset = (zoneHours * 60 + zoneMinutes) * 60000;
    return zone[0] == u'+' ? millis - offset : millis + offset;
}

const QString &elementText(QXmlStreamReader &xml, QString *buffer)
{
    buffer->clear();
    for (;;) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            buffer->append(xml.text());
            break;
        case QXmlStreamReader::StartElement:
            xml.skipCurrentElement();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        default:
            return *buffer;
        }
    }
}

} // namespace EmulationManagement::Internal::TrackReading
