#pragma once

#include "sensors/sensordefaults.h"
#include "sensors/sensormodel.h"

namespace EmulationManagement::Internal {

// Reflectance of the proximity sensor; 0 reads as near.
class ProximityModel : public SensorModel
{
    Q_OBJECT
    Q_PROPERTY(int reflectance READ reflectance WRITE setReflectance NOTIFY reflectanceChanged)

public:
    explicit ProximityModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    int reflectance() const { return m_reflectance; }
    void setReflectance(int reflectance);

signals:
    void reflectanceChanged();

private:
    int m_reflectance = SensorDefaults::proximityReflectance;
};

} // namespace EmulationManagement::Internal
