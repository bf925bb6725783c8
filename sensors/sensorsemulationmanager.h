#pragma once

#include "sensors/accelerometermodel.h"
#include "sensors/alsmodel.h"
#include "sensors/compassmodel.h"
#include "sensors/gyroscopemodel.h"
#include "sensors/magneticfieldmodel.h"
#include "sensors/magnetometermodel.h"
#include "sensors/orientationmodel.h"
#include "sensors/proximitymodel.h"
#include "sensors/settingsmanager.h"
#include "sensors/tapmodel.h"
#include "transport/emulationmanager.h"

#include <QVariantMap>

#include <initializer_list>
#include <utility>

namespace EmulationManagement::Internal {

// Drives the emulator's sensor framework service: every reading change is sent
// as one D-Bus call, then stored in its model and in the settings, so that
// each (re)connection can bring the emulator back to what the user set last.
class SensorsEmulationManager : public EmulationManager
{
    Q_OBJECT
    Q_PROPERTY(AccelerometerModel *accelerometer READ accelerometer CONSTANT)
    Q_PROPERTY(MagnetometerModel *magnetometer READ magnetometer CONSTANT)
    Q_PROPERTY(MagneticFieldModel *magneticField READ magneticField CONSTANT)
    Q_PROPERTY(CompassModel *compass READ compass CONSTANT)
    Q_PROPERTY(OrientationModel *orientation READ orientation CONSTANT)
    Q_PROPERTY(GyroscopeModel *gyroscope READ gyroscope CONSTANT)
    Q_PROPERTY(AlsModel *als READ als CONSTANT)
    Q_PROPERTY(ProximityModel *proximity READ proximity CONSTANT)
    Q_PROPERTY(TapModel *tap READ tap CONSTANT)
    Q_PROPERTY(QVariantMap sensorsEnabledStates READ sensorsEnabledStates NOTIFY
                   sensorsEnabledStatesChanged)
    Q_PROPERTY(
        QVariantMap sensorsAvailability READ sensorsAvailability NOTIFY sensorsAvailabilityChanged)

public:
    explicit SensorsEmulationManager(QObject *parent = nullptr);
    ~SensorsEmulationManager() override;

    QString bus() const override;
    QString serviceName() const override;
    QString objectPath() const override;
    QString interfaceName() const override;

    AccelerometerModel *accelerometer() const { return m_accelerometer; }
    MagnetometerModel *magnetometer() const { return m_magnetometer; }
    MagneticFieldModel *magneticField() const { return m_magneticField; }
    CompassModel *compass() const { return m_compass; }
    OrientationModel *orientation() const { return m_orientation; }
    GyroscopeModel *gyroscope() const { return m_gyroscope; }
    AlsModel *als() const { return m_als; }
    ProximityModel *proximity() const { return m_proximity; }
    TapModel *tap() const { return m_tap; }
    QVariantMap sensorsEnabledStates() const { return m_sensorsEnabledStates; }
    QVariantMap sensorsAvailability() const { return m_sensorsAvailability; }

    Q_INVOKABLE void enableSensor(const QString &sensorName);
    Q_INVOKABLE void disableSensor(const QString &sensorName);
    Q_INVOKABLE void setAccelerometerValues(int x, int y, int z);
    Q_INVOKABLE void setAccelerometerX(int x);
    Q_INVOKABLE void setAccelerometerY(int y);
    Q_INVOKABLE void setAccelerometerZ(int z);
    Q_INVOKABLE void setAlsLuxValue(int lux);
    Q_INVOKABLE void setAlsLightLevel(AlsModel::LightLevel level);
    Q_INVOKABLE void setCompassAzimuth(int azimuth);
    Q_INVOKABLE void setCompassCalibrationLevel(int level);
    Q_INVOKABLE void setGyroscopeValues(double x, double y, double z);
    Q_INVOKABLE void setGyroscopeX(double x);
    Q_INVOKABLE void setGyroscopeY(double y);
    Q_INVOKABLE void setGyroscopeZ(double z);
    Q_INVOKABLE void setMagneticFieldValues(double x, double y, double z);
    Q_INVOKABLE void setMagneticFieldX(double x);
    Q_INVOKABLE void setMagneticFieldY(double y);
    Q_INVOKABLE void setMagneticFieldZ(double z);
    Q_INVOKABLE void setMagnetometerValues(double x, double y, double z);
    Q_INVOKABLE void setMagnetometerX(double x);
    Q_INVOKABLE void setMagnetometerY(double y);
    Q_INVOKABLE void setMagnetometerZ(double z);
    Q_INVOKABLE void setMagnetometerCalibrationLevel(int level);
    Q_INVOKABLE void setOrientation(int orientation);
    Q_INVOKABLE void setProximitySensorReflectanceValue(int reflectance);
    Q_INVOKABLE void setProximitySensorNearValue(bool near);
    Q_INVOKABLE void setTapSensorValue(TapModel::TapDirection direction);
    Q_INVOKABLE void setSensorEnabled(const QString &sensorName, bool checkSensorState);
    Q_INVOKABLE void setDefaultValues();

    // Applies one entry of the emulated device's sensor table.
    void setSensorAvailability(const QString &sensorName, bool available);
    // For a device without a sensor table: every sensor exists and is on.
    void setAllSensorsAvailable();

signals:
    void sensorsEnabledStatesChanged();
    void sensorsInitialized();
    void sensorsAvailabilityChanged();

protected:
    void processReply(const QStringList &fields) override;

private:
    enum Axis { AxisX, AxisY, AxisZ };

    // Sends method (nothing for an empty name) with the values, sets them on
    // their axes of model in the order given, then handleAxesChanged(model).
    template<typename T>
    void setAxes(XYZModel<T> *model,
                 const QString &method,
                 std::initializer_list<std::pair<Axis, T>> values);
    void handleAxesChanged(const SensorModel *model);
    QList<SensorModel *> switchableSensors() const;
    bool isSwitchableSensor(const QString &sensorName) const;
    void resetSensorsAvailability();
    void handleEmulatorConnected();
    void queryEnabledStates();
    void applyAvailability();
    void applyStoredReadings();
    void updateCompass();
    void updateOrientation();
    void saveAccelerometer();
    void saveGyroscope();
    void saveMagneticField();
    void saveMagnetometer();
    void saveReadings();

    AccelerometerModel *m_accelerometer;
    MagnetometerModel *m_magnetometer;
    MagneticFieldModel *m_magneticField;
    CompassModel *m_compass;
    OrientationModel *m_orientation;
    GyroscopeModel *m_gyroscope;
    AlsModel *m_als;
    ProximityModel *m_proximity;
    TapModel *m_tap;
    QVariantMap m_sensorsEnabledStates;
    SettingsManager m_settings;
    QVariantMap m_sensorsAvailability;
    bool m_sensorsQueried = false;
};

} // namespace EmulationManagement::Internal
