#include "tracktexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

// emulation-ctl after a day-long log (6 MB, or 50 MB padded) was loaded: the start-up time and peak
// memory of commands that do not play the track (goal: at most 100 ms and
// 50 MB each), and of one that reads the track again. Medians of 11 runs
// against the simulated emulator.
//   bench_ctl [PORT [padded]]

namespace {

struct Figures
{
    qint64 kib = 0;
    qint64 ms = 0;
    int exitCode = -1;
};

Figures runMeasured(const QProcessEnvironment &environment, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(PEAK_MEMORY_PROGRAM, QStringList{CTL_PROGRAM} + arguments);
    process.waitForFinished(120000);
    static const QRegularExpression form(QStringLiteral("peak-memory: (\\d+) KiB, (\\d+) ms"));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (process.exitCode() != 0)
        std::fprintf(stderr, "%s", qPrintable(errors.section('\n', 0, 0) + '\n'));
    const QRegularExpressionMatch match = form.match(errors);
    return {match.captured(1).toLongLong(), match.captured(2).toLongLong(), process.exitCode()};
}

void printMedians(const QString &what, QList<Figures> runs)
{
    const auto middle = runs.size() / 2;
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(), [](auto a, auto b) {
        return a.ms < b.ms;
    });
    const qint64 ms = runs.at(middle).ms;
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(), [](auto a, auto b) {
        return a.kib < b.kib;
    });
    const bool failed
        = std::any_of(runs.cbegin(), runs.cend(), [](auto run) { return run.exitCode != 0; });
    std::printf("%-34s %5lld ms %7lld KiB%s\n",
                qPrintable(what),
                static_cast<long long>(ms),
                static_cast<long long>(runs.at(middle).kib),
                failed ? " (some runs failed)" : "");
}

// The emulator's output goes to a file: a pipe nobody reads while the
// commands run would fill up and stall it.
bool startEmulator(QProcess &emulator, const QString &port, const QString &outputFile)
{
    emulator.setStandardOutputFile(outputFile);
    emulator.start(EMULATOR_PROGRAM,
                   {"--port", port, "--camera-port", QString::number(port.toInt() + 28900)});
    QFile output(outputFile);
    for (int wait = 0; wait < 300; ++wait) {
        if (output.open(QIODevice::ReadOnly) && output.readAll().contains("ready:"))
            return true;
        output.close();
        emulator.waitForFinished(100);
    }
    std::fprintf(stderr, "the simulated emulator did not start\n");
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString port = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("15490");
    QTemporaryDir dir;
    QFile log(dir.filePath("50mb.nmea"));
    // A day of 1 Hz fixes; with "padded", each followed by satellite
    // sentences without a fix, to 50 MB.
    const bool padded = argc > 2 && QByteArray(argv[2]) == "padded";
    const QByteArray satellites
        = QByteArray("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74\r\n")
              .repeated(padded ? 8 : 0);
    if (!log.open(QIODevice::WriteOnly))
        return 1;
    for (const QByteArray &fix : TrackTexts::ggaLog(86400).split('\n'))
        log.write(fix + '\n' + satellites);
    std::printf("log: %lld MB\n", static_cast<long long>(log.size() >> 20));
    log.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    const QStringList portOption{"--port", port};
    {
        QProcess emulator;
        if (!startEmulator(emulator, port, dir.filePath("emulator.out")))
            return 1;
        const auto stopEmulator = qScopeGuard([&emulator] {
            emulator.terminate();
            emulator.waitForFinished();
        });
        // On a busy machine the emulator may take longer than the reply limit.
        Figures load;
        for (int attempt = 0; attempt < 5 && load.exitCode != 0; ++attempt)
            load
                = runMeasured(environment, portOption + QStringList{"gps", "load", log.fileName()});
        printMedians("gps load", {load});
    }
    // A fresh emulator: the later figures are the command's own, not the
    // time the emulator takes to digest the track.
    QProcess emulator;
    if (!startEmulator(emulator, port, dir.filePath("emulator.out")))
        return 1;
    const auto stopEmulator = qScopeGuard([&emulator] {
        emulator.terminate();
        emulator.waitForFinished();
    });
    const std::pair<const char *, QStringList> commands[] = {
        {"then sensor set als 5", {"sensor", "set", "als", "5"}},
        {"then gps status", {"gps", "status"}},
        {"then gps goto 1 (reads the log)", {"gps", "goto", "1"}},
    };
    for (const auto &[what, words] : commands) {
        QList<Figures> runs;
        for (int i = 0; i < 11; ++i)
            runs << runMeasured(environment, portOption + words);
        printMedians(what, runs);
    }
    return 0;
}
