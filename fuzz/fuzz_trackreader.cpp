#include "fuzzcheck.h"

#include "gps/trackreader.h"

#include <cmath>
#include <iterator>

using namespace EmulationManagement::Internal;

namespace {

// The first byte picks the reader; the rest is the file. A new format is one
// more line here and a seed folder.
using Reader = TrackReadResult (*)(QByteArrayView, const TrackReadControl &);
const Reader readers[] = {
    &TrackReader::readNmea,
    &TrackReader::readGpx,
    &TrackReader::readKml,
};

// Files of a day's log at 1 Hz read in well under a second per megabyte.
const size_t cap = 1 << 20;
const EmulationManagement::Fuzz::TimeBudget budget{200, 4000};

void checkPoints(const QList<TrackPoint> &points)
{
    for (qsizetype i = 0; i < points.size(); ++i) {
        const TrackPoint &p = points.at(i);
        FUZZ_CHECK(std::isfinite(p.latitude) && std::abs(p.latitude) <= 90);
        FUZZ_CHECK(std::isfinite(p.longitude) && std::abs(p.longitude) <= 180);
        FUZZ_CHECK(std::isfinite(p.altitude));
        FUZZ_CHECK(p.interval >= 0);
        // A point back in time or without one follows the previous at once.
        FUZZ_CHECK(p.interval == 0 || (i > 0 && p.interval == p.time - points.at(i - 1).time));
    }
}

int checkFile(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return -1;
    const Reader read = readers[quint8(bytes.front()) % std::size(readers)];
    int lastPercent = -1;
    TrackReadControl control;
    control.progress = [&lastPercent](int percent) {
        FUZZ_CHECK(percent >= lastPercent && percent >= 0 && percent <= 100);
        lastPercent = percent;
    };
    const TrackReadResult result = read(bytes.sliced(1), control);
    if (result.succeeded()) {
        FUZZ_CHECK(!result.points.isEmpty());
        FUZZ_CHECK(result.linesWithoutFix >= 0 && result.linesCutOff >= 0);
        checkPoints(result.points);
    } else {
        // A refused file hands the page nothing to replace its track with.
        FUZZ_CHECK(result.points.isEmpty());
        FUZZ_CHECK(!result.errorMessage.isEmpty());
        FUZZ_CHECK(result.errorLine >= 0);
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return EmulationManagement::Fuzz::checkInput(data, size, cap, budget, checkFile);
}
