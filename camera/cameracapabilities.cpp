#include "cameracapabilities.h"

#include <QRegularExpression>
#include <QSet>
#include <QVariantMap>

#include <algorithm>

namespace EmulationManagement::Internal::CameraCapabilities {

// Read in place: sorting a list compares each rate many times.
static int numeratorOf(const QString &framerate)
{
    const qsizetype slash = framerate.indexOf(QLatin1Char('/'));
    return QStringView(framerate).left(slash < 0 ? framerate.size() : slash).toInt(nullptr, 10);
}

// "(fraction)30000/1001" inside a list becomes the whole rate "29/1".
static QString wholeListRate(const QString &part)
{
    const QStringList pieces = part.split(QLatin1Char('/'));
    if (pieces.size() != 2 || pieces.at(1) == QLatin1String("1"))
        return part;
    const int divisor = std::max(1, pieces.at(1).toInt(nullptr, 10));
    return QStringLiteral("%1/1").arg(pieces.at(0).toInt(nullptr, 10) / divisor);
}

static QStringList parseList(QString text)
{
    // A character class: braces, parentheses, spaces and the letters of "fraction" go.
    static const QRegularExpression listDecoration(QStringLiteral("[{}(fraction) ]"));
    text.remove(listDecoration);
    QStringList rates;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        rates.append(wholeListRate(part));
    return rates;
}

static QStringList parseRange(const QString &text)
{
    QStringList rates;
    for (const int rate : expandRange(rangeBound(text, 0), rangeBound(text, 1)))
        rates.append(QStringLiteral("%1/1").arg(rate));
    return rates;
}

bool isFramerateRangeList(const QString &framerateText)
{
    return framerateText.contains(QLatin1String("GstFractionRange"));
}

QStringList parseFramerates(const QString &framerateText)
{
    const auto contains = [&framerateText](char c) {
        return framerateText.contains(QLatin1Char(c));
    };
    QStringList rates;
    if (contains('{') && contains('}'))
        rates = parseList(framerateText);
    else if (contains('[') && contains(']'))
        rates = parseRange(framerateText);
    else
        rates = framerateText.split(QLatin1Char(','), Qt::SkipEmptyParts);
    sortFramerates(rates);
    return rates;
}

std::optional<int> rangeBound(const QString &rangeText, int k)
{
    static const QRegularExpression rangeDecoration(QStringLiteral("[\\[\\] ]"));
    const QStringList parts
        = QString(rangeText).remove(rangeDecoration).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (k < 0 || k >= parts.size())
        return std::nullopt;
    const QStringList pieces = parts.at(k).split(QLatin1Char('/'));
    const int denominator = pieces.size() > 1 ? pieces.at(1).toInt(nullptr, 10) : 0;
    if (denominator < 1)
        return std::nullopt;
    return pieces.at(0).toInt(nullptr, 10) / denominator;
}

QList<int> expandRange(std::optional<int> lower, std::optional<int> upper)
{
    const int low = std::max(lower.value_or(minExpandedFramerate), minExpandedFramerate);
    const int high = std::min(upper.value_or(maxExpandedFramerate), maxExpandedFramerate);
    if (low > high)
        return {};
    QList<int> rates{low};
    if (low == high)
        return rates;
    rates.append(low + 1);
    while (rates.last() < high) {
        const int v = rates.last();
        if (v % 5 != 0)
            rates.append(v - v % 5 + 5);
        rates.append(rates.last() + 5);
    }
    return rates;
}

void sortFramerates(QStringList &framerates)
{
    std::stable_sort(framerates.begin(), framerates.end(), [](const QString &a, const QString &b) {
        return numeratorOf(a) > numeratorOf(b);
    });
}

void sortResolutions(QVariantList &resolutions)
{
    const auto widthOf = [](const QVariant &entry) {
        return entry.toMap().value(QStringLiteral("width")).toInt();
    };
    std::stable_sort(
        resolutions.begin(), resolutions.end(), [&widthOf](const QVariant &a, const QVariant &b) {
            return widthOf(a) > widthOf(b);
        });
}

namespace {

// Appends a resolution entry unless a size is missing or below 1 or the same
// "WxH" is already listed (the first caps structure of a size decides).
// listed holds the sizes already in resolutions: a device with thousands of
// structures is read in linear time.
void addResolution(QVariantList &resolutions,
                   QSet<QString> &listed,
                   const StructureFields &fields,
                   const QStringList &framerates)
{
    if (!fields.width || !fields.height)
        return;
    const int width = fields.width->toInt(nullptr, 10);
    const int height = fields.height->toInt(nullptr, 10);
    if (width < 1 || height < 1)
        return;
    const QString string = QStringLiteral("%1x%2").arg(width).arg(height);
    if (listed.contains(string))
        return;
    listed.insert(string);
    resolutions.append(QVariantMap{{QStringLiteral("width"), width},
                                   {QStringLiteral("height"), height},
                                   {QStringLiteral("string"), string},
                                   {QStringLiteral("framerates"), framerates}});
}

} // namespace

QVariantList resolutionsFromStructures(const QList<StructureFields> &structures)
{
    QVariantList resolutions;
    QSet<QString> listed;
    for (const StructureFields &fields : structures) {
        const QString framerateText = fields.framerate.value_or(QString());
        if (isFramerateRangeList(framerateText))
            continue;
        addResolution(resolutions, listed, fields, parseFramerates(framerateText));
    }
    sortResolutions(resolutions);
    return resolutions;
}

} // namespace EmulationManagement::Internal::CameraCapabilities
