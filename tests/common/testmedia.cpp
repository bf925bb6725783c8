#include "testmedia.h"

#include <QProcess>

namespace {
const QString vp9Encoding = QStringLiteral("vp9enc deadline=1 cpu-used=8 ! webmmux");
}

QString TestMedia::make(const QString &fileName,
                        const QString &encoding,
                        int frames,
                        const QString &format)
{
    const QString target = path(fileName);
    QStringList arguments = QProcess::splitCommand(
        QStringLiteral("-q videotestsrc num-buffers=%1 ! video/x-raw,format=%2,width=320,"
                       "height=240,framerate=30/1 ! %3 ! filesink")
            .arg(frames)
            .arg(format, encoding));
    // The location is one argument of its own, so that any file name works.
    arguments.append(QStringLiteral("location=%1").arg(target));
    QProcess launch;
    launch.start(QStringLiteral("gst-launch-1.0"), arguments);
    const bool made = launch.waitForFinished(30000) && launch.exitStatus() == QProcess::NormalExit
                      && launch.exitCode() == 0;
    return made ? target : QString();
}

QString TestMedia::vp8(const QString &fileName, int frames)
{
    return make(fileName, QStringLiteral("vp8enc deadline=1 ! webmmux"), frames);
}

QString TestMedia::vp9(const QString &fileName, int frames)
{
    return make(fileName, vp9Encoding, frames);
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
    return make(fileName, vp9Encoding, frames, QStringLiteral("I420_10LE"));
}
