#pragma once

#include <QSize>
#include <QString>

namespace Vesk {

// Describes an emulated device model.
struct DeviceModelData
{
    QString name;
    QSize displayResolution;
    QSize displaySize;
};

} // namespace Vesk
