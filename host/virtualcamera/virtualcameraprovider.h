#pragma once

#include <gst/gst.h>

G_BEGIN_DECLS

#define VIRTUAL_CAMERA_PROVIDER_NAME "virtualcameraprovider"

#define GST_TYPE_VIRTUAL_CAMERA_PROVIDER (gst_virtual_camera_provider_get_type())
G_DECLARE_FINAL_TYPE(GstVirtualCameraProvider,
                     gst_virtual_camera_provider,
                     GST,
                     VIRTUAL_CAMERA_PROVIDER,
                     GstDeviceProvider)

/* The provider is a singleton per process (its factory keeps the one
 * instance); NULL when the plug-in is not registered. Transfer full. */
GstVirtualCameraProvider *gst_virtual_camera_provider_get(void);

void gst_virtual_camera_provider_plug(GstVirtualCameraProvider *provider,
                                      gint index,
                                      const gchar *display_name);
void gst_virtual_camera_provider_unplug(GstVirtualCameraProvider *provider, gint index);
void gst_virtual_camera_provider_unplug_all(GstVirtualCameraProvider *provider);
gboolean gst_virtual_camera_provider_is_connected(GstVirtualCameraProvider *provider, gint index);

G_END_DECLS
