#include "orientationmodel.h"

#include <QtMath>

#include <cmath>

namespace EmulationManagement::Internal {

static constexpr double degreesPerRadian = 57.29577951308232;
static constexpr int sideTiltLimit = 25;
static constexpr int topTiltLimit = 20;
static constexpr double faceLimit = 300;

// The tilt of one axis against the plane of the two others, in whole degrees.
// A 0/0 ratio has no tilt, which keeps it within any threshold.
static int tiltDegrees(double axis, double other1, double other2)
{
    const double ratio = axis / std::sqrt(other1 * other1 + other2 * other2);
    if (std::isnan(ratio))
        return 0;
    return qRound(std::atan(ratio) * degreesPerRadian);
}

static QOrientationReading::Orientation sideOrientation(double x, double y, double z)
{
    const int tiltX = tiltDegrees(x, y, z);
    if (std::abs(tiltX) > sideTiltLimit)
        return tiltX > 0 ? QOrientationReading::RightUp : QOrientationReading::LeftUp;
    const int tiltY = tiltDegrees(y, x, z);
    if (std::abs(tiltY) > topTiltLimit)
        return tiltY > 0 ? QOrientationReading::TopUp : QOrientationReading::TopDown;
    return QOrientationReading::Undefined;
}

OrientationModel::OrientationModel(QObject *parent)
    : SensorModel(parent)
{}

void OrientationModel::restoreDefaults()
{
    updateFromAccelerometer(0, 0, 1000);
}

QString OrientationModel::sensorName() const
{
    return QStringLiteral("orientation");
}

void OrientationModel::setOrientation(QOrientationReading::Orientation orientation)
{
    m_orientation = orientation;
    emit orientationChanged();
}

void OrientationModel::updateFromAccelerometer(double x, double y, double z)
{
    m_sideOrientation = sideOrientation(x, y, z);
    // A strongly negative z beside a side orientation still counts as face up.
    if (std::abs(z) >= faceLimit) {
        m_faceOrientation = z <= 0 && m_sideOrientation == QOrientationReading::Undefined
                                ? QOrientationReading::FaceDown
                                : QOrientationReading::FaceUp;
    }
    setOrientation(m_sideOrientation != QOrientationReading::Undefined ? m_sideOrientation
                                                                       : m_faceOrientation);
}

} // namespace EmulationManagement::Internal
