#pragma once

#include "sensors/doublexyzmodel.h"
#include "sensors/sensordefaults.h"

namespace EmulationManagement::Internal {

// Tesla, with the calibration level the emulator reports alongside.
class MagnetometerModel : public DoubleXYZModel
{
    Q_OBJECT
    Q_PROPERTY(int calibrationLevel READ calibrationLevel WRITE setCalibrationLevel NOTIFY
                   calibrationLevelChanged)

public:
    explicit MagnetometerModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    int calibrationLevel() const { return m_calibrationLevel; }
    void setCalibrationLevel(int level);

signals:
    void calibrationLevelChanged();

private:
    int m_calibrationLevel = SensorDefaults::magnetometerCalibrationLevel;
};

} // namespace EmulationManagement::Internal
