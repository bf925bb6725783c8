#include "ideenvironment.h"

#include "plugin/emulationmanagementplugin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace EmulationManagement::Internal;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Milliseconds from a change until the frame that shows it is on screen.
double waitForFrame(QQuickWindow *window, const std::function<void()> &change)
{
    QEventLoop loop;
    const auto connection
        = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    change();
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

// Share of one core the process uses over a quiet period, and frames drawn.
void printIdle(QQuickWindow *window, const char *what, int seconds)
{
    int frames = 0;
    const auto connection
        = QObject::connect(window, &QQuickWindow::frameSwapped, [&frames] { ++frames; });
    const double start = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = cpuSeconds() - start;
    QObject::disconnect(connection);
    std::printf("idle, %s: %.2f %% of one core, %d frames in %d s\n",
                what,
                100.0 * used / (timer.nsecsElapsed() / 1e9),
                frames,
                seconds);
}

// Frames of 60 changes: wall time from change to frame, and CPU per change
// (all threads, Mesa's renderer included), which is steadier than the wall
// time on a machine that other work shares.
void printChanges(QQuickWindow *window, const char *what, const std::function<void(int)> &change)
{
    QList<double> changes;
    const double cpuBefore = cpuSeconds();
    for (int step = 1; step <= 60; ++step)
        changes.append(waitForFrame(window, [&change, step] { change(step); }));
    const double cpuPerChange = (cpuSeconds() - cpuBefore) * 1000 / changes.size();
    std::sort(changes.begin(), changes.end());
    std::printf("%s to frame: %.1f ms median, %.1f ms 90th percentile, %.1f ms worst of %lld; "
                "%.1f ms of CPU per change\n",
                what,
                changes.at(changes.size() / 2),
                changes.at(changes.size() * 9 / 10),
                changes.last(),
                qint64(changes.size()),
                cpuPerChange);
}

} // namespace

// The window on the phone page with the demo device's 3D model, run under a
// display with OpenGL (scripts/bench.sh uses Xvfb and Mesa's software
// OpenGL): host CPU while nothing moves, with the model and with it hidden,
// and the time from one pose change to its frame beside a 2D-only change.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IdeEnvironment ide;

    EmulationManagementPlugin plugin;
    plugin.initialize({}, nullptr);
    QQuickView *view = nullptr;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        view = view ? view : qobject_cast<QQuickView *>(window);
    if (!view)
        return 1;
    waitForFrame(view, [view] { view->show(); });

    QObject *root = view->rootObject();
    auto *model = root->findChild<QQuickItem *>(QStringLiteral("smartphoneModel"));
    const QVariantList pages = root->property("pagesIds").toList();
    auto page = std::find_if(pages.cbegin(), pages.cend(), [](const QVariant &page) {
        return page.value<QObject *>()->findChild<QQuickItem *>(QStringLiteral("smartphoneModel"));
    });
    if (!model || page == pages.cend())
        return 1;
    waitForFrame(view, [root, page] {
        QMetaObject::invokeMethod(root, "switchVisiblePage", Q_ARG(QVariant, *page));
    });
    // The model's files are checked off the window's thread; it shows
    // nothing until they are.
    while (model->property("checkingFiles").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!model->property("showing").toBool()) {
        std::printf("the 3D model is not drawn here (no OpenGL, or no model files)\n");
        return 1;
    }

    // The Z-Rot slider moving is the page's own 2D change: its frames, with the
    // model hidden, are the floor that a pose change adds the 3D view to.
    auto *zRotSlider = view->rootObject()->findChild<QObject *>(QStringLiteral("zRotSlider"));
    printChanges(view, "pose change", [model](int step) {
        model->setProperty("zRotation", step * 3.0);
        model->setProperty("xRotation", -step * 1.5);
    });
    printIdle(view, "phone page with the model", 5);
    waitForFrame(view, [model] { model->setVisible(false); });
    printIdle(view, "phone page, model hidden", 5);
    printChanges(view, "Z-Rot slider step, model hidden", [zRotSlider](int step) {
        zRotSlider->setProperty("value", step * 3.0);
    });
    return 0;
}
