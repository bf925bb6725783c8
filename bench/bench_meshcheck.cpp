#include "qmltestenvironment.h"
#include "threadholdmonitor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {

const char largeModel[] = "Large Mesh Bench";
const int entriesPerMesh = 4;

QByteArray words(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (const quint32 value : values) {
        char word[4];
        qToLittleEndian(value, word);
        bytes.append(word, 4);
    }
    return bytes;
}

// A whole mesh file of about `megabytes`: copies of the shipped phone's one
// mesh, each named by several footer entries.
bool writeLargeMesh(const QString &shipped, const QString &path, int megabytes)
{
    QFile source(shipped);
    QFile file(path);
    if (!source.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray mesh = source.readAll().chopped(32); // its entry and the footer
    const quint32 count = quint32((qint64(megabytes) << 20) / mesh.size());
    QByteArray entries;
    for (quint32 i = 0; i < count; ++i) {
        if (file.write(mesh) != mesh.size())
            return false;
        for (int j = 0; j < entriesPerMesh; ++j)
            entries += words({quint32(i * mesh.size()), 0, 1, 0});
    }
    const quint32 entriesOffset = quint32(file.pos());
    entries += words({555777497U, 1, entriesOffset, count * entriesPerMesh});
    return file.write(entries) == entries.size();
}

// The large model's configuration and mesh beside this program, where the
// model lookup looks, for as long as it runs.
class LargeModelFiles
{
public:
    LargeModelFiles()
        : m_directory(QCoreApplication::applicationDirPath())
    {
        QFile config(m_directory.filePath(QStringLiteral("configs/large-mesh-bench.ini")));
        m_written = config.open(QIODevice::WriteOnly)
                    && config.write(QByteArray("device-name=") + largeModel
                                    + "\nmesh=large-mesh-bench.mesh\ntexture=default.png\n")
                           > 0
                    && writeLargeMesh(
                        m_directory.filePath(QStringLiteral("meshes/strova-phone-5.mesh")),
                        m_directory.filePath(QStringLiteral("meshes/large-mesh-bench.mesh")),
                        100);
    }
    ~LargeModelFiles()
    {
        QFile::remove(m_directory.filePath(QStringLiteral("configs/large-mesh-bench.ini")));
        QFile::remove(m_directory.filePath(QStringLiteral("meshes/large-mesh-bench.mesh")));
    }
    bool written() const { return m_written; }
    qint64 meshSize() const
    {
        return QFileInfo(m_directory.filePath(QStringLiteral("meshes/large-mesh-bench.mesh")))
            .size();
    }

private:
    QDir m_directory;
    bool m_written = false;
};

struct Check
{
    double milliseconds = 0;
    double longestHold = 0;
    double longestStall = 0;
};

// From a selection of the device model until its files are checked, as the
// window does it, with how long the window's thread was held meanwhile. A
// tick after the end counts a check that held the thread to its end.
Check selectModel(QmlTestEnvironment &environment, QQuickItem *model, const char *name)
{
    Check check;
    ThreadHoldMonitor monitor;
    QElapsedTimer clock;
    clock.start();
    monitor.start();
    environment.selectDeviceModel(QLatin1String(name));
    while (model->property("checkingFiles").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    check.milliseconds = clock.nsecsElapsed() / 1e6;
    for (const int end = monitor.ticks(); monitor.ticks() == end;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    check.longestHold = monitor.longestHold();
    check.longestStall = monitor.longestStall();
    return check;
}

} // namespace

// The phone page's model check of a 100 MB mesh with many footer entries:
// how long it takes and how long it holds the window's thread at most.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const LargeModelFiles files;
    if (!files.written()) {
        std::fprintf(stderr, "the large model's files could not be written beside the bench\n");
        return 1;
    }
    QmlTestEnvironment environment;
    QQuickView view;
    environment.qmlEngineAvailable(view.engine());
    view.setSource(
        QUrl(QStringLiteral("qrc:/emulationmanagement/qml/EmulationManagementView.qml")));
    auto model = view.rootObject()
                     ? view.rootObject()->findChild<QQuickItem *>(QStringLiteral("smartphoneModel"))
                     : nullptr;
    if (!model) {
        std::fprintf(stderr, "the window did not load\n");
        return 1;
    }
    view.show();
    QList<double> milliseconds;
    double hold = 0;
    double stall = 0;
    for (int run = 0; run < 5; ++run) {
        selectModel(environment, model, "default");
        const Check check = selectModel(environment, model, largeModel);
        milliseconds.append(check.milliseconds);
        hold = std::max(hold, check.longestHold);
        stall = std::max(stall, check.longestStall);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf(
        "check of a %.0f MB mesh named by %d entries each: median of 5 %.0f ms, longest hold "
        "of the window's thread %.0f ms of CPU (longest wall-clock gap between its 10 ms "
        "ticks %.0f ms); before, with the check on the window's thread: 58-60 ms of CPU, "
        "gaps of 96-119 ms\n",
        files.meshSize() / 1e6,
        entriesPerMesh,
        milliseconds.at(2),
        hold,
        stall);
    return 0;
}
