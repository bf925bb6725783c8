#pragma once

#include <QStringList>
#include <QVariantMap>

namespace EmulationManagement::Internal {

// Device model name -> sensor name -> available, from the "*.ini" files of a
// directory; keys other than sensorNames are left out with a warning.
QVariantMap readDeviceSensorTables(const QString &directory, const QStringList &sensorNames);

} // namespace EmulationManagement::Internal
