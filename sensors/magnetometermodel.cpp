#include "magnetometermodel.h"

#include "sensors/sensordefaults.h"

namespace EmulationManagement::Internal {

MagnetometerModel::MagnetometerModel(QObject *parent)
    : DoubleXYZModel(SensorDefaults::magnetometerX,
                     SensorDefaults::magnetometerY,
                     SensorDefaults::magnetometerZ,
                     parent)
{}

void MagnetometerModel::restoreDefaults()
{
    setX(SensorDefaults::magnetometerX);
    setY(SensorDefaults::magnetometerY);
    setZ(SensorDefaults::magnetometerZ);
    setCalibrationLevel(SensorDefaults::magnetometerCalibrationLevel);
}

QString MagnetometerModel::sensorName() const
{
    return QStringLiteral("magnetometer");
}

void MagnetometerModel::setCalibrationLevel(int level)
{
    m_calibrationLevel = level;
    emit calibrationLevelChanged();
}

} // namespace EmulationManagement::Internal
