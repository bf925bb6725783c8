#include "nmeaparsingharness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// CPU time of this thread: other work on the machine hardly changes it,
// unlike the wall-clock time.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

QString nmeaTime(int second)
{
    return QStringLiteral("%1%2%3")
        .arg(second / 3600 % 24, 2, 10, QLatin1Char('0'))
        .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(second % 60, 2, 10, QLatin1Char('0'));
}

QString latitude(int second)
{
    return QStringLiteral("48%1").arg(7.038 + second % 3000 * 0.0001, 7, 'f', 4, QLatin1Char('0'));
}

QString gga(int second)
{
    return QStringLiteral("$GPGGA,%1,%2,N,01131.000,E,1,08,0.9,%3,M,46.9,M,,*47")
        .arg(nmeaTime(second), latitude(second))
        .arg(500 + second % 100 * 0.1, 0, 'f', 1);
}

// A day of fixes at 1 Hz, as a receiver logs them.
QString ggaDay()
{
    QStringList lines;
    for (int second = 0; second < 86400; ++second)
        lines.append(gga(second));
    return lines.join(QStringLiteral("\r\n"));
}

// "$GPGGA" fixes the track; the other supported types are tested and
// dropped, unsupported ones skipped untested.
QString mixedLog(int lineCount)
{
    QStringList lines;
    for (int i = 0; lines.size() < lineCount; ++i) {
        lines.append(gga(i));
        lines.append(QStringLiteral("$GPRMC,%1,A,%2,N,01131.000,E,022.4,084.4,230394,003.1,W*6A")
                         .arg(nmeaTime(i), latitude(i)));
        lines.append(
            QStringLiteral("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74"));
        lines.append(
            QStringLiteral("$GPGLL,%1,N,01131.000,E,%2,A*1D").arg(latitude(i), nmeaTime(i)));
        lines.append(QStringLiteral("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48"));
        lines.append(QStringLiteral("$GPWPL,%1,N,01131.000,E,WPT%2*65").arg(latitude(i)).arg(i));
    }
    lines.resize(lineCount);
    return lines.join(QLatin1Char('\n'));
}

// A receiver's line followed by a megabyte of commas: the reader must reject
// it within a second.
QString corruptLine()
{
    return QStringLiteral("$GPGGA,000000,4807.038,N,01131.000,E")
           + QString(1000000, QLatin1Char(','));
}

// Parses the text five times and prints the medians, and whether the median
// CPU time meets the goal. A text that should fail (expectFailure) counts as
// parsed when the reader rejects it.
bool measure(NmeaParsingHarness &harness,
             const char *name,
             const QString &text,
             int lineCount,
             double goalSeconds,
             bool expectFailure = false)
{
    QList<double> cpuSeconds;
    QList<double> wallSeconds;
    int points = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double cpuStart = threadSeconds();
        points = harness.countPoints(text);
        cpuSeconds.append(threadSeconds() - cpuStart);
        wallSeconds.append(wall.nsecsElapsed() / 1e9);
        if ((points <= 0) != expectFailure) {
            std::fprintf(stderr, "%s: the reader gave %d points\n", name, points);
            return false;
        }
    }
    std::sort(cpuSeconds.begin(), cpuSeconds.end());
    std::sort(wallSeconds.begin(), wallSeconds.end());
    const double cpuMedian = cpuSeconds.at(cpuSeconds.size() / 2);
    const double wallMedian = wallSeconds.at(wallSeconds.size() / 2);
    std::printf("%s: %d lines, %d points, median of %lld runs: CPU %.3f s = %.0f lines/s "
                "(best %.0f), wall %.3f s = %.0f lines/s; goal %.1f s %s\n",
                name,
                lineCount,
                points,
                static_cast<long long>(cpuSeconds.size()),
                cpuMedian,
                lineCount / cpuMedian,
                lineCount / cpuSeconds.first(),
                wallMedian,
                lineCount / wallMedian,
                goalSeconds,
                cpuMedian <= goalSeconds ? "met" : "MISSED");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    NmeaParsingHarness harness;
    if (!harness.isReady()) {
        std::fprintf(stderr, "%s\n", qPrintable(harness.errorString()));
        return 1;
    }
    const bool ok = measure(harness, "GGA day at 1 Hz", ggaDay(), 86400, 0.5)
                    && measure(harness, "mixed log", mixedLog(100000), 100000, 1.0)
                    && measure(harness, "1 MB corrupt line", corruptLine(), 1, 1.0, true);
    return ok ? 0 : 1;
}
