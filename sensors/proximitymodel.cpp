#include "proximitymodel.h"

namespace EmulationManagement::Internal {

ProximityModel::ProximityModel(QObject *parent)
    : SensorModel(parent)
{}

void ProximityModel::restoreDefaults()
{
    setReflectance(SensorDefaults::proximityReflectance);
}

QString ProximityModel::sensorName() const
{
    return QStringLiteral("proximity");
}

void ProximityModel::setReflectance(int reflectance)
{
    m_reflectance = reflectance;
    emit reflectanceChanged();
}

} // namespace EmulationManagement::Internal
