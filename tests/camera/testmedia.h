#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Video files made at run time with gst-launch-1.0 in a directory of their
// own. Test frames are always I420, the format decoders hand to jpegenc.
class TestMedia
{
public:
    // Encodes `frames` frames at 30 per second with the given encoder and
    // muxer description; returns the file's path, or empty text on failure.
    QString make(const QString &fileName,
                 const QString &encoding,
                 int frames,
                 const QSize &size = QSize(320, 240),
                 const QString &format = QStringLiteral("I420"));

    QString vp8(const QString &fileName, int frames, const QSize &size = QSize(320, 240));
    QString vp9(const QString &fileName, int frames, const QSize &size = QSize(320, 240));
    // VP8 picture with a Vorbis sound track beside it.
    QString vp8WithSound(const QString &fileName, int frames);
    QString theora(const QString &fileName, int frames);
    // Decodes to a 10-bit format that jpegenc refuses while streaming.
    QString vp9TenBit(const QString &fileName, int frames);

    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }

private:
    QTemporaryDir m_dir;
};
