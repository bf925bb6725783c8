#include "virtualcameradevice.h"

struct _GstVirtualCameraDevice
{
    GstDevice parent;
    gint index;
};

G_DEFINE_TYPE(GstVirtualCameraDevice, gst_virtual_camera_device, GST_TYPE_DEVICE)

static GstElement *gst_virtual_camera_device_create_element(GstDevice *device, const gchar *name)
{
    GstElement *source = gst_element_factory_make("virtualcamerasrc", name);
    if (!source)
        return NULL;
    const gint index = GST_VIRTUAL_CAMERA_DEVICE(device)->index;
    gchar *path = g_strdup_printf(VIRTUAL_CAMERA_DEVICE_PATH_FORMAT, index);
    g_object_set(source, "device-path", path, "device-index", index, NULL);
    g_free(path);
    return source;
}

static void gst_virtual_camera_device_class_init(GstVirtualCameraDeviceClass *klass)
{
    GST_DEVICE_CLASS(klass)->create_element = gst_virtual_camera_device_create_element;
}

static void gst_virtual_camera_device_init(GstVirtualCameraDevice *device)
{
    device->index = 0;
}

GstDevice *gst_virtual_camera_device_new(gint index, const gchar *display_name)
{
    GstCaps *caps = gst_caps_from_string(VIRTUAL_CAMERA_CAPS);
    gchar *path = g_strdup_printf(VIRTUAL_CAMERA_DEVICE_PATH_FORMAT, index);
    GstStructure *properties = gst_structure_new("virtualcamera-properties",
                                                 "device.api",
                                                 G_TYPE_STRING,
                                                 "virtual",
                                                 "device.path",
                                                 G_TYPE_STRING,
                                                 path,
                                                 NULL);
    GstVirtualCameraDevice *device = g_object_new(GST_TYPE_VIRTUAL_CAMERA_DEVICE,
                                                  "display-name",
                                                  display_name,
                                                  "caps",
                                                  caps,
                                                  "device-class",
                                                  "Video/Source",
                                                  "properties",
                                                  properties,
                                                  NULL);
    device->index = index;
    gst_structure_free(properties);
    g_free(path);
    gst_caps_unref(caps);
    return GST_DEVICE(device);
}

gint gst_virtual_camera_device_get_index(GstVirtualCameraDevice *device)
{
    return device->index;
}
