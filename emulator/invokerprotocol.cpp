#include "invokerprotocol.h"

#include <QLocale>

namespace EmulationManagement::Emulator::InvokerProtocol {

namespace {

const QLatin1String arrayPrefix("array:array:double:");

QString doubleText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<QList<double>> parseRow(const QString &rowText)
{
    QList<double> row;
    for (const QString &valueText : rowText.split(QLatin1Char(','))) {
        bool ok = false;
        const double value = valueText.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        row.append(value);
    }
    return row;
}

// Rows separated by ";", values by ","; an empty text is an empty array.
std::optional<DoubleArrays> parseDoubleArrays(const QString &text)
{
    DoubleArrays rows;
    if (text.isEmpty())
        return rows;
    for (const QString &rowText : text.split(QLatin1Char(';'))) {
        const std::optional<QList<double>> row = parseRow(rowText);
        if (!row)
            return std::nullopt;
        rows.append(*row);
    }
    return rows;
}

std::optional<bool> parseBoolean(const QString &text)
{
    if (text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text == QLatin1String("0")
        || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// One "type:value" word; the error names the argument by its position.
QVariant parseWord(const QString &word, int position, QString *error)
{
    if (word.startsWith(arrayPrefix)) {
        if (const std::optional<DoubleArrays> rows
            = parseDoubleArrays(word.mid(arrayPrefix.size())))
            return QVariant::fromValue(*rows);
        *error
            = QStringLiteral("Argument %1 is not a valid array of arrays of doubles").arg(position);
        return {};
    }
    const qsizetype colon = word.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        *error = QStringLiteral("Argument %1 has no type").arg(position);
        return {};
    }
    const QString type = word.left(colon);
    const QString value = word.mid(colon + 1);
    bool ok = false;
    if (type == QLatin1String("int32")) {
        const int number = value.toInt(&ok, 10);
        if (ok)
            return number;
    } else if (type == QLatin1String("double")) {
        const double number = value.toDouble(&ok);
        if (ok)
            return number;
    } else if (type == QLatin1String("boolean")) {
        if (const std::optional<bool> flag = parseBoolean(value))
            return *flag;
    } else if (type == QLatin1String("string")) {
        return value;
    } else {
        *error = QStringLiteral("Argument %1 has the unknown type %2").arg(position).arg(type);
        return {};
    }
    *error = QStringLiteral("Argument %1 is not a valid %2 value").arg(position).arg(type);
    return {};
}

} // namespace

std::optional<Call> parseCall(const QString &text)
{
    QStringList fields;
    qsizetype start = 0;
    while (fields.size() < 5) {
        const qsizetype space = text.indexOf(QLatin1Char(' '), start);
        if (space < 0)
            return std::nullopt;
        fields.append(text.mid(start, space - start));
        start = space + 1;
    }
    return Call{fields[0], fields[1], fields[2], fields[3], fields[4], text.mid(start)};
}

Arguments parseArguments(const QString &argumentText)
{
    Arguments arguments;
    if (argumentText.isEmpty())
        return arguments;
    const QStringList words = argumentText.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QVariant value = parseWord(words[i], int(i + 1), &arguments.error);
        if (!arguments.error.isEmpty()) {
            arguments.values.clear();
            return arguments;
        }
        arguments.values.append(value);
    }
    return arguments;
}

QStringList rawValues(const QString &argumentText)
{
    QStringList values;
    if (argumentText.isEmpty())
        return values;
    for (const QString &word : argumentText.split(QLatin1Char(' '))) {
        if (word.startsWith(arrayPrefix))
            values.append(word.mid(arrayPrefix.size()));
        else
            values.append(word.mid(word.indexOf(QLatin1Char(':')) + 1));
    }
    return values;
}

QString valueText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return doubleText(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        break;
    }
    if (value.typeId() == qMetaTypeId<DoubleArrays>()) {
        QStringList rows;
        for (const QList<double> &row : value.value<DoubleArrays>()) {
            QStringList values;
            for (const double number : row)
                values.append(doubleText(number));
            rows.append(values.join(QLatin1Char(',')));
        }
        return rows.join(QLatin1Char(';'));
    }
    return value.toString();
}

QStringList valueTexts(const QVariantList &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (const QVariant &value : values)
        texts.append(valueText(value));
    return texts;
}

QString reply(const QString &method,
              const QStringList &argumentValues,
              const QString &result,
              const QString &errorName,
              const QString &errorMessage)
{
    return QStringList{
        method, argumentValues.join(QLatin1Char('|')), result, errorName, errorMessage}
        .join(QLatin1Char(':'));
}

} // namespace EmulationManagement::Emulator::InvokerProtocol
