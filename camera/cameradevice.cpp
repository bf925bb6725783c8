#include "cameradevice.h"

#include <gst/gst.h>

namespace EmulationManagement::Internal::CameraDevice {

static QString takeUtf8(gchar *text)
{
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

static std::optional<QString> serializedField(const GstStructure *structure, const char *field)
{
    const GValue *value = gst_structure_get_value(structure, field);
    if (!value)
        return std::nullopt;
    return takeUtf8(gst_value_serialize(value));
}

// Strings are taken as they are: serialising would quote a path with spaces,
// and would turn a string that is not set into the text "NULL".
static QString propertyText(GObject *object, const QString &name)
{
    GParamSpec *spec
        = g_object_class_find_property(G_OBJECT_GET_CLASS(object), name.toUtf8().constData());
    if (!spec || !(spec->flags & G_PARAM_READABLE))
        return {};
    GValue value = G_VALUE_INIT;
    g_value_init(&value, spec->value_type);
    g_object_get_property(object, spec->name, &value);
    const QString text = G_VALUE_HOLDS_STRING(&value)
                             ? QString::fromUtf8(g_value_get_string(&value))
                             : takeUtf8(gst_value_serialize(&value));
    g_value_unset(&value);
    return text;
}

QString displayName(GstDevice *device)
{
    return takeUtf8(gst_device_get_display_name(device));
}

QList<CameraCapabilities::StructureFields> capsStructures(GstDevice *device)
{
    QList<CameraCapabilities::StructureFields> structures;
    GstCaps *caps = gst_device_get_caps(device);
    if (!caps)
        return structures;
    for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
        const GstStructure *structure = gst_caps_get_structure(caps, i);
        structures.append({serializedField(structure, "framerate"),
                           serializedField(structure, "width"),
                           serializedField(structure, "height")});
    }
    gst_caps_unref(caps);
    return structures;
}

CameraSelection::DeviceProperty deviceProperty(GstDevice *device)
{
    GstElement *element = gst_device_create_element(device, nullptr);
    if (!element)
        return {};
    gst_object_ref_sink(element);
    guint count = 0;
    GParamSpec **specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(element), &count);
    QStringList names;
    for (guint i = 0; i < count; ++i)
        names.append(QString::fromUtf8(specs[i]->name));
    g_free(specs);
    const auto property = CameraSelection::chooseDeviceProperty(
        names, [element](const QString &name) { return propertyText(G_OBJECT(element), name); });
    gst_object_unref(element);
    return property;
}

void setDeviceProperty(GstElement *source, const CameraSelection::DeviceProperty &property)
{
    const QByteArray name = property.name.toUtf8();
    const GParamSpec *spec
        = g_object_class_find_property(G_OBJECT_GET_CLASS(source), name.constData());
    if (!spec)
        return;
    const QByteArray value = property.value.toUtf8();
    if (property.name == QLatin1String("device-index")) {
        // Through a GValue, so that an unsigned index property takes it as well.
        GValue number = G_VALUE_INIT;
        g_value_init(&number, G_TYPE_INT);
        g_value_set_int(&number, property.value.toInt(nullptr, 10));
        g_object_set_property(G_OBJECT(source), name.constData(), &number);
        g_value_unset(&number);
    } else if (spec->value_type == G_TYPE_STRING) {
        g_object_set(source, name.constData(), value.constData(), nullptr);
    } else {
        gst_util_set_object_arg(G_OBJECT(source), name.constData(), value.constData());
    }
}

} // namespace EmulationManagement::Internal::CameraDevice
