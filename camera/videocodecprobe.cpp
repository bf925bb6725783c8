#include "videocodecprobe.h"

#include <QFileInfo>
#include <QUrl>

#include <gst/pbutils/pbutils.h>

namespace EmulationManagement::Internal::VideoCodecProbe {

static QString codecOfFirstVideoStream(GstDiscovererInfo *info)
{
    QString codec;
    GList *streams = gst_discoverer_info_get_video_streams(info);
    if (streams) {
        const GstTagList *tags
            = gst_discoverer_stream_info_get_tags(GST_DISCOVERER_STREAM_INFO(streams->data));
        gchar *text = nullptr;
        if (tags && gst_tag_list_get_string(tags, GST_TAG_VIDEO_CODEC, &text))
            codec = QString::fromUtf8(text);
        g_free(text);
    }
    gst_discoverer_stream_info_list_free(streams);
    return codec;
}

QString videoCodecName(const QString &filePath)
{
    if (!QFileInfo(filePath).isFile())
        return {};
    GstDiscoverer *discoverer = gst_discoverer_new(discoveryTimeoutMs * GST_MSECOND, nullptr);
    if (!discoverer)
        return {};
    const QByteArray uri = QUrl::fromLocalFile(filePath).toString().toUtf8();
    GstDiscovererInfo *info = gst_discoverer_discover_uri(discoverer, uri.constData(), nullptr);
    QString codec;
    if (info) {
        codec = codecOfFirstVideoStream(info);
        gst_discoverer_info_unref(info);
    }
    g_object_unref(discoverer);
    return codec;
}

bool isSupportedCodec(const QString &codecName)
{
    return codecName.contains(QLatin1String("VP8")) || codecName.contains(QLatin1String("VP9"));
}

} // namespace EmulationManagement::Internal::VideoCodecProbe
