#include "virtualcameraprovider.h"

#include "virtualcameradevice.h"

struct _GstVirtualCameraProvider
{
    GstDeviceProvider parent;
    /* The connected cameras, one reference each, guarded by the object lock.
     * The base class keeps its own list of announced devices only while the
     * provider is started. */
    GList *connected;
};

G_DEFINE_TYPE(GstVirtualCameraProvider, gst_virtual_camera_provider, GST_TYPE_DEVICE_PROVIDER)

static GList *find_device(GstVirtualCameraProvider *provider, gint index)
{
    for (GList *item = provider->connected; item; item = item->next) {
        if (gst_virtual_camera_device_get_index(item->data) == index)
            return item;
    }
    return NULL;
}

static gpointer copy_reference(gconstpointer device, gpointer unused)
{
    (void) unused;
    return gst_object_ref((gpointer) device);
}

/* Without a start function of our own, the base class probes when a monitor
 * starts and posts device-added for every camera found. */
static GList *gst_virtual_camera_provider_probe(GstDeviceProvider *base)
{
    GstVirtualCameraProvider *provider = GST_VIRTUAL_CAMERA_PROVIDER(base);
    GST_OBJECT_LOCK(provider);
    GList *devices = g_list_copy_deep(provider->connected, copy_reference, NULL);
    GST_OBJECT_UNLOCK(provider);
    return devices;
}

static void gst_virtual_camera_provider_finalize(GObject *object)
{
    GstVirtualCameraProvider *provider = GST_VIRTUAL_CAMERA_PROVIDER(object);
    g_list_free_full(provider->connected, gst_object_unref);
    G_OBJECT_CLASS(gst_virtual_camera_provider_parent_class)->finalize(object);
}

static void gst_virtual_camera_provider_class_init(GstVirtualCameraProviderClass *klass)
{
    G_OBJECT_CLASS(klass)->finalize = gst_virtual_camera_provider_finalize;
    GST_DEVICE_PROVIDER_CLASS(klass)->probe = gst_virtual_camera_provider_probe;
    gst_device_provider_class_set_static_metadata(GST_DEVICE_PROVIDER_CLASS(klass),
                                                  "Virtual camera provider",
                                                  "Video/Source",
                                                  "Offers virtual video capture devices",
                                                  "Emulation Management developers");
}

static void gst_virtual_camera_provider_init(GstVirtualCameraProvider *provider)
{
    provider->connected = NULL;
    gst_virtual_camera_provider_plug(provider, 0, "Virtual Camera 1");
    gst_virtual_camera_provider_plug(provider, 1, "Virtual Camera 2");
}

GstVirtualCameraProvider *gst_virtual_camera_provider_get(void)
{
    GstDeviceProvider *provider
        = gst_device_provider_factory_get_by_name(VIRTUAL_CAMERA_PROVIDER_NAME);
    return provider ? GST_VIRTUAL_CAMERA_PROVIDER(provider) : NULL;
}

void gst_virtual_camera_provider_plug(GstVirtualCameraProvider *provider,
                                      gint index,
                                      const gchar *display_name)
{
    g_return_if_fail(index >= 0);
    GST_OBJECT_LOCK(provider);
    if (find_device(provider, index)) {
        GST_OBJECT_UNLOCK(provider);
        return;
    }
    GstDevice *device = gst_object_ref_sink(gst_virtual_camera_device_new(index, display_name));
    provider->connected = g_list_append(provider->connected, device);
    GST_OBJECT_UNLOCK(provider);

    if (gst_device_provider_is_started(GST_DEVICE_PROVIDER(provider)))
        gst_device_provider_device_add(GST_DEVICE_PROVIDER(provider), device);
}

void gst_virtual_camera_provider_unplug(GstVirtualCameraProvider *provider, gint index)
{
    GST_OBJECT_LOCK(provider);
    GList *item = find_device(provider, index);
    if (!item) {
        GST_OBJECT_UNLOCK(provider);
        return;
    }
    GstDevice *device = item->data;
    provider->connected = g_list_delete_link(provider->connected, item);
    GST_OBJECT_UNLOCK(provider);

    if (gst_device_provider_is_started(GST_DEVICE_PROVIDER(provider)))
        gst_device_provider_device_remove(GST_DEVICE_PROVIDER(provider), device);
    gst_object_unref(device);
}

void gst_virtual_camera_provider_unplug_all(GstVirtualCameraProvider *provider)
{
    for (;;) {
        GST_OBJECT_LOCK(provider);
        const gint index = provider->connected
                               ? gst_virtual_camera_device_get_index(provider->connected->data)
                               : -1;
        GST_OBJECT_UNLOCK(provider);
        if (index < 0)
            return;
        gst_virtual_camera_provider_unplug(provider, index);
    }
}

gboolean gst_virtual_camera_provider_is_connected(GstVirtualCameraProvider *provider, gint index)
{
    GST_OBJECT_LOCK(provider);
    const gboolean connected = find_device(provider, index) != NULL;
    GST_OBJECT_UNLOCK(provider);
    return connected;
}
