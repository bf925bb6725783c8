#include "compassmodel.h"

#include "sensors/sensordefaults.h"

#include <QtMath>

#include <cmath>

namespace EmulationManagement::Internal {

static constexpr double standardGravity = 9.80665;
static constexpr double degreesPerRadian = 57.29577951308232;

static int defaultAzimuth()
{
    return CompassModel::calculateAzimuth(SensorDefaults::accelerometerX,
                                          SensorDefaults::accelerometerY,
                                          SensorDefaults::accelerometerZ,
                                          SensorDefaults::magnetometerX,
                                          SensorDefaults::magnetometerY,
                                          SensorDefaults::magnetometerZ);
}

CompassModel::CompassModel(QObject *parent)
    : SensorModel(parent)
    , m_azimuth(defaultAzimuth())
{}

void CompassModel::restoreDefaults()
{
    setAzimuth(defaultAzimuth());
    setCalibrationLevel(0);
}

QString CompassModel::sensorName() const
{
    return QStringLiteral("compass");
}

void CompassModel::setAzimuth(int azimuth)
{
    m_azimuth = azimuth;
    emit azimuthChanged();
}

void CompassModel::setCalibrationLevel(int level)
{
    m_calibrationLevel = level;
    emit calibrationLevelChanged();
}

int CompassModel::calculateAzimuth(int ax, int ay, int az, double mx, double my, double mz)
{
    const double gx = ax * 0.001 * standardGravity;
    const double gy = ay * 0.001 * standardGravity;
    const double gz = az * 0.001 * standardGravity;
    const double roll = std::atan2(gx, -gz);
    const double pitch = std::atan(-gy / (std::sin(roll) * gx - std::cos(roll) * gz));
    const double heading = std::atan2(std::sin(roll) * mz - std::cos(roll) * mx,
                                      std::sin(pitch) * (std::cos(roll) * mz + std::sin(roll) * mx)
                                          + std::cos(pitch) * my)
                           * degreesPerRadian;
    // A zero accelerometer makes the pitch 0/0; converting NaN to int is undefined.
    if (!std::isfinite(heading))
        return 0;
    return qRound(360 - heading) % 360;
}

} // namespace EmulationManagement::Internal
