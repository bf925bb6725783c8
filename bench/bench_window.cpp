#include "ideenvironment.h"

#include "plugin/emulationmanagementplugin.h"
#include "plugin/qmlregistration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace EmulationManagement::Internal;

namespace {

// The window's imports and nothing else: what loading any such document costs.
const char floorDocument[] = "import QtQuick\nimport QtQuick.Window\nimport QtQuick.Layouts\n"
                             "import QtQuick.Controls\nimport QtQuick.Dialogs\nimport QtSensors\n"
                             "import QtMultimedia\nimport QtQuick3D\nimport Qt.labs.qmlmodels\n"
                             "import org.mirel 1.0\nRectangle { width: 1100; height: 600 }\n";

double waitForFrame(QQuickWindow *window, const std::function<void()> &change)
{
    QEventLoop loop;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    change();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

double loadFloor(const QString &directory)
{
    const QString file = directory + QStringLiteral("/floor.qml");
    QFile document(file);
    if (!document.open(QIODevice::WriteOnly) || document.write(floorDocument) < 0)
        return -1;
    document.close();
    QElapsedTimer timer;
    timer.start();
    registerQmlTypes();
    QQuickView view;
    setThemeContextProperties(view.rootContext());
    view.setSource(QUrl::fromLocalFile(file));
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

// One fresh process per figure, as an IDE start is: "floor" prints the time to
// load an empty document with the window's imports; "window" prints the
// plug-in's initialize, the first frame of the window and the median page switch.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IdeEnvironment ide;

    if (argc > 1 && qstrcmp(argv[1], "floor") == 0) {
        std::printf("floor %.1f ms\n", loadFloor(ide.dir.path()));
        return 0;
    }

    EmulationManagementPlugin plugin;
    QElapsedTimer timer;
    timer.start();
    plugin.initialize({}, nullptr);
    std::printf("initialize %.1f ms\n", timer.nsecsElapsed() / 1e6);

    QQuickView *view = nullptr;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        view = view ? view : qobject_cast<QQuickView *>(window);
    if (!view)
        return 1;
    std::printf("first show %.1f ms\n", waitForFrame(view, [view] { view->show(); }));

    QObject *root = view->rootObject();
    const QVariantList pages = root->property("pagesIds").toList();
    QList<double> switches;
    for (int round = 0; round < 4; ++round) {
        for (const QVariant &page : pages) {
            switches.append(waitForFrame(view, [root, page] {
                QMetaObject::invokeMethod(root, "switchVisiblePage", Q_ARG(QVariant, page));
            }));
        }
    }
    std::sort(switches.begin(), switches.end());
    std::printf("page switch %.1f ms median, %.1f ms worst of %lld\n",
                switches.at(switches.size() / 2),
                switches.last(),
                qint64(switches.size()));
    return 0;
}
