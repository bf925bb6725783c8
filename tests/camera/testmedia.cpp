#include "testmedia.h"

#include <QProcess>

QString TestMedia::make(const QString &fileName,
                        const QString &encoding,
                        int frames,
                        const QSize &size,
                        const QString &format)
{
    const QString target = path(fileName);
    const QString description
        = QStringLiteral("videotestsrc num-buffers=%1 ! video/x-raw,format=%2,width=%3,height=%4,"
                         "framerate=30/1 ! %5 ! filesink")
              .arg(frames)
              .arg(format)
              .arg(size.width())
              .arg(size.height())
              .arg(encoding);
    QStringList arguments = QProcess::splitCommand(description);
    arguments.prepend(QStringLiteral("-q"));
    // The location is one argument of its own, so that any file name works.
    arguments.append(QStringLiteral("location=%1").arg(target));
    QProcess launch;
    launch.start(QStringLiteral("gst-launch-1.0"), arguments);
    if (!launch.waitForFinished(30000) || launch.exitStatus() != QProcess::NormalExit
        || launch.exitCode() != 0)
        return {};
    return target;
}

QString TestMedia::vp8(const QString &fileName, int frames, const QSize &size)
{
    return make(fileName, QStringLiteral("vp8enc deadline=1 ! webmmux"), frames, size);
}

QString TestMedia::vp9(const QString &fileName, int frames, const QSize &size)
{
    return make(fileName, QStringLiteral("vp9enc deadline=1 cpu-used=8 ! webmmux"), frames, size);
}

QString TestMedia::vp8WithSound(const QString &fileName, int frames)
{
    return make(fileName,
                QStringLiteral("vp8enc deadline=1 ! webmmux name=mux audiotestsrc num-buffers=%1 ! "
                               "audioconvert ! vorbisenc ! mux. mux.")
                    .arg(frames * 43 / 30),
                frames);
}

QString TestMedia::theora(const QString &fileName, int frames)
{
    return make(fileName, QStringLiteral("theoraenc ! oggmux"), frames);
}

QString TestMedia::vp9TenBit(const QString &fileName, int frames)
{
    return make(fileName,
                QStringLiteral("vp9enc deadline=1 cpu-used=8 ! webmmux"),
                frames,
                QSize(320, 240),
                QStringLiteral("I420_10LE"));
}
