#pragma once

#include <glib.h>

G_BEGIN_DECLS

/* A GStreamer plug-in that offers virtual video capture devices, for tests and
 * for demonstrations on machines without a camera. Each device streams a
 * videotestsrc picture with the capabilities a typical USB webcam announces.
 * Two cameras, indices 0 and 1, are connected when the plug-in loads. */

/* Registers the plug-in in this process (gst_init must have run). */
gboolean virtual_camera_register_static(void);

/* Connects a camera under the given index and display name; a running device
 * monitor learns of it through a device-added message. An index that is
 * already connected is left as it is. */
void virtual_camera_plug(gint index, const gchar *display_name);

/* Disconnects the camera with that index (device-removed message). */
void virtual_camera_unplug(gint index);

/* Disconnects every camera. */
void virtual_camera_unplug_all(void);

G_END_DECLS
