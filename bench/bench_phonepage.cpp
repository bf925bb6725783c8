#include "qmltestenvironment.h"
#include "recordingserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool showPage(QQuickView &view, const char *objectName)
{
    QQuickItem *root = view.rootObject();
    auto page = root ? root->findChild<QQuickItem *>(QString::fromLatin1(objectName)) : nullptr;
    if (!page)
        return false;
    QMetaObject::invokeMethod(
        root, "switchVisiblePage", Q_ARG(QVariant, QVariant::fromValue(page)));
    runEventLoop(1000);
    return page->isVisible();
}

// CPU of this process while the window shows a page and nothing moves, and
// how many calls reached the emulator in that time.
void measureIdle(RecordingServer &wire, const char *label, int seconds)
{
    const qsizetype framesBefore = wire.frames.size();
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = processCpuSeconds();
    runEventLoop(seconds * 1000);
    const double cpu = processCpuSeconds() - cpuBefore;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    std::printf("%s: %.2f %% of one core, %.1f calls/s over %.1f s\n",
                label,
                100.0 * cpu / elapsed,
                double(wire.frames.size() - framesBefore) / elapsed,
                elapsed);
}

} // namespace

// The window with the phone page shown and still: its timer sends gyroscope
// zeros every 100 ms. The recording server runs in this process, so its share
// of the work is counted too. The Sensors Values page gives the floor.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    QmlTestEnvironment environment;
    environment.answerDialogsWith(0x400);
    QQuickView view;
    environment.qmlEngineAvailable(view.engine());
    view.setSource(
        QUrl(QStringLiteral("qrc:/emulationmanagement/qml/EmulationManagementView.qml")));
    auto wire
        = view.rootContext()->contextProperty(QStringLiteral("wire")).value<RecordingServer *>();
    if (view.status() != QQuickView::Ready || !wire || !wire->waitForFrames(1)) {
        std::fprintf(stderr, "the window did not load or did not reach port 5454\n");
        return 1;
    }
    view.show();
    runEventLoop(1000);

    if (!showPage(view, "sensorsValuesPage"))
        return 2;
    measureIdle(*wire, "Sensors Values page, still", seconds);
    if (!showPage(view, "smartphoneModelPage"))
        return 2;
    measureIdle(*wire, "phone page, still", seconds);
    return 0;
}
