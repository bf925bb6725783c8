#pragma once

#include "rtpjpegreceiver.h"
#include "testmedia.h"

#include <QFile>
#include <QObject>
#include <QUrl>

#include <memory>

// What the camera page's tests need around the real camera manager: the
// virtual camera's devices, video files made at run time, and the emulator's
// receiving end on UDP 127.0.0.1:34343. QML reaches it as "cameraRig".
class CameraTestRig : public QObject
{
    Q_OBJECT

public:
    // Registers the virtual camera, whose two cameras the manager then finds.
    CameraTestRig();
    ~CameraTestRig() override;

    Q_INVOKABLE void plugCamera(int index, const QString &displayName);
    Q_INVOKABLE void unplugCameras();

    // Paths of files made on first use: "vp8" (320x240, one second), "theora"
    // and "text" (not a video).
    Q_INVOKABLE QString media(const QString &kind, const QString &fileName);
    // A stream of a removed file fails when it starts over at the file's end.
    Q_INVOKABLE bool removeFile(const QString &path) { return QFile::remove(path); }
    Q_INVOKABLE QUrl fileUrl(const QString &path) const { return QUrl::fromLocalFile(path); }

    // Starts listening at the first call; counts frames of a size from the last reset.
    Q_INVOKABLE bool listen();
    Q_INVOKABLE void resetReceiver();
    Q_INVOKABLE int receivedFrames(int width, int height) const;

private:
    TestMedia m_media;
    std::unique_ptr<RtpJpegReceiver> m_receiver;
};
