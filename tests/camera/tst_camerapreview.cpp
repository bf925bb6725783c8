#include "rtpjpegreceiver.h"
#include "testtimeouts.h"
#include "testmedia.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"

#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>

#include <gst/gst.h>

#include <memory>

namespace {

const QSize hd(1280, 720);
const QSize fileSize(320, 240);
const QString vp8 = QStringLiteral("vp8enc deadline=1 ! webmmux");

// Without a preview: source, encoder, payloader, sink and the camera's caps
// filter, or the file's decoder, converter and format filter.
const int cameraElements = 5;
const int videoElements = 7;

int childCount(GstElement *pipeline)
{
    return int(GST_BIN_NUMCHILDREN(GST_BIN(pipeline)));
}

} // namespace

class CameraPreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        gst_init(nullptr, nullptr);
        QVERIFY(virtual_camera_register_static());
        virtual_camera_unplug_all();
        virtual_camera_plug(0, "Virtual Camera 1");
        QVERIFY2(m_receiver.isListening(), "UDP port 34343 is taken");
    }

    // The camera is scaled down for the preview, a file shown at its size or
    // scaled down; an odd scaled height loses its last row.
    void previewShowsWhatIsSent()
    {
        // clang-format off
        const struct { bool camera; QSize sent; QSize shown; bool whilePlaying; } rows[] = {{true, hd, QSize(320, 180), false}, {false, fileSize, fileSize, true}, {false, QSize(800, 448), QSize(320, 178), false}, {false, QSize(720, 480), QSize(320, 212), true}};
        // clang-format on
        for (const auto &[camera, sent, shown, whilePlaying] : rows) {
            // Half a second of video, so that the preview outlives several restarts.
            const QString video = m_media.make("clip.webm", vp8, 15, QStringLiteral("I420"), sent);
            CameraEmulationManager manager;
            manager.populateCameras();
            GstElement *pipeline = camera ? manager.cameraPipeline() : manager.videoPipeline();
            // The pictures a video output would show, as they reach the main thread.
            QVideoSink sink;
            QList<QSize> sizes;
            QList<qint64> startTimes;
            connect(&sink, &QVideoSink::videoFrameChanged, &sink, [&](const QVideoFrame &frame) {
                sizes.append(frame.size());
                startTimes.append(frame.startTime());
            });
            m_receiver.reset();

            if (!whilePlaying)
                manager.setPreviewSink(&sink);
            camera ? manager.startCameraStream() : manager.startVideoStream(video);
            QVERIFY(m_receiver.waitForFrames(3, sent));
            manager.setPreviewSink(&sink);
            QVERIFY(QTest::qWaitFor([&] { return sizes.size() >= 20; }, eventTimeoutMs));
            QCOMPARE(sizes, QList<QSize>(sizes.size(), shown));
            for (int i = 1; i < startTimes.size(); ++i) {
                const qint64 step = startTimes.at(i) - startTimes.at(i - 1);
                // A restarted video starts its times again; otherwise at most 15 per second.
                QVERIFY2(step < 0 || step >= 66000, qPrintable(QString::number(step)));
            }
            m_receiver.reset();
            QVERIFY(m_receiver.waitForFrames(10, sent));

            // Put in and taken out while sending, after waits of varying length
            // that hit buffers, restarts and idle moments: the emulator goes on
            // receiving.
            for (int i = 0; i <= 40; ++i) {
                manager.setPreviewSink(i % 2 ? &sink : nullptr);
                QTest::qWait(i * 7 % 30);
            }
            QCOMPARE(childCount(pipeline), camera ? cameraElements : videoElements);
            QCOMPARE(manager.sentFrameRate(), 0.0);
            m_receiver.reset();
            QVERIFY(m_receiver.waitForFrames(10, sent));
        }
    }

    void previewGoesWithItsVideoOutput()
    {
        CameraEmulationManager manager;
        manager.populateCameras();
        auto sink = std::make_unique<QVideoSink>();
        manager.setPreviewSink(sink.get());
        manager.updateCamerasList();
        QVERIFY(childCount(manager.cameraPipeline()) > cameraElements);
        QVERIFY(childCount(manager.videoPipeline()) > videoElements);

        // The video output goes away with the page.
        sink.reset();
        QCOMPARE(manager.previewSink(), nullptr);
        QCOMPARE(childCount(manager.cameraPipeline()), cameraElements);
        QCOMPARE(childCount(manager.videoPipeline()), videoElements);
    }

private:
    TestMedia m_media;
    RtpJpegReceiver m_receiver;
};

QTEST_GUILESS_MAIN(CameraPreviewTest)
#include "tst_camerapreview.moc"
