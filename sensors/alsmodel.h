#pragma once

#include "sensors/sensordefaults.h"
#include "sensors/sensormodel.h"

namespace EmulationManagement::Internal {

// Ambient light in lux.
class AlsModel : public SensorModel
{
    Q_OBJECT
    Q_PROPERTY(int lux READ lux WRITE setLux NOTIFY luxChanged)

public:
    // Each level is the lux reading it stands for.
    enum LightLevel : int {
        Undefined = -1,
        Dark = 0,
        Twilight = 10,
        Light = 80,
        Bright = 400,
        Sunny = 2500,
    };
    Q_ENUM(LightLevel)

    explicit AlsModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    int lux() const { return m_lux; }
    void setLux(int lux);

signals:
    void luxChanged();

private:
    int m_lux = SensorDefaults::alsLux;
};

} // namespace EmulationManagement::Internal
