#include "qmltestenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

QString ggaLog(int points, int secondsApart)
{
    QStringList lines;
    for (int i = 0; i < points; ++i) {
        const int second = i * secondsApart;
        lines.append(QStringLiteral("$GPGGA,%1%2%3,48%4,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47")
                         .arg(second / 3600 % 24, 2, 10, QLatin1Char('0'))
                         .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                         .arg(second % 60, 2, 10, QLatin1Char('0'))
                         .arg(7.038 + i % 3000 * 0.0001, 7, 'f', 4, QLatin1Char('0')));
    }
    return lines.join(QLatin1Char('\n'));
}

int tableRows(QQuickItem *page)
{
    return page->findChild<QObject *>(QStringLiteral("trackTable"))->property("rows").toInt();
}

// From the file's text to the table filled and the track handed to the
// manager, as the page does it after reading a file.
void measureLoad(QQuickItem *page)
{
    const QString text = ggaLog(86400, 1);
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(page, "loadNmeaLog", Q_ARG(QVariant, text));
    const double seconds = timer.nsecsElapsed() / 1e9;
    QCoreApplication::processEvents();
    std::printf("load of a 24-hour log (86400 GGA lines): %.3f s for %d rows (goal 1 s %s)\n",
                seconds,
                tableRows(page),
                seconds <= 1.0 ? "met" : "MISSED");
}

// 600 points a second apart at 5x: each point is due 200 ms after the
// previous one, counted from the start of the playback.
void measurePlayback(QQuickItem *page, EmulationManagement::Internal::GPSEmulationManager *manager)
{
    QMetaObject::invokeMethod(page, "loadNmeaLog", Q_ARG(QVariant, ggaLog(600, 1)));
    manager->setTrackSpeed(5);
    QElapsedTimer clock;
    double worstLag = 0;
    double end = 0;
    int reached = 0;
    QEventLoop loop;
    QObject::connect(
        manager,
        &EmulationManagement::Internal::GPSEmulationManager::currentPositionIndexChanged,
        &loop,
        [&] {
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
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
    auto manager = qvariant_cast<EmulationManagement::Internal::GPSEmulationManager *>(
        view.engine()->rootContext()->contextProperty(QStringLiteral("gpsEmulationManager")));
    measureLoad(page);
    if (qEnvironmentVariableIsEmpty("EM_BENCH_LOAD_ONLY"))
        measurePlayback(page, manager);
    return 0;
}
