#pragma once

#include "sensors/sensormodel.h"

namespace EmulationManagement::Internal {

// Whole degrees, derived from the accelerometer and magnetometer readings.
class CompassModel : public SensorModel
{
    Q_OBJECT
    Q_PROPERTY(int azimuth READ azimuth WRITE setAzimuth NOTIFY azimuthChanged)
    Q_PROPERTY(int calibrationLevel READ calibrationLevel WRITE setCalibrationLevel NOTIFY
                   calibrationLevelChanged)

public:
    explicit CompassModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    int azimuth() const { return m_azimuth; }
    void setAzimuth(int azimuth);
    int calibrationLevel() const { return m_calibrationLevel; }
    void setCalibrationLevel(int level);

    // Tilt-compensated heading in 0…359 from an accelerometer reading in
    // thousandths of g and a magnetometer reading in any unit. Readings that
    // give no direction (such as a zero accelerometer) give 0.
    static int calculateAzimuth(int ax, int ay, int az, double mx, double my, double mz);

signals:
    void azimuthChanged();
    void calibrationLevelChanged();

private:
    int m_azimuth;
    int m_calibrationLevel = 0;
};

} // namespace EmulationManagement::Internal
