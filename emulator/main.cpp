#include "emulator/emulatoroptions.h"
#include "emulator/simulatedemulator.h"
#include "emulator/terminationsignals.h"

#include <QCoreApplication>

#include <gst/gst.h>

#include <csignal>
#include <cstdio>

using namespace EmulationManagement::Emulator;

namespace {

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // Whoever reads the log on stdout may go away before the emulator does:
    // writing it then must fail quietly instead of ending the program.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("strova-emulator"));
    gst_init(nullptr, nullptr);

    QString error;
    bool helpRequested = false;
    const std::optional<EmulatorOptions> options
        = EmulatorOptions::parse(QCoreApplication::arguments(), &error, &helpRequested);
    if (helpRequested) {
        printLine(stdout, EmulatorOptions::helpText());
        return 0;
    }
    if (!options) {
        printLine(stderr, QStringLiteral("strova-emulator: %1").arg(error));
        return 2;
    }

    TerminationSignals termination;
    if (!termination.isValid()) {
        printLine(stderr, QStringLiteral("strova-emulator: cannot watch for termination signals"));
        return 1;
    }
    QObject::connect(
        &termination, &TerminationSignals::received, &app, [] { QCoreApplication::exit(0); });

    SimulatedEmulator emulator(*options);
    QObject::connect(&emulator, &SimulatedEmulator::failed, &app, [](const QString &reason) {
        printLine(stderr, QStringLiteral("strova-emulator: %1").arg(reason));
        QCoreApplication::exit(1);
    });
    if (!emulator.start(&error)) {
        printLine(stderr, QStringLiteral("strova-emulator: %1").arg(error));
        return 1;
    }
    return QCoreApplication::exec();
}
