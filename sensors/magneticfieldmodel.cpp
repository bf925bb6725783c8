#include "magneticfieldmodel.h"

#include "sensors/sensordefaults.h"

namespace EmulationManagement::Internal {

MagneticFieldModel::MagneticFieldModel(QObject *parent)
    : DoubleXYZModel(SensorDefaults::magneticFieldX,
                     SensorDefaults::magneticFieldY,
                     SensorDefaults::magneticFieldZ,
                     parent)
{}

void MagneticFieldModel::restoreDefaults()
{
    setX(SensorDefaults::magneticFieldX);
    setY(SensorDefaults::magneticFieldY);
    setZ(SensorDefaults::magneticFieldZ);
}

QString MagneticFieldModel::sensorName() const
{
    return QStringLiteral("magneticField");
}

} // namespace EmulationManagement::Internal
