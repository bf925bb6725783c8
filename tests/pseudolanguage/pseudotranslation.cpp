#include "pseudotranslation.h"

#include <QIODevice>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString plainLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString accentedLetters = QStringLiteral(
    u"åƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýžÅƁÇĐÉƑĜĤÎĴĶĹṀÑÖÞǪŘŠŢÛṼŴẊÝŽ");

// The length of a tag ("<b>", "</p>", "<br/>") at position, or 0.
qsizetype tagLength(const QString &text, qsizetype position)
{
    if (text.at(position) != u'<' || position + 1 >= text.size())
        return 0;
    const QChar next = text.at(position + 1);
    if (!next.isLetter() && next != u'/' && next != u'!')
        return 0;
    const qsizetype close = text.indexOf(u'>', position);
    return close < 0 ? 0 : close - position + 1;
}

// The length of what must stay unchanged at position: a placeholder, an
// accelerator with its letter, "&&" or an entity; 0 for anything else.
qsizetype keptLength(const QString &text, qsizetype position)
{
    const QChar first = text.at(position);
    if (first != u'%' && first != u'&')
        return 0;
    qsizetype end = position + 1;
    if (first == u'%') {
        if (end < text.size() && (text.at(end) == u'n' || text.at(end) == u'L'))
            ++end;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        return end - position > 1 ? end - position : 0;
    }
    while (end < text.size() && (text.at(end).isLetterOrNumber() || text.at(end) == u'#'))
        ++end;
    if (end > position + 1 && end < text.size() && text.at(end) == u';')
        return end - position + 1;
    return position + 1 < text.size() ? 2 : 1;
}

QChar accented(QChar letter)
{
    const qsizetype index = plainLetters.indexOf(letter);
    return index < 0 ? letter : accentedLetters.at(index);
}

} // namespace

QString pseudoTranslation(const QString &source)
{
    QString result;
    qsizetype visible = 0;
    qsizetype firstVisible = -1;
    qsizetype visibleEnd = 0;
    for (qsizetype position = 0; position < source.size();) {
        if (const qsizetype tag = tagLength(source, position)) {
            result += source.mid(position, tag);
            position += tag;
            continue;
        }
        if (firstVisible < 0)
            firstVisible = result.size();
        const qsizetype kept = keptLength(source, position);
        if (kept > 0)
            result += source.mid(position, kept);
        else
            result += accented(source.at(position));
        const qsizetype step = kept > 0 ? kept : 1;
        visible += step;
        position += step;
        visibleEnd = result.size();
    }
    if (visible == 0)
        return result;
    // The brackets count towards the 40 %; tildes make up the rest.
    const qsizetype added = (visible * 2 + 4) / 5;
    result.insert(visibleEnd, QString(qMax<qsizetype>(0, added - 2), u'~') + u']');
    result.insert(firstVisible, u'[');
    return result;
}

QString pseudoTranslateCatalogue(QIODevice &in, QIODevice &out)
{
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    QString source;
    bool numerus = false;
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            writer.writeCurrentToken(reader);
        } else if (reader.name() == u"source") {
            writer.writeCurrentToken(reader);
            source = reader.readElementText();
            writer.writeCharacters(source);
            writer.writeEndElement();
        } else if (reader.name() == u"translation") {
            reader.skipCurrentElement();
            writer.writeStartElement(QStringLiteral("translation"));
            const QString translation = pseudoTranslation(source);
            // English plural rules: one form and the others.
            if (numerus) {
                writer.writeTextElement(QStringLiteral("numerusform"), translation);
                writer.writeTextElement(QStringLiteral("numerusform"), translation);
            } else {
                writer.writeCharacters(translation);
            }
            writer.writeEndElement();
        } else {
            if (reader.name() == u"message")
                numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
            writer.writeCurrentToken(reader);
        }
    }
    return reader.hasError() ? reader.errorString() : QString();
}
