#include "tracktexts.h"

#include "gps/gpsemulationmanager.h"
#include "gps/trackreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace EmulationManagement::Internal;

namespace {

// CPU time of this thread: other work on the machine hardly changes it,
// unlike the wall-clock time.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Runs the work five times and prints the medians against the goal; the
// work returns what it made, for the line.
void measure(const char *name,
             double goalSeconds,
             const char *before,
             const std::function<QString()> &work)
{
    QList<double> cpu;
    QList<double> wall;
    QString made;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadSeconds();
        made = work();
        cpu.append(threadSeconds() - cpuStart);
        wall.append(timer.nsecsElapsed() / 1e9);
    }
    std::printf("%s: %s; median of 5: wall %.3f s, CPU %.3f s; goal %.1f s %s%s%s\n",
                name,
                qPrintable(made),
                median(wall),
                median(cpu),
                goalSeconds,
                median(wall) <= goalSeconds ? "met" : "MISSED",
                *before ? "; before: " : "",
                before);
}

std::function<QString()> readNmea(const QByteArray &text)
{
    return [text] {
        const TrackReadResult result = TrackReader::readNmea(text);
        return result.succeeded() ? QStringLiteral("%1 points").arg(result.points.size())
                                  : result.errorMessage;
    };
}

std::function<QString()> readGpx(const QByteArray &text)
{
    return [text] {
        const TrackReadResult result = TrackReader::readGpx(text);
        return result.succeeded() ? QStringLiteral("%1 points").arg(result.points.size())
                                  : QStringLiteral("refused: ") + result.errorMessage;
    };
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray day = TrackTexts::ggaLog(86400);
    measure("24 h GGA log (86,400 lines)", 0.3, "1.1-1.8 s in the page's script", readNmea(day));
    measure("mixed log (100,000 lines)", 0.3, "", readNmea(TrackTexts::mixedLog(100000)));
    const QByteArray rmc = TrackTexts::rmcLog(50 << 20);
    measure("50 MB RMC log", 5, "", readNmea(rmc));
    const QByteArray gpx = TrackTexts::gpxTrack(50 << 20);
    measure("50 MB GPX track", 5, "", readGpx(gpx));
    for (const auto &[name, text] : TrackTexts::awkwardGpxFiles()) {
        measure(
            qPrintable(
                QStringLiteral("GPX of %1 (%2 bytes)").arg(QLatin1String(name)).arg(text.size())),
            0.5,
            qstrcmp(name, "100,000 attributes on one element") == 0 ? "14.5 s" : "",
            readGpx(text));
    }
    const QList<TrackPoint> points = TrackReader::readNmea(rmc).points;
    measure("\"loadTrack\" text of the 50 MB RMC log's track", 2, "", [&points] {
        return QStringLiteral("%1 characters")
            .arg(GPSEmulationManager::trackArgument(points).size());
    });
    return 0;
}
