#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// Turning a capture device's caps into the resolutions and frame rates the
// camera page offers. Works on the texts gst_value_serialize writes for the
// fields of each caps structure, so that every rule can be checked with texts.
namespace EmulationManagement::Internal::CameraCapabilities {

// Ranges are expanded only within these frame rates: an open-ended range stays
// short, and a faulty provider's zero or negative lower bound cannot make
// millions of entries.
constexpr int minExpandedFramerate = 1;
constexpr int maxExpandedFramerate = 120;

// The serialised "framerate", "width" and "height" fields of one caps
// structure; an absent optional is a missing field.
struct StructureFields
{
    std::optional<QString> framerate;
    std::optional<QString> width;
    std::optional<QString> height;
};

// A list of frame-rate ranges serialises with this type word.
bool isFramerateRangeList(const QString &framerateText);

// The frame rates of one "framerate" field as N/D texts, largest numerator first.
QStringList parseFramerates(const QString &framerateText);

// Bound k (0 lower, 1 upper) of a range text such as "[ 15/2, 30/1 ]" as a
// whole number, truncated; absent when the text has no such fraction or its
// denominator is below 1.
std::optional<int> rangeBound(const QString &rangeText, int k);

// The whole frame rates offered for a range: both bounds, the step above the
// lower one and the multiples of 5 between, after both bounds are clamped to
// minExpandedFramerate..maxExpandedFramerate; nothing when no rate of the range
// lies there. An absent lower bound counts as the minimum, an absent upper one
// as the maximum.
QList<int> expandRange(std::optional<int> lower, std::optional<int> upper);

// Largest numerator first; the denominator is not compared, ties keep their order.
void sortFramerates(QStringList &framerates);

// Widest first; the height is not compared, ties keep their order.
void sortResolutions(QVariantList &resolutions);

// The "resolutions" of a camera entry from its caps structures, in caps order.
QVariantList resolutionsFromStructures(const QList<StructureFields> &structures);

} // namespace EmulationManagement::Internal::CameraCapabilities
