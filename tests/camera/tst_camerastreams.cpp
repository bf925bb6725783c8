#include "rtpjpegreceiver.h"
#include "signalrecorder.h"
#include "testmedia.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"
#include "camera/pipelinecontrol.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QVideoSink>

#include <gst/gst.h>

#include <memory>

#include <sys/stat.h>

using namespace EmulationManagement::Internal;

namespace {

const QSize hd(1280, 720);
const QSize vga(640, 480);
const QSize fileSize(320, 240);
const QString vp9 = QStringLiteral("vp9enc deadline=1 cpu-used=8 ! webmmux");
const QString vp8WithSound
    = QStringLiteral("vp8enc deadline=1 ! webmmux name=mux audiotestsrc "
                     "num-buffers=43 ! audioconvert ! vorbisenc ! mux. mux.");

int stateOf(GstElement *pipeline)
{
    return PipelineControl::settledState(pipeline);
}

void drainEvents()
{
    for (int i = 0; i < 100 && g_main_context_pending(nullptr); ++i)
        QCoreApplication::processEvents();
}

GstTracer *leaksTracer()
{
    GstTracer *found = nullptr;
    GList *tracers = gst_tracing_get_active_tracers();
    for (GList *item = tracers; item; item = item->next) {
        if (!found && g_str_equal(G_OBJECT_TYPE_NAME(item->data), "GstLeaksTracer"))
            found = GST_TRACER(gst_object_ref(item->data));
    }
    g_list_free_full(tracers, gst_object_unref);
    return found;
}

// Objects made since the tracking started and still alive, by type and
// address. Streaming threads drop their last task references just after a
// pipeline has stopped, so checkpoints are gathered for up to three seconds.
QStringList objectsMadeAndAlive(GstTracer *tracer)
{
    QMap<QString, int> net; // "type address" -> creations minus removals
    for (int attempt = 0; attempt < 60; ++attempt) {
        GstStructure *checkpoint = nullptr;
        g_signal_emit_by_name(tracer, "activity-get-checkpoint", &checkpoint);
        if (!checkpoint)
            return {QStringLiteral("(no checkpoint)")};
        for (const auto &[field, step] :
             {std::pair{"objects-created-list", 1}, {"objects-removed-list", -1}}) {
            const GValue *list = gst_structure_get_value(checkpoint, field);
            for (guint i = 0; list && i < gst_value_list_get_size(list); ++i) {
                const GstStructure *event
                    = gst_value_get_structure(gst_value_list_get_value(list, i));
                net[QStringLiteral("%1 %2").arg(gst_structure_get_string(event, "type-name"),
                                                gst_structure_get_string(event, "address"))]
                    += step;
            }
        }
        gst_structure_free(checkpoint);
        net.removeIf([](const auto &entry) { return entry.value() <= 0; });
        if (net.isEmpty())
            break;
        QTest::qWait(50);
    }
    return net.keys();
}

} // namespace

class CameraStreamsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void streamsReachTheReceiverAndReplaceEachOther();
    void rejectedFilesLeaveBothPipelinesStopped();
    void failingVideoStopsAndSaysSo();
    void teardownLeavesNoObjectAlive();

private:
    std::unique_ptr<CameraEmulationManager> streamingManager();

    TestMedia m_media;
    std::unique_ptr<RtpJpegReceiver> m_receiver;
    QString m_vp8;
    QString m_vp9;
};

void CameraStreamsTest::initTestCase()
{
    // Must be set before GStreamer starts; it only watches object lifetimes.
    qputenv("GST_TRACERS", "leaks");
    gst_init(nullptr, nullptr);
    QVERIFY(virtual_camera_register_static());
    // The VP8 file has a sound track to leave aside and a name to take literally.
    m_vp8 = m_media.make("clip #1 at 50% (copy) é.webm", vp8WithSound, 30);
    m_vp9 = m_media.make("vp9.webm", vp9, 8);
    QVERIFY(!m_vp8.isEmpty() && !m_vp9.isEmpty());
    m_receiver = std::make_unique<RtpJpegReceiver>();
    QVERIFY2(m_receiver->isListening(), "UDP port 34343 is taken");
}

