#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

// The rules that turn the user's choice of camera, size and frame rate into
// what the capture pipeline is given.
namespace EmulationManagement::Internal::CameraSelection {

// A frame rate is an N/D text; anything else means no frame rate.
QString validFramerate(const QString &framerate);

// The frame rate kept when another size is chosen: the current one when that
// size offers it, else the size's first (largest); when the size offers none,
// the current one stays.
QString pickFramerate(const QStringList &offered, const QString &current);

// "video/x-raw" with the chosen size and frame rate where they are set.
QString capsText(int width, int height, const QString &framerate);

// Which property of a capture element selects its device, and its value as
// text: the first "device" or "device-index" in class order, else a non-empty
// "device-path"; both empty when there is none. valueOf reads a property's
// current value as text and is called only for the properties that matter.
struct DeviceProperty
{
    QString name;
    QString value;
};
DeviceProperty chooseDeviceProperty(const QStringList &propertyNames,
                                    const std::function<QString(const QString &)> &valueOf);

// The "source" map of a camera entry.
QVariantMap sourceMap(const DeviceProperty &property);
DeviceProperty deviceProperty(const QVariantMap &source);

} // namespace EmulationManagement::Internal::CameraSelection
