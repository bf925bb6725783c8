#include "rtpjpegreceiver.h"
#include "testtimeouts.h"
#include "signalrecorder.h"
#include "testmedia.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"
#include "camera/pipelinecontrol.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <gst/gst.h>

#include <sys/stat.h>

using namespace EmulationManagement::Internal;
using PipelineControl::settledState;

namespace {

const QSize hd(1280, 720);
const QSize vga(640, 480);
const QSize fileSize(320, 240);
const QString vp9 = QStringLiteral("vp9enc deadline=1 cpu-used=8 ! webmmux");
const QString vp8WithSound
    = QStringLiteral("vp8enc deadline=1 ! webmmux name=mux audiotestsrc "
                     "num-buffers=43 ! audioconvert ! vorbisenc ! mux. mux.");

void drainEvents()
{
    for (int i = 0; i < 100 && g_main_context_pending(nullptr); ++i)
        QCoreApplication::processEvents();
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
    void deepAndFullChromaVideosStream_data();
    void deepAndFullChromaVideosStream();
    void failingVideoStopsAndSaysSo();

private:
    TestMedia m_media;
    RtpJpegReceiver m_receiver;
    QString m_vp8;
    QString m_vp9;
};

void CameraStreamsTest::initTestCase()
{
    gst_init(nullptr, nullptr);
    QVERIFY(virtual_camera_register_static());
    // The VP8 file has a sound track to leave aside and a name to take literally.
    m_vp8 = m_media.make("clip #1 at 50% (copy) é.webm", vp8WithSound, 30);
    m_vp9 = m_media.make("vp9.webm", vp9, 8);
    QVERIFY2(m_receiver.isListening(), "UDP port 34343 is taken");
}

void CameraStreamsTest::init()
{
    virtual_camera_unplug_all();
    virtual_camera_plug(0, "Virtual Camera 1");
    drainEvents();
    m_receiver.reset();
}

// Each stream replaces the other. New settings restart a running camera
// stream at the new size; a file plays to its end, its sound track left
// aside, and starts over until it is stopped.
void CameraStreamsTest::streamsReachTheReceiverAndReplaceEachOther()
{
    CameraEmulationManager manager;
    manager.populateCameras();
    SignalRecorder recorder(&manager);
    QSignalSpy checked(&manager, &CameraEmulationManager::videoFileCodecChecked);
    manager.setCameraStreamSettings(); // idle: only applied
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_NULL));
    manager.startCameraStream();
    QCOMPARE(recorder.names,
             (QStringList{"cameraStreamSettingsApplied", "streamRunningChanged", "streamStarted"}));
    QVERIFY(m_receiver.waitForFrames(10, hd));
    QCOMPARE(m_receiver.sizes(), QList<QSize>{hd});
    recorder.clear();
    manager.setResolutionIndex(1);
    manager.setCameraStreamSettings();
    QCOMPARE(recorder.names.mid(5),
             (QStringList{"streamRunningChanged",
                          "streamRunningChanged",
                          "streamStarted",
                          "cameraStreamSettingsApplied"}));
    m_receiver.reset();
    QVERIFY(m_receiver.waitForFrames(10, vga));

    recorder.clear();
    manager.startVideoStream(m_vp9);
    QCOMPARE(recorder.names,
             (QStringList{"videoFileCodecChecked", "streamRunningChanged", "streamStarted"}));
    QCOMPARE(checked.first(), (QVariantList{true, QStringLiteral("VP9 video")}));
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_NULL));
    QVERIFY(m_receiver.waitForFrames(3, fileSize));

    recorder.clear();
    manager.startVideoStream(m_vp8);
    QCOMPARE(checked.last(), (QVariantList{true, QStringLiteral("VP8 video")}));
    QVERIFY(QTest::qWaitFor([&] { return recorder.count("videoStreamStopped") >= 2; }, eventTimeoutMs));
    m_receiver.reset();
    QVERIFY(m_receiver.waitForFrames(5, fileSize));
    QCOMPARE(recorder.count("streamRunningChanged"), 1);
    QCOMPARE(recorder.count("streamFailed"), 0);

    // An end of stream may still wait in the queue when the user stops.
    manager.stopVideoStream();
    emit manager.videoStreamStopped();
    QCOMPARE(settledState(manager.videoPipeline()), int(GST_STATE_NULL));
    QCOMPARE(manager.streamRunning(), false);
}

void CameraStreamsTest::rejectedFilesLeaveBothPipelinesStopped()
{
    const QString fifo = m_media.path(QStringLiteral("fifo.webm"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    // The discoverer would hang on the fifo; an empty path means nothing chosen.
    // clang-format off
    const QString rows[] = {m_media.path(QStringLiteral("missing.webm")), fifo, m_media.path(QString()), QString()};
    // clang-format on
    for (const QString &path : rows) {
        CameraEmulationManager manager;
        manager.populateCameras();
        manager.startCameraStream();
        QSignalSpy checked(&manager, &CameraEmulationManager::videoFileCodecChecked);
        SignalRecorder recorder(&manager);
        manager.startVideoStream(path);
        QCOMPARE(recorder.names.size(), path.isEmpty() ? 0 : 1);
        if (!path.isEmpty())
            QCOMPARE(checked.first(), (QVariantList{false, QString()}));
        // The page stops the stream itself when it shows the error.
        QCOMPARE(manager.streamRunning(), true);
        QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_NULL));
        QCOMPARE(settledState(manager.videoPipeline()), int(GST_STATE_NULL));
    }
}

// As recent phones record: 10-bit (VP9 profile 2) and 4:4:4 pictures.
void CameraStreamsTest::deepAndFullChromaVideosStream_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("10-bit 4:2:0") << "I420_10LE";
    QTest::newRow("8-bit 4:4:4") << "Y444";
    QTest::newRow("10-bit 4:4:4") << "Y444_10LE";
}

void CameraStreamsTest::deepAndFullChromaVideosStream()
{
    QFETCH(QString, format);
    const QString path = m_media.make(format + ".webm", vp9, 10, format);
    QVERIFY(!path.isEmpty());
    CameraEmulationManager manager;
    manager.populateCameras();
    QSignalSpy failed(&manager, &CameraEmulationManager::streamFailed);
    manager.startVideoStream(path);
    QVERIFY(m_receiver.waitForFrames(15, fileSize));
    QCOMPARE(failed.size(), 0);
}

// The file is gone when the stream starts over at its end.
void CameraStreamsTest::failingVideoStopsAndSaysSo()
{
    const QString gone = m_media.make("gone.webm", vp9, 5);
    CameraEmulationManager manager;
    manager.populateCameras();
    QSignalSpy failed(&manager, &CameraEmulationManager::streamFailed);
    manager.startVideoStream(gone);
    QVERIFY(m_receiver.waitForFrames(1, fileSize));
    SignalRecorder recorder(&manager);
    QVERIFY(QFile::remove(gone));
    QVERIFY(failed.wait(eventTimeoutMs));
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(settledState(manager.videoPipeline()), int(GST_STATE_NULL));
    drainEvents();
    QCOMPARE(recorder.names.filter(QRegularExpression("^stream")),
             (QStringList{"streamRunningChanged", "streamFailed"}));

    // A good file plays afterwards in the same pipeline.
    m_receiver.reset();
    manager.startVideoStream(m_vp8);
    QVERIFY(m_receiver.waitForFrames(20, fileSize));
    drainEvents();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(manager.streamRunning(), true);
}

QTEST_GUILESS_MAIN(CameraStreamsTest)
#include "tst_camerastreams.moc"
