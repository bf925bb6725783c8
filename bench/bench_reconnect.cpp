#include "transport/remotedbusinvokerservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

using EmulationManagement::Internal::RemoteDBusInvokerService;

static double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Keeps the invoker trying to reach an emulator that is not there (nothing
// may listen on 127.0.0.1:5454) and prints the CPU share and attempt rate.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;

    RemoteDBusInvokerService invoker;
    int attempts = 0;
    QObject::connect(
        &invoker, &RemoteDBusInvokerService::webSocketDisconnected, [&] { ++attempts; });
    QObject::connect(&invoker, &RemoteDBusInvokerService::webSocketConnected, [] {
        std::fprintf(stderr, "something listens on port 5454; stop it first\n");
        QCoreApplication::exit(1);
    });

    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    invoker.connectToEmulator();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    const int result = app.exec();

    const double elapsed = wall.elapsed() / 1000.0;
    std::printf(
        "reconnect: %.1f s with nothing listening: %d attempts (%.1f/s), CPU %.2f %% of one core\n",
        elapsed,
        attempts,
        attempts / elapsed,
        100.0 * (cpuSeconds() - cpuStart) / elapsed);
    return result;
}
