#pragma once

#include <gst/gst.h>

G_BEGIN_DECLS

/* What every virtual camera announces: a frame-rate list at 640x480, a
 * frame-rate range at 1280x720, and 640x480 once more as JPEG. */
#define VIRTUAL_CAMERA_CAPS \
    "video/x-raw, format=(string)YUY2, width=(int)640, height=(int)480, " \
    "framerate=(fraction){ 30/1, 15/1 }; " \
    "video/x-raw, format=(string)YUY2, width=(int)1280, height=(int)720, " \
    "framerate=(fraction)[ 5/1, 30/1 ]; " \
    "image/jpeg, width=(int)640, height=(int)480, framerate=(fraction){ 60/1, 30/1 }"

#define VIRTUAL_CAMERA_DEVICE_PATH_FORMAT "/dev/virtualcamera%d"

#define GST_TYPE_VIRTUAL_CAMERA_DEVICE (gst_virtual_camera_device_get_type())
G_DECLARE_FINAL_TYPE(
    GstVirtualCameraDevice, gst_virtual_camera_device, GST, VIRTUAL_CAMERA_DEVICE, GstDevice)

GstDevice *gst_virtual_camera_device_new(gint index, const gchar *display_name);
gint gst_virtual_camera_device_get_index(GstVirtualCameraDevice *device);

G_END_DECLS
