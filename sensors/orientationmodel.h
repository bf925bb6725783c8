#pragma once

#include "sensors/sensormodel.h"

#include <QOrientationReading>

namespace EmulationManagement::Internal {

// The device orientation derived from the accelerometer reading. It remembers
// whether the face was last up or down, because a nearly vertical reading
// does not tell.
class OrientationModel : public SensorModel
{
    Q_OBJECT
    Q_PROPERTY(QOrientationReading::Orientation orientation READ orientation WRITE setOrientation
                   NOTIFY orientationChanged)

public:
    enum OrientationMode {
        Portrait = 0,
        Landscape = 1,
    };
    Q_ENUM(OrientationMode)

    explicit OrientationModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    QOrientationReading::Orientation orientation() const { return m_orientation; }
    void setOrientation(QOrientationReading::Orientation orientation);

    // Takes a reading in thousandths of g.
    void updateFromAccelerometer(double x, double y, double z);

signals:
    void orientationChanged();

private:
    QOrientationReading::Orientation m_orientation = QOrientationReading::FaceUp;
    QOrientationReading::Orientation m_sideOrientation = QOrientationReading::Undefined;
    QOrientationReading::Orientation m_faceOrientation = QOrientationReading::FaceUp;
};

} // namespace EmulationManagement::Internal
