#include "testmedia.h"

#include <QProcess>

QString TestMedia::make(const QString &fileName,
                        const QString &encoding,
                        int frames,
                        const QString &format,
                        QSize size)
{
    const QString target = path(fileName);
    QStringList arguments = QProcess::splitCommand(
        QStringLiteral("-q videotestsrc num-buffers=%1 ! video/x-raw,format=%2,width=%3,"
                       "height=%4,framerate=30/1 ! %5 ! filesink")
            .arg(frames)
            .arg(format)
            .arg(size.width())
            .arg(size.height())
            .arg(encoding));
    // The location is one argument of its own, so that any file name works.
    arguments.append(QStringLiteral("location=%1").arg(target));
    QProcess launch;
    launch.start(QStringLiteral("gst-launch-1.0"), arguments);
    const bool made = launch.waitForFinished(30000) && launch.exitStatus() == QProcess::NormalExit
                      && launch.exitCode() == 0;
    return made ? target : QString();
}
