#include "rtpjpegreceiver.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTest>
#include <QVideoSink>

#include <gst/gst.h>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>

namespace {

const QSize hd(1280, 720);

// CPU seconds of this process, all threads; the receiver runs in a child
// process so that only the sender is counted.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Measurement
{
    double seconds = 0;
    double cpu = 0;
    int frames = 0;
    int shown = 0;

    double fps() const { return frames / seconds; }
    double shownFps() const { return shown / seconds; }
    double cpuShare() const { return 100.0 * cpu / seconds; }
};

// The receiving side: "reset" starts counting, "report" prints the frames
// counted and the seconds since.
// The process's CPU time and the wall time over seconds of event loop.
Measurement measurePeriod(int seconds)
{
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    Measurement result;
    result.cpu = cpuSeconds() - cpuStart;
    result.seconds = wall.elapsed() / 1000.0;
    return result;
}

int runReceiver()
{
    RtpJpegReceiver receiver;
    std::printf("%s\n", receiver.isListening() ? "listening" : "taken");
    std::fflush(stdout);
    if (!receiver.isListening())
        return 1;
    QElapsedTimer wall;
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        const QByteArray command = input.readLine().trimmed();
        if (command == "reset") {
            receiver.reset();
            wall.start();
        } else {
            std::printf("%d %.3f\n", receiver.frames(hd), wall.elapsed() / 1000.0);
            std::fflush(stdout);
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

bool startReceiver(QProcess &receiver, const QString &program)
{
    receiver.start(program, {QStringLiteral("--receiver")});
    return receiver.waitForReadyRead(5000) && receiver.readLine().trimmed() == "listening";
}

// With a preview sink the stream carries the page's preview branch.
Measurement measureCamera(QProcess &receiver, int seconds, QVideoSink *preview)
{
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setPreviewSink(preview);
    int shown = 0;
    if (preview)
        QObject::connect(preview, &QVideoSink::videoFrameChanged, &manager, [&shown] { ++shown; });
    manager.startCameraStream();
    QTest::qWait(500);
    receiver.write("reset\n");
    shown = 0;
    Measurement result = measurePeriod(seconds);
    receiver.write("report\n");
    receiver.waitForReadyRead(5000);
    const QList<QByteArray> report = receiver.readLine().trimmed().split(' ');
    result.frames = report.value(0).toInt();
    result.shown = shown;
    manager.stopCameraStream();
    receiver.waitForFinished(5000);
    return result;
}

std::atomic<int> bareFrames{0};

void countFrame(GstElement *, GstBuffer *, GstPad *, gpointer)
{
    ++bareFrames;
}

Measurement measureBare(int seconds)
{
    GstElement *pipeline = gst_parse_launch(
        "videotestsrc is-live=true pattern=smpte ! "
        "video/x-raw,format=YUY2,width=1280,height=720,framerate=30/1 ! jpegenc quality=50 ! "
        "fakesink name=sink signal-handoffs=true",
        nullptr);
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
    g_signal_connect(sink, "handoff", G_CALLBACK(countFrame), nullptr);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    QTest::qWait(500);
    const int startFrames = bareFrames;
    Measurement result = measurePeriod(seconds);
    result.frames = bareFrames - startFrames;
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(sink);
    gst_object_unref(pipeline);
    return result;
}

} // namespace

// Streams the virtual camera at 1280x720@30 to a receiver on UDP
// 127.0.0.1:34343, without and with the camera page's preview, and prints the
// frames per second received and the sender's CPU, next to a bare
// videotestsrc ! jpegenc ! fakesink of the same picture.
// Run it under flock /tmp/port34343.lock; the argument is seconds per run.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    if (app.arguments().value(1) == QLatin1String("--receiver"))
        return runReceiver();
    const int seconds = qMax(1, app.arguments().value(1, QStringLiteral("10")).toInt());

    virtual_camera_register_static();
    virtual_camera_unplug_all();
    virtual_camera_plug(0, "Virtual Camera 1");

    QProcess receiver;
    if (!startReceiver(receiver, app.applicationFilePath())) {
        std::fprintf(stderr, "no receiver: UDP port 34343 is taken\n");
        return 1;
    }
    const Measurement camera = measureCamera(receiver, seconds, nullptr);
    QVideoSink sink;
    if (!startReceiver(receiver, app.applicationFilePath())) {
        std::fprintf(stderr, "no receiver: UDP port 34343 is taken\n");
        return 1;
    }
    const Measurement previewed = measureCamera(receiver, seconds, &sink);
    const Measurement bare = measureBare(seconds);

    std::printf("camera stream 1280x720@30 over UDP: %.1f fps received, sender %.1f %% of a core\n",
                camera.fps(),
                camera.cpuShare());
    std::printf("same with the preview: %.1f fps received, %.1f preview fps shown, sender %.1f %% "
                "of a core\n",
                previewed.fps(),
                previewed.shownFps(),
                previewed.cpuShare());
    std::printf("the preview adds %.1f %% of a core (goal: at most 10; received goal: 29.5 fps)\n",
                previewed.cpuShare() - camera.cpuShare());
    std::printf("bare videotestsrc ! jpegenc ! fakesink: %.1f fps, %.1f %% of a core\n",
                bare.fps(),
                bare.cpuShare());
    std::printf("sender CPU ratio camera stream / bare pipeline: %.2f\n",
                camera.cpuShare() / bare.cpuShare());
    return 0;
}
