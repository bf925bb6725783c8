#pragma once

#include "camera/cameracapabilities.h"
#include "camera/cameraselection.h"

#include <QString>

typedef struct _GstDevice GstDevice;
typedef struct _GstElement GstElement;

// What the manager reads from a capture device and writes to the element that
// captures from it.
namespace EmulationManagement::Internal::CameraDevice {

QString displayName(GstDevice *device);

// The serialised frame rate and size of each structure of the device's caps.
QList<CameraCapabilities::StructureFields> capsStructures(GstDevice *device);

// The property that selects this device on an element made for it.
CameraSelection::DeviceProperty deviceProperty(GstDevice *device);

// Points a capture element at a device: "device-index" as a number, other
// properties from their text. A property the element lacks is left alone.
void setDeviceProperty(GstElement *source, const CameraSelection::DeviceProperty &property);

} // namespace EmulationManagement::Internal::CameraDevice