void CameraStreamsTest::init()
{
    virtual_camera_unplug_all();
    virtual_camera_plug(0, "Virtual Camera 1");
    drainEvents();
    m_receiver->reset();
}

std::unique_ptr<CameraEmulationManager> CameraStreamsTest::streamingManager()
{
    auto manager = std::make_unique<CameraEmulationManager>();
    manager->populateCameras();
    return manager;
}

// Each stream replaces the other. New settings restart a running camera
// stream at the new size; a file plays to its end, its sound track left
// aside, and starts over until it is stopped.
void CameraStreamsTest::streamsReachTheReceiverAndReplaceEachOther()
{
    auto manager = streamingManager();
    SignalRecorder recorder(manager.get());
    QSignalSpy checked(manager.get(), &CameraEmulationManager::videoFileCodecChecked);
    manager->setCameraStreamSettings(); // idle: only applied
    QCOMPARE(stateOf(manager->cameraPipeline()), int(GST_STATE_NULL));
    manager->startCameraStream();
    QCOMPARE(recorder.names, (QStringList{"cameraStreamSettingsApplied", "streamRunningChanged"}));
    QVERIFY(m_receiver->waitForFrames(10, hd));
    QCOMPARE(m_receiver->frames(), m_receiver->frames(hd));
    recorder.clear();
    manager->setResolutionIndex(1);
    manager->setCameraStreamSettings();
    QCOMPARE(recorder.names.mid(5),
             (QStringList{
                 "streamRunningChanged", "streamRunningChanged", "cameraStreamSettingsApplied"}));
    m_receiver->reset();
    QVERIFY(m_receiver->waitForFrames(10, vga));

    recorder.clear();
    manager->startVideoStream(m_vp9);
    QCOMPARE(recorder.names, (QStringList{"videoFileCodecChecked", "streamRunningChanged"}));
    QCOMPARE(checked.first(), (QVariantList{true, QStringLiteral("VP9 video")}));
    QCOMPARE(stateOf(manager->cameraPipeline()), int(GST_STATE_NULL));
    QVERIFY(m_receiver->waitForFrames(3, fileSize));
    manager->startCameraStream();
    QCOMPARE(stateOf(manager->videoPipeline()), int(GST_STATE_NULL));
    m_receiver->reset();
    QVERIFY(m_receiver->waitForFrames(5, vga));

    recorder.clear();
    manager->startVideoStream(m_vp8);
    QCOMPARE(checked.last(), (QVariantList{true, QStringLiteral("VP8 video")}));
    QVERIFY(QTest::qWaitFor([&] { return recorder.count("videoStreamStopped") >= 2; }, 15000));
    m_receiver->reset();
    QVERIFY(m_receiver->waitForFrames(5, fileSize));
    QCOMPARE(recorder.count("streamRunningChanged"), 1);
    QCOMPARE(recorder.count("streamFailed"), 0);

    // An end of stream may still wait in the queue when the user stops.
    manager->stopVideoStream();
    emit manager->videoStreamStopped();
    QCOMPARE(stateOf(manager->videoPipeline()), int(GST_STATE_NULL));
    QCOMPARE(manager->streamRunning(), false);
}

