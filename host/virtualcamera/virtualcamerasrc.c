#include "virtualcamerasrc.h"

#include "virtualcameradevice.h"
#include "virtualcameraprovider.h"

#include <stdio.h>

enum { PROP_0, PROP_DEVICE_PATH, PROP_DEVICE_INDEX };

struct _GstVirtualCameraSrc
{
    GstBin parent;
    GstElement *testSource;
    gint index;
};

G_DEFINE_TYPE(GstVirtualCameraSrc, gst_virtual_camera_src, GST_TYPE_BIN)

/* Only the raw structures of what the camera announces can be produced. */
static GstCaps *raw_caps(void)
{
    GstCaps *caps = gst_caps_from_string(VIRTUAL_CAMERA_CAPS);
    for (guint i = gst_caps_get_size(caps); i > 0; --i) {
        if (!gst_structure_has_name(gst_caps_get_structure(caps, i - 1), "video/x-raw"))
            gst_caps_remove_structure(caps, i - 1);
    }
    return caps;
}

/* Tells the cameras apart on screen. */
static const gchar *pattern_for(gint index)
{
    return index % 2 == 0 ? "smpte" : "ball";
}

static gboolean camera_connected(gint index)
{
    GstVirtualCameraProvider *provider = gst_virtual_camera_provider_get();
    if (!provider)
        return FALSE;
    const gboolean connected = gst_virtual_camera_provider_is_connected(provider, index);
    gst_object_unref(provider);
    return connected;
}

static GstStateChangeReturn gst_virtual_camera_src_change_state(GstElement *element,
                                                                GstStateChange transition)
{
    GstVirtualCameraSrc *self = GST_VIRTUAL_CAMERA_SRC(element);
    if (transition == GST_STATE_CHANGE_NULL_TO_READY) {
        if (!camera_connected(self->index)) {
            GST_ELEMENT_ERROR(self,
                              RESOURCE,
                              NOT_FOUND,
                              ("Virtual camera %d is not connected.", self->index),
                              (NULL));
            return GST_STATE_CHANGE_FAILURE;
        }
        gst_util_set_object_arg(G_OBJECT(self->testSource), "pattern", pattern_for(self->index));
    }
    return GST_ELEMENT_CLASS(gst_virtual_camera_src_parent_class)
        ->change_state(element, transition);
}

static void gst_virtual_camera_src_set_property(GObject *object,
                                                guint id,
                                                const GValue *value,
                                                GParamSpec *pspec)
{
    GstVirtualCameraSrc *self = GST_VIRTUAL_CAMERA_SRC(object);
    switch (id) {
    case PROP_DEVICE_PATH: {
        /* A path that names no virtual camera opens none. */
        const gchar *path = g_value_get_string(value);
        gint index = -1;
        if (!path || sscanf(path, VIRTUAL_CAMERA_DEVICE_PATH_FORMAT, &index) != 1)
            index = -1;
        self->index = index;
        break;
    }
    case PROP_DEVICE_INDEX:
        self->index = g_value_get_int(value);
        break;
    default:
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, pspec);
    }
}

static void gst_virtual_camera_src_get_property(GObject *object,
                                                guint id,
                                                GValue *value,
                                                GParamSpec *pspec)
{
    GstVirtualCameraSrc *self = GST_VIRTUAL_CAMERA_SRC(object);
    switch (id) {
    case PROP_DEVICE_PATH:
        g_value_take_string(value,
                            self->index >= 0
                                ? g_strdup_printf(VIRTUAL_CAMERA_DEVICE_PATH_FORMAT, self->index)
                                : NULL);
        break;
    case PROP_DEVICE_INDEX:
        g_value_set_int(value, self->index);
        break;
    default:
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, pspec);
    }
}

static void gst_virtual_camera_src_class_init(GstVirtualCameraSrcClass *klass)
{
    GObjectClass *object_class = G_OBJECT_CLASS(klass);
    GstElementClass *element_class = GST_ELEMENT_CLASS(klass);

    object_class->set_property = gst_virtual_camera_src_set_property;
    object_class->get_property = gst_virtual_camera_src_get_property;
    /* The path comes first, as with several real capture sources, so that a
     * client preferring the index over an earlier path can be exercised. */
    g_object_class_install_property(
        object_class,
        PROP_DEVICE_PATH,
        g_param_spec_string("device-path",
                            "Device path",
                            "Path of the virtual camera",
                            "/dev/virtualcamera0",
                            G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS));
    g_object_class_install_property(object_class,
                                    PROP_DEVICE_INDEX,
                                    g_param_spec_int("device-index",
                                                     "Device index",
                                                     "Index of the virtual camera",
                                                     -1,
                                                     G_MAXINT,
                                                     0,
                                                     G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS));

    GstCaps *caps = raw_caps();
    gst_element_class_add_pad_template(
        element_class, gst_pad_template_new("src", GST_PAD_SRC, GST_PAD_ALWAYS, caps));
    gst_caps_unref(caps);
    gst_element_class_set_static_metadata(element_class,
                                          "Virtual camera source",
                                          "Source/Video",
                                          "Streams the picture of a virtual camera",
                                          "Emulation Management developers");
    element_class->change_state = gst_virtual_camera_src_change_state;
}

static void gst_virtual_camera_src_init(GstVirtualCameraSrc *self)
{
    self->index = 0;
    self->testSource = gst_element_factory_make("videotestsrc", "picture");
    GstElement *filter = gst_element_factory_make("capsfilter", "formats");
    GstCaps *caps = raw_caps();
    g_object_set(self->testSource, "is-live", TRUE, NULL);
    g_object_set(filter, "caps", caps, NULL);
    gst_caps_unref(caps);
    gst_bin_add_many(GST_BIN(self), self->testSource, filter, NULL);
    gst_element_link(self->testSource, filter);

    GstPad *target = gst_element_get_static_pad(filter, "src");
    GstPadTemplate *templ = gst_element_class_get_pad_template(GST_ELEMENT_GET_CLASS(self), "src");
    GstPad *ghost = gst_ghost_pad_new_from_template("src", target, templ);
    gst_object_unref(target);
    gst_element_add_pad(GST_ELEMENT(self), ghost);
}
