#include "testmedia.h"

#include <QProcess>

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
