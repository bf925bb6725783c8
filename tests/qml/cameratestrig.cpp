#include "cameratestrig.h"

#include "virtualcamera.h"

#include <QFile>

#include <gst/gst.h>

CameraTestRig::CameraTestRig()
{
    gst_init(nullptr, nullptr);
    virtual_camera_register_static();
}

CameraTestRig::~CameraTestRig() = default;

void CameraTestRig::plugCamera(int index, const QString &displayName)
{
    virtual_camera_plug(index, displayName.toUtf8().constData());
}

void CameraTestRig::unplugCameras()
{
    virtual_camera_unplug_all();
}

QString CameraTestRig::media(const QString &kind, const QString &fileName)
{
    if (kind == QLatin1String("vp8"))
        return m_media.make(fileName, QStringLiteral("vp8enc deadline=1 ! webmmux"), 30);
    if (kind == QLatin1String("theora"))
        return m_media.make(fileName, QStringLiteral("theoraenc ! oggmux"), 10);
    QFile text(m_media.path(fileName));
    if (kind != QLatin1String("text") || !text.open(QIODevice::WriteOnly))
        return {};
    text.write("not a video\n");
    return text.fileName();
}

bool CameraTestRig::listen()
{
    if (!m_receiver)
        m_receiver = std::make_unique<RtpJpegReceiver>();
    return m_receiver->isListening();
}

void CameraTestRig::resetReceiver()
{
    if (m_receiver)
        m_receiver->reset();
}

int CameraTestRig::receivedFrames(int width, int height) const
{
    return m_receiver ? m_receiver->frames(QSize(width, height)) : 0;
}
