#pragma once

#include <QString>
#include <QTemporaryDir>

// Video files made at run time with gst-launch-1.0 in a directory of their
// own, 320x240 at 30 frames per second. Each maker returns the file's path,
// or empty text when gst-launch-1.0 failed.
class TestMedia
{
public:
    QString vp8(const QString &fileName, int frames);
    QString vp9(const QString &fileName, int frames);
    // VP8 picture with a Vorbis sound track beside it.
    QString vp8WithSound(const QString &fileName, int frames);
    QString theora(const QString &fileName, int frames);
    // Decodes to a 10-bit format that jpegenc refuses while streaming.
    QString vp9TenBit(const QString &fileName, int frames);

    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }

private:
    // format: the raw frames' format; I420 is what decoders hand to jpegenc.
    QString make(const QString &fileName,
                 const QString &encoding,
                 int frames,
                 const QString &format = QStringLiteral("I420"));

    QTemporaryDir m_dir;
};
