#pragma once

#include "camera/camerapreview.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

typedef struct _GstBus GstBus;
typedef struct _GstDevice GstDevice;
typedef struct _GstDeviceMonitor GstDeviceMonitor;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// Finds the host's video capture devices and streams one of them, or a VP8/VP9
// video file in a loop, to the emulator as RTP/JPEG over UDP. Lives on the
// main thread; GStreamer's device monitor and pipeline buses are dispatched
// there by Qt's GLib event dispatcher.
class CameraEmulationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool streamRunning READ streamRunning NOTIFY streamRunningChanged)
    Q_PROPERTY(QStringList framerates READ framerates NOTIFY frameratesChanged)
    Q_PROPERTY(QVariantList resolutions READ resolutions NOTIFY resolutionsChanged)
    Q_PROPERTY(QStringList cameras READ cameras NOTIFY camerasChanged)
    Q_PROPERTY(QString framerate READ framerate WRITE setFramerate NOTIFY framerateChanged)
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY widthChanged)
    Q_PROPERTY(int height READ height WRITE setHeight NOTIFY heightChanged)
    Q_PROPERTY(int resolutionIndex READ resolutionIndex WRITE setResolutionIndex NOTIFY
                   resolutionIndexChanged)
    Q_PROPERTY(QString cameraName READ cameraName WRITE setCameraName NOTIFY cameraNameChanged)
    // Where the frames as sent go, scaled down, while the camera page shows them; null for none.
    Q_PROPERTY(
        QVideoSink *previewSink READ previewSink WRITE setPreviewSink NOTIFY previewSinkChanged)
    // Frames per second that left the encoder, measured while the preview is on.
    Q_PROPERTY(qreal sentFrameRate READ sentFrameRate NOTIFY sentFrameRateChanged)

public:
    explicit CameraEmulationManager(QObject *parent = nullptr);
    ~CameraEmulationManager() override;

    bool streamRunning() const { return m_streamRunning; }
    QStringList framerates() const;
    QVariantList resolutions() const;
    QStringList cameras() const { return m_cameras.keys(); }
    QString framerate() const { return m_framerate; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int resolutionIndex() const { return m_resolutionIndex; }
    QString cameraName() const { return m_cameraName; }
    QVideoSink *previewSink() const { return m_preview.sink(); }
    qreal sentFrameRate() const { return m_preview.sentFrameRate(); }

    void setFramerate(const QString &framerate);
    void setWidth(int width);
    void setHeight(int height);
    void setResolutionIndex(int index);
    void setCameraName(const QString &name);
    void setPreviewSink(QVideoSink *sink);

    // Fills the camera list from the devices present and selects the first camera.
    void populateCameras();

    // The pipelines as they are, for pipeline graphs and inspection.
    GstElement *videoPipeline() const { return m_videoPipeline; }
    GstElement *cameraPipeline() const { return m_cameraPipeline; }

    Q_INVOKABLE void startVideoStream(const QString &filePath);
    Q_INVOKABLE void startCameraStream();
    Q_INVOKABLE void stopVideoStream();
    Q_INVOKABLE void stopCameraStream();
    Q_INVOKABLE void setCameraStreamSettings();
    Q_INVOKABLE void updateCamerasList();

signals:
    void streamRunningChanged();
    void videoStreamStopped();
    void frameratesChanged();
    void resolutionsChanged();
    void camerasChanged();
    void framerateChanged();
    void widthChanged();
    void heightChanged();
    void resolutionIndexChanged();
    void cameraNameChanged();
    void cameraStreamSettingsApplied();
    void videoFileCodecChecked(bool success, QString codecName);
    // A playing pipeline failed and was stopped; the text is GStreamer's.
    void streamFailed(QString message);
    // A stream began: of this video file, or of the host camera when empty.
    void streamStarted(QString filePath);
    void previewSinkChanged();
    void sentFrameRateChanged();

private:
    // GLib and GStreamer callbacks, declared with the types their typedefs stand for.
    static int onDeviceMonitorMessage(GstBus *bus, GstMessage *message, void *manager);
    static int onVideoBusMessage(GstBus *bus, GstMessage *message, void *manager);
    static int onCameraBusMessage(GstBus *bus, GstMessage *message, void *manager);

    void setUpDeviceMonitor();
    void releaseDeviceMonitor();
    void readSourceFactoryName();
    void createVideoPipeline();
    void createCameraPipeline();
    void releaseCameraPipeline();
    void assembleCameraPipeline();
    void applyCameraSettings();
    void onDeviceAdded(GstDevice *device);
    void onDeviceRemoved(GstDevice *device);
    void addCamera(GstDevice *device);
    void removeCamera(const QString &name);
    void handlePipelineError(GstElement *pipeline, GstMessage *message);
    void restartVideo();
    bool checkVideoCodec(const QString &filePath);
    void setStreamRunning(bool running);

    GstElement *m_videoPipeline = nullptr;
    GstElement *m_fileSource = nullptr;
    GstElement *m_decoder = nullptr;
    GstElement *m_videoConverter = nullptr;
    GstElement *m_videoFormat = nullptr;
    GstElement *m_videoEncoder = nullptr;
    GstElement *m_videoPayloader = nullptr;
    GstElement *m_videoSink = nullptr;
    // The camera elements are held by reference of their own: they enter the
    // pipeline only when it is assembled.
    GstElement *m_cameraPipeline = nullptr;
    GstElement *m_cameraSource = nullptr;
    GstElement *m_capsFilter = nullptr;
    GstElement *m_cameraEncoder = nullptr;
    GstElement *m_cameraPayloader = nullptr;
    GstElement *m_cameraSink = nullptr;
    GstDeviceMonitor *m_deviceMonitor = nullptr;
    bool m_streamRunning = false;
    QVariantMap m_cameras;
    QString m_framerate;
    int m_width = -1;
    int m_height = -1;
    int m_resolutionIndex = 0;
    QString m_cameraName;
    QString m_sourceFactoryName;
    unsigned m_deviceMonitorWatch = 0;
    unsigned m_videoBusWatch = 0;
    unsigned m_cameraBusWatch = 0;
    EmulationManagement::Internal::CameraPreview m_preview;
};
