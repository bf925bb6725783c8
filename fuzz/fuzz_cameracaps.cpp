#include "fuzzcheck.h"

#include "camera/cameracapabilities.h"

#include <QSet>
#include <QVariantMap>

#include <limits>

using namespace EmulationManagement::Internal;
namespace Caps = EmulationManagement::Internal::CameraCapabilities;

namespace {

// A camera's caps serialise to a few kilobytes. A range of rates in a few
// bytes expands to up to 26 rates, hence the time allowed per byte: twice
// the worst seen under the sanitizers.
const size_t cap = 64 << 10;
const EmulationManagement::Fuzz::TimeBudget budget{100, 80000};

std::optional<QString> field(const QStringList &fields, int i)
{
    return i < fields.size() && fields.at(i) != QLatin1String("-") ? std::optional(fields.at(i))
                                                                     : std::nullopt;
}

int numerator(const QString &rate)
{
    return rate.section(QLatin1Char('/'), 0, 0).toInt();
}

// Rates largest first, and a range gives only rates within the expanded
// limits, the last step past its upper bound at most: a provider's range can
// never make a long list.
void checkFramerates(const QString &text, const QStringList &rates)
{
    for (qsizetype i = 1; i < rates.size(); ++i)
        FUZZ_CHECK(numerator(rates.at(i - 1)) >= numerator(rates.at(i)));
    const auto has = [&text](char c) { return text.contains(QLatin1Char(c)); };
    if ((has('{') && has('}')) || !has('[') || !has(']'))
        return;
    const int lower = Caps::rangeBound(text, 0).value_or(Caps::minExpandedFramerate);
    const int upper = Caps::rangeBound(text, 1).value_or(Caps::maxExpandedFramerate);
    const int lastStep = 9;
    FUZZ_CHECK(rates.size() <= 4 + Caps::maxExpandedFramerate / 5);
    for (const QString &rate : rates) {
        FUZZ_CHECK(numerator(rate) >= std::max(lower, Caps::minExpandedFramerate));
        FUZZ_CHECK(numerator(rate) <= std::min(upper, Caps::maxExpandedFramerate) + lastStep);
    }
}

// Lines are caps structures; tab-separated framerate, width and height
// fields, "-" or a missing field standing for one the structure lacks.
int checkCaps(QByteArrayView bytes)
{
    QList<Caps::StructureFields> structures;
    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        structures.append({field(fields, 0), field(fields, 1), field(fields, 2)});
        if (structures.last().framerate) {
            const QString text = *structures.last().framerate;
            checkFramerates(text, Caps::parseFramerates(text));
        }
    }
    QVariantList resolutions = Caps::resolutionsFromStructures(structures);
    FUZZ_CHECK(resolutions.size() <= structures.size());
    Caps::sortResolutions(resolutions);
    QSet<QString> seen;
    int previousWidth = std::numeric_limits<int>::max();
    for (const QVariant &entry : std::as_const(resolutions)) {
        const QVariantMap resolution = entry.toMap();
        const int width = resolution.value(QStringLiteral("width")).toInt();
        const int height = resolution.value(QStringLiteral("height")).toInt();
        const QString string = resolution.value(QStringLiteral("string")).toString();
        FUZZ_CHECK(width >= 1 && height >= 1 && width <= previousWidth);
        FUZZ_CHECK(string == QStringLiteral("%1x%2").arg(width).arg(height));
        FUZZ_CHECK(!seen.contains(string));
        seen << string;
        previousWidth = width;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return EmulationManagement::Fuzz::checkInput(data, size, cap, budget, checkCaps);
}
