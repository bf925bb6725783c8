#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Video files made at run time with gst-launch-1.0 in a directory of their
// own, 320x240 unless told otherwise, at 30 frames per second.
class TestMedia
{
public:
    // encoding: the elements after the raw frames of the given format, up to
    // the file sink. Returns the file's path, or empty text when
    // gst-launch-1.0 failed.
    QString make(const QString &fileName,
                 const QString &encoding,
                 int frames,
                 const QString &format = QStringLiteral("I420"),
                 QSize size = QSize(320, 240));

    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }

private:
    QTemporaryDir m_dir;
};
