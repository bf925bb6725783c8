#pragma once

#include <gst/gst.h>

G_BEGIN_DECLS

#define VIRTUAL_CAMERA_PLUGIN_NAME "virtualcamera"
#define VIRTUAL_CAMERA_PLUGIN_DESCRIPTION \
    "Virtual video capture devices for tests and demonstrations"
#define VIRTUAL_CAMERA_PLUGIN_VERSION "1.0"
#define VIRTUAL_CAMERA_PLUGIN_LICENSE "unknown"
#define VIRTUAL_CAMERA_PLUGIN_PACKAGE "Emulation Management"
#define VIRTUAL_CAMERA_PLUGIN_ORIGIN "Emulation Management test harness"

gboolean virtual_camera_plugin_init(GstPlugin *plugin);

G_END_DECLS
