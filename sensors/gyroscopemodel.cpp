#include "gyroscopemodel.h"

#include "sensors/sensordefaults.h"

namespace EmulationManagement::Internal {

GyroscopeModel::GyroscopeModel(QObject *parent)
    : DoubleXYZModel(
        SensorDefaults::gyroscopeX, SensorDefaults::gyroscopeY, SensorDefaults::gyroscopeZ, parent)
{}

void GyroscopeModel::restoreDefaults()
{
    setX(SensorDefaults::gyroscopeX);
    setY(SensorDefaults::gyroscopeY);
    setZ(SensorDefaults::gyroscopeZ);
}

QString GyroscopeModel::sensorName() const
{
    return QStringLiteral("gyroscope");
}

} // namespace EmulationManagement::Internal
