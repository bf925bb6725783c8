#include "virtualcamera.h"

#include "virtualcameraplugin.h"
#include "virtualcameraprovider.h"
#include "virtualcamerasrc.h"

gboolean virtual_camera_plugin_init(GstPlugin *plugin)
{
    /* Any rank above none makes device monitors consider the provider. */
    return gst_element_register(
               plugin, VIRTUAL_CAMERA_SOURCE_NAME, GST_RANK_NONE, GST_TYPE_VIRTUAL_CAMERA_SRC)
           && gst_device_provider_register(plugin,
                                           VIRTUAL_CAMERA_PROVIDER_NAME,
                                           GST_RANK_MARGINAL,
                                           GST_TYPE_VIRTUAL_CAMERA_PROVIDER);
}

gboolean virtual_camera_register_static(void)
{
    return gst_plugin_register_static(GST_VERSION_MAJOR,
                                      GST_VERSION_MINOR,
                                      VIRTUAL_CAMERA_PLUGIN_NAME,
                                      VIRTUAL_CAMERA_PLUGIN_DESCRIPTION,
                                      virtual_camera_plugin_init,
                                      VIRTUAL_CAMERA_PLUGIN_VERSION,
                                      VIRTUAL_CAMERA_PLUGIN_LICENSE,
                                      VIRTUAL_CAMERA_PLUGIN_PACKAGE,
                                      VIRTUAL_CAMERA_PLUGIN_PACKAGE,
                                      VIRTUAL_CAMERA_PLUGIN_ORIGIN);
}

void virtual_camera_plug(gint index, const gchar *display_name)
{
    GstVirtualCameraProvider *provider = gst_virtual_camera_provider_get();
    g_return_if_fail(provider != NULL);
    gst_virtual_camera_provider_plug(provider, index, display_name);
    gst_object_unref(provider);
}

void virtual_camera_unplug(gint index)
{
    GstVirtualCameraProvider *provider = gst_virtual_camera_provider_get();
    g_return_if_fail(provider != NULL);
    gst_virtual_camera_provider_unplug(provider, index);
    gst_object_unref(provider);
}

void virtual_camera_unplug_all(void)
{
    GstVirtualCameraProvider *provider = gst_virtual_camera_provider_get();
    g_return_if_fail(provider != NULL);
    gst_virtual_camera_provider_unplug_all(provider);
    gst_object_unref(provider);
}