void CameraStreamsTest::rejectedFilesLeaveBothPipelinesStopped()
{
    const QString fifo = m_media.path(QStringLiteral("fifo.webm"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString text = m_media.path(QStringLiteral("notes.webm"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a video\n") > 0);
    file.close();
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {m_media.make("theora.ogg", "theoraenc ! oggmux", 10), QStringLiteral("Theora")},
        {m_media.path(QStringLiteral("missing.webm")), QString()},
        {fifo, QString()}, // the discoverer would hang on it
        {m_media.path(QString()), QString()},
        {text, QString()},
        {QString(), QString()}, // nothing chosen: both stopped without a word
    };
    // clang-format on
    for (const auto &[path, codec] : rows) {
        auto manager = streamingManager();
        manager->startCameraStream();
        QSignalSpy checked(manager.get(), &CameraEmulationManager::videoFileCodecChecked);
        SignalRecorder recorder(manager.get());
        manager->startVideoStream(path);
        QCOMPARE(recorder.names.size(), path.isEmpty() ? 0 : 1);
        if (!path.isEmpty())
            QCOMPARE(checked.first(), (QVariantList{false, codec}));
        // The page stops the stream itself when it shows the error.
        QCOMPARE(manager->streamRunning(), true);
        QCOMPARE(stateOf(manager->cameraPipeline()), int(GST_STATE_NULL));
        QCOMPARE(stateOf(manager->videoPipeline()), int(GST_STATE_NULL));
    }
}

void CameraStreamsTest::failingVideoStopsAndSaysSo()
{
    // Decodes to a 10-bit format that jpegenc refuses while streaming.
    const QString tenBit = m_media.make("vp9-10bit.webm", vp9, 10, "I420_10LE");
    QVERIFY(!tenBit.isEmpty());
    auto manager = streamingManager();
    QSignalSpy failed(manager.get(), &CameraEmulationManager::streamFailed);
    SignalRecorder recorder(manager.get());
    manager->startVideoStream(tenBit);
    QVERIFY(failed.wait());
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(manager->streamRunning(), false);
    QCOMPARE(stateOf(manager->videoPipeline()), int(GST_STATE_NULL));
    drainEvents();
    QCOMPARE(recorder.names,
             (QStringList{"videoFileCodecChecked",
                          "streamRunningChanged",
                          "streamRunningChanged",
                          "streamFailed"}));
    QCOMPARE(m_receiver->frames(), 0);

    // A good file plays afterwards in the same pipeline, also when it is
    // chosen while another failing start is still under way.
    manager->startVideoStream(tenBit);
    manager->startVideoStream(m_vp8);
    QVERIFY(m_receiver->waitForFrames(20, fileSize));
    drainEvents();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(manager->streamRunning(), true);
}

void CameraStreamsTest::teardownLeavesNoObjectAlive()
{
    GstTracer *tracer = leaksTracer();
    QVERIFY2(tracer, "the leaks tracer is not active");

    // The receiver lives only as long as one run, so that none of its
    // objects is counted.
    m_receiver.reset();
    const auto lifetime = [this] {
        RtpJpegReceiver receiver;
        QVERIFY(receiver.isListening());
        QVideoSink preview;
        auto manager = streamingManager();
        manager->setPreviewSink(&preview);
        manager->startCameraStream();
        QVERIFY(receiver.waitForFrames(3, hd));
        manager->setPreviewSink(nullptr);
        manager->setCameraStreamSettings();
        manager->setPreviewSink(&preview);
        manager->startVideoStream(m_vp9);
        QVERIFY(receiver.waitForFrames(3, fileSize));
        manager->startVideoStream(m_media.path(QStringLiteral("missing.webm")));
        manager->updateCamerasList();
        manager->startCameraStream();
        drainEvents();
    };
    // The first run creates what GStreamer keeps for the whole process.
    lifetime();
    drainEvents();
    g_signal_emit_by_name(tracer, "activity-start-tracking");
    lifetime();
    drainEvents();
    const QStringList alive = objectsMadeAndAlive(tracer);
    g_signal_emit_by_name(tracer, "activity-stop-tracking");
    gst_object_unref(tracer);
    m_receiver = std::make_unique<RtpJpegReceiver>();
    QVERIFY2(alive.isEmpty(), qPrintable(alive.join(QLatin1String(", "))));
}

QTEST_GUILESS_MAIN(CameraStreamsTest)
#include "tst_camerastreams.moc"
