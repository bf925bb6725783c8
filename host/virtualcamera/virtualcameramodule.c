/* Entry point of the loadable form, found through GST_PLUGIN_PATH. GStreamer
 * looks the description up by the name of the library file. */
#include "virtualcameraplugin.h"

static const GstPluginDesc virtual_camera_plugin_desc = {
    .major_version = GST_VERSION_MAJOR,
    .minor_version = GST_VERSION_MINOR,
    .name = VIRTUAL_CAMERA_PLUGIN_NAME,
    .description = VIRTUAL_CAMERA_PLUGIN_DESCRIPTION,
    .plugin_init = virtual_camera_plugin_init,
    .version = VIRTUAL_CAMERA_PLUGIN_VERSION,
    .license = VIRTUAL_CAMERA_PLUGIN_LICENSE,
    .source = VIRTUAL_CAMERA_PLUGIN_PACKAGE,
    .package = VIRTUAL_CAMERA_PLUGIN_PACKAGE,
    .origin = VIRTUAL_CAMERA_PLUGIN_ORIGIN,
};

GST_PLUGIN_EXPORT const GstPluginDesc *gst_plugin_virtualcamera_get_desc(void);

const GstPluginDesc *gst_plugin_virtualcamera_get_desc(void)
{
    return &virtual_camera_plugin_desc;
}
