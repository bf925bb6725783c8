#pragma once

#include "emulator/frameratemeter.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QTimer>

#include <gst/gst.h>

namespace EmulationManagement::Emulator {

struct CameraStatistics
{
    quint64 frames = 0;
    quint64 bytes = 0;
    int width = 0;
    int height = 0;
    double framesPerSecond = 0;
    // Frames arrived within the last second.
    bool receiving = false;
    QString error;

    QJsonObject toJson() const;
};

// The emulator's camera stream receiver: RTP/JPEG over UDP on the loopback
// address. Counts the frames and their bytes, measures their size and rate,
// and can show them in a window and save the last one as a JPEG file.
class CameraReceiver : public QObject
{
    Q_OBJECT

public:
    CameraReceiver(quint16 port,
                   bool showPicture,
                   const QString &frameFile,
                   QObject *parent = nullptr);
    ~CameraReceiver() override;

    bool start(QString *error);
    CameraStatistics statistics() const { return m_statistics; }

    static QString pipelineDescription(quint16 port, bool showPicture);

signals:
    void statisticsChanged();
    // Something worth a line in the log: a stream began or ended, an error.
    void event(const QString &text);

private:
    static GstPadProbeReturn countFrame(GstPad *pad, GstPadProbeInfo *info, gpointer receiver);

    void sample();
    void readBusMessages();
    void updatePictureSize();
    void saveLastFrame();
    // Logs the pipeline's warnings and returns the text of its last error.
    QString takeMessages();

    quint16 m_port;
    bool m_showPicture;
    QString m_frameFile;
    GstElement *m_pipeline = nullptr;
    GstPad *m_depayloaderOutput = nullptr;
    QTimer m_sampleTimer;
    QElapsedTimer m_clock;
    FrameRateMeter m_rateMeter;
    CameraStatistics m_statistics;
    qint64 m_lastFrameMs = 0;
    bool m_frameSaveFailed = false;

    // Written on GStreamer's streaming thread.
    QMutex m_mutex;
    quint64 m_frames = 0;
    quint64 m_bytes = 0;
    GstBuffer *m_lastFrame = nullptr;
};

} // namespace EmulationManagement::Emulator
