#include "qmltestenvironment.h"
#include "recordingserver.h"
#include "threadholdmonitor.h"
#include "tracktexts.h"

#include "transport/remotedbusinvokerservice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using EmulationManagement::Internal::GPSEmulationManager;
using EmulationManagement::Internal::RemoteDBusInvokerService;

namespace {

// The emulator reads the calls in a process of its own: a server on a thread
// of its own stands in for it, reads every call and keeps none, so that
// neither reading a long track's call nor keeping it counts as the window's.
class EmulatorStandIn
{
public:
    EmulatorStandIn()
    {
        m_thread.start();
        m_server.moveToThread(&m_thread);
        QObject::connect(&m_server, &QWebSocketServer::newConnection, &m_server, [this] {
            while (QWebSocket *client = m_server.nextPendingConnection())
                QObject::connect(client, &QWebSocket::textMessageReceived, client, [] {});
        });
        QMetaObject::invokeMethod(
            &m_server,
            [this] { m_server.listen(QHostAddress::LocalHost, 5454); },
            Qt::BlockingQueuedConnection);
    }
    ~EmulatorStandIn()
    {
        QMetaObject::invokeMethod(
            &m_server, [this] { m_server.close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

private:
    QThread m_thread;
    QWebSocketServer m_server{QStringLiteral("emulator"), QWebSocketServer::NonSecureMode};
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

QObject *child(QQuickItem *page, const char *name)
{
    return page->findChild<QObject *>(QLatin1String(name));
}

struct Load
{
    double seconds = 0;
    double longestStall = 0;
    double longestHold = 0;
    int rows = 0;
};

// From the chosen file to the table filled and "loadTrack" sent, as the
// page does it, with how long the window's thread was held meanwhile.
Load loadFile(QQuickItem *page, const QString &path)
{
    Load load;
    ThreadHoldMonitor monitor;
    QElapsedTimer clock;
    QEventLoop loop;
    QQmlProperty loading(page, QStringLiteral("loading"));
    loading.connectNotifySignal(&loop, SLOT(quit()));
    clock.start();
    monitor.start();
    QMetaObject::invokeMethod(page, "loadTrackFile", Q_ARG(QVariant, QUrl::fromLocalFile(path)));
    while (page->property("loading").toBool())
        loop.exec();
    load.seconds = clock.nsecsElapsed() / 1e9;
    load.longestHold = monitor.longestHold();
    load.longestStall = monitor.longestStall();
    load.rows = child(page, "trackTable")->property("rows").toInt();
    return load;
}

void measureLoads(QQuickItem *page,
                  const char *name,
                  const QByteArray &text,
                  const char *suffix,
                  double goalSeconds,
                  const char *before)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.") + QLatin1String(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return;
    file.close();
    QList<double> seconds;
    double stall = 0;
    double hold = 0;
    int rows = 0;
    for (int run = 0; run < 5; ++run) {
        const Load load = loadFile(page, path);
        seconds.append(load.seconds);
        stall = std::max(stall, load.longestStall);
        hold = std::max(hold, load.longestHold);
        rows = load.rows;
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf(
        "whole load of %s (%.1f MB, %d rows): median of 5 %.3f s (goal %.1f s %s), "
        "longest hold of the window's thread %.0f ms of CPU (goal 50 ms %s; longest "
        "wall-clock gap between its 10 ms ticks %.0f ms), peak %.0f MB (goal 1024 MB %s)%s%s\n",
        name,
        text.size() / 1e6,
        rows,
        seconds.at(2),
        goalSeconds,
        seconds.at(2) <= goalSeconds ? "met" : "MISSED",
        hold,
        hold <= 50 ? "met" : "MISSED",
        stall,
        peakMegabytes(),
        peakMegabytes() <= 1024 ? "met" : "MISSED",
        *before ? "; before: " : "",
        before);
}

// The table scrolled a screen at a time from top to bottom: the model is
// asked only for the rows shown.
void measureScrolling(QQuickView *view, QQuickItem *page)
{
    QObject *table = child(page, "trackTable");
    const double height = table->property("height").toDouble();
    const double end = table->property("contentHeight").toDouble() - height;
    QElapsedTimer clock;
    int frames = 0;
    double worst = 0;
    QObject::connect(view, &QQuickWindow::frameSwapped, view, [&] { ++frames; });
    clock.start();
    for (double y = 0; y < end; y += std::max(end / 200, height)) {
        QElapsedTimer step;
        step.start();
        table->setProperty("contentY", y);
        QCoreApplication::processEvents();
        view->update();
        const int framesBefore = frames;
        while (frames == framesBefore && step.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        worst = std::max(worst, step.nsecsElapsed() / 1e6);
    }
    const double mean = clock.nsecsElapsed() / 1e6 / 200;
    std::printf("scrolling %d rows in 200 steps of a screen or more: %.1f ms a step to its frame "
                "(goal 16.7 ms %s), slowest step %.0f ms\n",
                table->property("rows").toInt(),
                mean,
                mean <= 16.7 ? "met" : "MISSED",
                worst);
}

// 600 points a second apart at 5x: each point is due 200 ms after the
// previous one, counted from the start of the playback.
void measurePlayback(QQuickItem *page, GPSEmulationManager *manager)
{
    QMetaObject::invokeMethod(
        page, "loadNmeaLog", Q_ARG(QVariant, QString::fromLatin1(TrackTexts::ggaLog(600))));
    manager->setTrackSpeed(5);
    QElapsedTimer clock;
    double worstLag = 0;
    double end = 0;
    int reached = 0;
    QEventLoop loop;
    QObject::connect(manager, &GPSEmulationManager::currentPositionIndexChanged, &loop, [&] {
        // The sync timer repeats the index; only arrivals count.
        const int index = manager->currentPositionIndex();
        if (index == reached || !clock.isValid())
            return;
        reached = index;
        const double at = clock.nsecsElapsed() / 1e6;
        worstLag = std::max(worstLag, std::abs(at - index * 200.0));
        if (index == 599) {
            end = at;
            loop.quit();
        }
    });
    clock.start();
    QMetaObject::invokeMethod(page, "startTrack");
    loop.exec();
    const double error = std::abs(end - 119800.0) / 119800.0 * 100;
    std::printf("playback of 600 points 1 s apart at 5x: last point at %.1f s (nominal 119.8 s, "
                "off by %.3f %%, goal 0.5 %% %s), worst lag of a point %.1f ms\n",
                end / 1000,
                error,
                error <= 0.5 ? "met" : "MISSED",
                worstLag);
}

} // namespace

// One figure group per process, so that each peak is its own: "day" (a 24 h
// log), "nmea50", "gpx50" (50 MB files, then the table scrolled) or
// "playback".
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("day");
    QmlTestEnvironment environment;
    QQuickView view;
    environment.qmlEngineAvailable(view.engine());
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/emulationmanagement/qml/GpsManagementPage.qml")));
    auto page = qobject_cast<QQuickItem *>(view.rootObject());
    if (!page) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }
    page->setProperty("active", true);
    view.resize(900, 600);
    view.show();
    auto manager = qvariant_cast<GPSEmulationManager *>(
        view.engine()->rootContext()->contextProperty(QStringLiteral("gpsEmulationManager")));
    // The test rig's recording server runs on the window's thread: the
    // invoker moves over to the stand-in.
    auto invoker = qvariant_cast<RemoteDBusInvokerService *>(
        view.engine()->rootContext()->contextProperty(QStringLiteral("remoteDBusInvokerService")));
    bool connected = false;
    QObject::connect(
        invoker, &RemoteDBusInvokerService::webSocketConnected, [&] { connected = true; });
    qvariant_cast<RecordingServer *>(
        view.engine()->rootContext()->contextProperty(QStringLiteral("wire")))
        ->close();
    const EmulatorStandIn emulator;
    QElapsedTimer waited;
    waited.start();
    while (!connected && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (mode == QLatin1String("day")) {
        measureLoads(page,
                     "a 24 h GGA log",
                     TrackTexts::ggaLog(86400),
                     "nmea",
                     1.0,
                     "3.4-4.2 s, all on the window's thread");
    } else if (mode == QLatin1String("nmea50")) {
        measureLoads(page,
                     "a 50 MB RMC log",
                     TrackTexts::rmcLog(50 << 20),
                     "nmea",
                     5.0,
                     "29 s frozen, 2.7 GB; then 248 ms holds while \"loadTrack\" was sent");
        measureScrolling(&view, page);
    } else if (mode == QLatin1String("gpx50")) {
        measureLoads(page,
                     "a 50 MB GPX track",
                     TrackTexts::gpxTrack(50 << 20),
                     "gpx",
                     5.0,
                     "17 s frozen, 1.75 GB; then 74 ms holds while \"loadTrack\" was sent");
    } else {
        measurePlayback(page, manager);
    }
    return 0;
}
