#include "accelerometermodel.h"

#include "sensors/sensordefaults.h"

namespace EmulationManagement::Internal {

AccelerometerModel::AccelerometerModel(QObject *parent)
    : IntXYZModel(SensorDefaults::accelerometerX,
                  SensorDefaults::accelerometerY,
                  SensorDefaults::accelerometerZ,
                  parent)
{}

void AccelerometerModel::restoreDefaults()
{
    setX(SensorDefaults::accelerometerX);
    setY(SensorDefaults::accelerometerY);
    setZ(SensorDefaults::accelerometerZ);
}

QString AccelerometerModel::sensorName() const
{
    return QStringLiteral("accelerometer");
}

} // namespace EmulationManagement::Internal
