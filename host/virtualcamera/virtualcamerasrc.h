#pragma once

#include <gst/gst.h>

G_BEGIN_DECLS

#define VIRTUAL_CAMERA_SOURCE_NAME "virtualcamerasrc"

/* The capture element of a virtual camera: a live videotestsrc restricted to
 * the raw formats the camera announces. Opening a camera that is not
 * connected fails with a resource error, as a real capture source does. */
#define GST_TYPE_VIRTUAL_CAMERA_SRC (gst_virtual_camera_src_get_type())
G_DECLARE_FINAL_TYPE(GstVirtualCameraSrc, gst_virtual_camera_src, GST, VIRTUAL_CAMERA_SRC, GstBin)

G_END_DECLS
