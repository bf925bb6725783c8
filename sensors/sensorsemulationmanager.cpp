#include "sensorsemulationmanager.h"

#include "sensors/sensordefaults.h"
#include "transport/dbusarguments.h"

#include <algorithm>
#include <cmath>

namespace EmulationManagement::Internal {

static const QString enabledMethod = QStringLiteral("enabled");
static constexpr double radiansPerDegree = 0.017453292519943295;
// Any length gives the same azimuth; this one is a plausible field in tesla.
static const double magnetometerScale = std::sqrt(19.0) / 100000;

SensorsEmulationManager::SensorsEmulationManager(QObject *parent)
    : EmulationManager(parent)
    , m_accelerometer(new AccelerometerModel(this))
    , m_magnetometer(new MagnetometerModel(this))
    , m_magneticField(new MagneticFieldModel(this))
    , m_compass(new CompassModel(this))
    , m_orientation(new OrientationModel(this))
    , m_gyroscope(new GyroscopeModel(this))
    , m_als(new AlsModel(this))
    , m_proximity(new ProximityModel(this))
    , m_tap(new TapModel(this))
{
    for (const SensorModel *sensor : switchableSensors())
        m_sensorsEnabledStates.insert(sensor->sensorName(), false);
    resetSensorsAvailability();
    connect(this,
            &EmulationManager::emulatorConnected,
            this,
            &SensorsEmulationManager::handleEmulatorConnected);
}

SensorsEmulationManager::~SensorsEmulationManager()
{
    saveReadings();
}

QString SensorsEmulationManager::bus() const
{
    return QStringLiteral("system");
}

QString SensorsEmulationManager::serviceName() const
{
    return QStringLiteral("ru.quor.SensorfwEmulationManagement");
}

QString SensorsEmulationManager::objectPath() const
{
    return QStringLiteral("/ru/quor/SensorfwEmulationManagement");
}

QString SensorsEmulationManager::interfaceName() const
{
    return serviceName();
}

static QString argument(int value)
{
    return DBusArguments::int32(value);
}

static QString argument(double value)
{
    return DBusArguments::doubleValue(value);
}

template<typename T>
void SensorsEmulationManager::setAxes(XYZModel<T> *model,
                                      const QString &method,
                                      std::initializer_list<std::pair<Axis, T>> values)
{
    static constexpr void (XYZModel<T>::*setters[])(T)
        = {&XYZModel<T>::setX, &XYZModel<T>::setY, &XYZModel<T>::setZ};
    if (!method.isEmpty()) {
        QStringList arguments;
        for (const auto &[axis, value] : values)
            arguments.append(argument(value));
        callMethod(method, DBusArguments::join(arguments));
    }
    for (const auto &[axis, value] : values)
        (model->*setters[axis])(value);
    handleAxesChanged(model);
}

// The compass follows the accelerometer and the magnetometer, the orientation
// the accelerometer; every three-axis reading is stored as it changes.
void SensorsEmulationManager::handleAxesChanged(const SensorModel *model)
{
    if (model == m_accelerometer) {
        updateCompass();
        updateOrientation();
        saveAccelerometer();
    } else if (model == m_magnetometer) {
        updateCompass();
        saveMagnetometer();
    } else if (model == m_gyroscope) {
        saveGyroscope();
    } else {
        saveMagneticField();
    }
}

void SensorsEmulationManager::enableSensor(const QString &sensorName)
{
    callMethod(QStringLiteral("enableSensor"), DBusArguments::string(sensorName));
}

void SensorsEmulationManager::disableSensor(const QString &sensorName)
{
    callMethod(QStringLiteral("disableSensor"), DBusArguments::string(sensorName));
}

void SensorsEmulationManager::setAccelerometerValues(int x, int y, int z)
{
    setAxes(m_accelerometer,
            QStringLiteral("setAccelerometerValues"),
            {{AxisX, x}, {AxisY, y}, {AxisZ, z}});
}

void SensorsEmulationManager::setAccelerometerX(int x)
{
    setAxes(m_accelerometer, QStringLiteral("setAccelerometerX"), {{AxisX, x}});
}

void SensorsEmulationManager::setAccelerometerY(int y)
{
    setAxes(m_accelerometer, QStringLiteral("setAccelerometerY"), {{AxisY, y}});
}

void SensorsEmulationManager::setAccelerometerZ(int z)
{
    setAxes(m_accelerometer, QStringLiteral("setAccelerometerZ"), {{AxisZ, z}});
}

void SensorsEmulationManager::setAlsLuxValue(int lux)
{
    callMethod(QStringLiteral("setAlsValue"), DBusArguments::int32(lux));
    m_als->setLux(lux);
    m_settings.saveAlsLux(lux);
}

void SensorsEmulationManager::setAlsLightLevel(AlsModel::LightLevel level)
{
    setAlsLuxValue(level);
}

void SensorsEmulationManager::setCompassAzimuth(int azimuth)
{
    m_compass->setAzimuth(azimuth);
    // Lying flat, a field pointing at -azimuth makes the compass read the azimuth.
    setAccelerometerValues(0, 0, 1000);
    const double angle = -static_cast<double>(azimuth) * radiansPerDegree;
    setMagnetometerValues(
        magnetometerScale * std::sin(angle), magnetometerScale * std::cos(angle), 0);
}

void SensorsEmulationManager::setCompassCalibrationLevel(int level)
{
    m_compass->setCalibrationLevel(level);
    setMagnetometerCalibrationLevel(level);
}

void SensorsEmulationManager::setGyroscopeValues(double x, double y, double z)
{
    setAxes(
        m_gyroscope, QStringLiteral("setGyroscopeValues"), {{AxisX, x}, {AxisY, y}, {AxisZ, z}});
}

void SensorsEmulationManager::setGyroscopeX(double x)
{
    setAxes(m_gyroscope, QStringLiteral("setGyroscopeX"), {{AxisX, x}});
}

void SensorsEmulationManager::setGyroscopeY(double y)
{
    setAxes(m_gyroscope, QStringLiteral("setGyroscopeY"), {{AxisY, y}});
}

void SensorsEmulationManager::setGyroscopeZ(double z)
{
    setAxes(m_gyroscope, QStringLiteral("setGyroscopeZ"), {{AxisZ, z}});
}

void SensorsEmulationManager::setMagneticFieldValues(double x, double y, double z)
{
    setAxes(m_magneticField, QString(), {{AxisX, x}, {AxisY, y}, {AxisZ, z}});
}

void SensorsEmulationManager::setMagneticFieldX(double x)
{
    setAxes(m_magneticField, QString(), {{AxisX, x}});
}

void SensorsEmulationManager::setMagneticFieldY(double y)
{
    setAxes(m_magneticField, QString(), {{AxisY, y}});
}

void SensorsEmulationManager::setMagneticFieldZ(double z)
{
    setAxes(m_magneticField, QString(), {{AxisZ, z}});
}

void SensorsEmulationManager::setMagnetometerValues(double x, double y, double z)
{
    setAxes(m_magnetometer,
            QStringLiteral("setMagnetometerValues"),
            {{AxisX, x}, {AxisY, y}, {AxisZ, z}});
}

void SensorsEmulationManager::setMagnetometerX(double x)
{
    setAxes(m_magnetometer, QStringLiteral("setMagnetometerX"), {{AxisX, x}});
}

void SensorsEmulationManager::setMagnetometerY(double y)
{
    setAxes(m_magnetometer, QStringLiteral("setMagnetometerY"), {{AxisY, y}});
}

void SensorsEmulationManager::setMagnetometerZ(double z)
{
    setAxes(m_magnetometer, QStringLiteral("setMagnetometerZ"), {{AxisZ, z}});
}

void SensorsEmulationManager::setMagnetometerCalibrationLevel(int level)
{
    callMethod(QStringLiteral("setMagnetometerCalibrationLevel"), DBusArguments::int32(level));
    m_magnetometer->setCalibrationLevel(level);
    m_compass->setCalibrationLevel(level);
    m_settings.saveMagnetometerCalibrationLevel(level);
}

void SensorsEmulationManager::setOrientation(int orientation)
{
    switch (orientation) {
    case QOrientationReading::TopUp:
        setAccelerometerValues(0, 100, 0);
        break;
    case QOrientationReading::TopDown:
        setAccelerometerValues(0, -100, 0);
        break;
    case QOrientationReading::LeftUp:
        setAccelerometerValues(-100, 0, 0);
        break;
    case QOrientationReading::RightUp:
        setAccelerometerValues(100, 0, 0);
        break;
    case QOrientationReading::FaceUp:
        setAccelerometerValues(0, 0, 300);
        break;
    case QOrientationReading::FaceDown:
        setAccelerometerValues(0, 0, -300);
        break;
    default:
        break;
    }
}

void SensorsEmulationManager::setProximitySensorReflectanceValue(int reflectance)
{
    callMethod(QStringLiteral("setProximitySensorValue"), DBusArguments::int32(reflectance));
    m_proximity->setReflectance(reflectance);
    m_settings.saveProximityReflectance(reflectance);
}

void SensorsEmulationManager::setProximitySensorNearValue(bool near)
{
    setProximitySensorReflectanceValue(near ? 0 : 10);
}

void SensorsEmulationManager::setTapSensorValue(TapModel::TapDirection direction)
{
    callMethod(QStringLiteral("setTapSensorValue"), DBusArguments::int32(direction));
    m_tap->setTapDirection(direction);
    m_settings.saveTapDirection(direction);
}

void SensorsEmulationManager::setSensorEnabled(const QString &sensorName, bool checkSensorState)
{
    m_sensorsEnabledStates.insert(sensorName, checkSensorState);
    emit sensorsEnabledStatesChanged();
}

void SensorsEmulationManager::setDefaultValues()
{
    setAccelerometerValues(SensorDefaults::accelerometerX,
                           SensorDefaults::accelerometerY,
                           SensorDefaults::accelerometerZ);
    setAlsLuxValue(SensorDefaults::alsLux);
    setGyroscopeValues(
        SensorDefaults::gyroscopeX, SensorDefaults::gyroscopeY, SensorDefaults::gyroscopeZ);
    setMagnetometerValues(SensorDefaults::magnetometerX,
                          SensorDefaults::magnetometerY,
                          SensorDefaults::magnetometerZ);
    setMagnetometerCalibrationLevel(SensorDefaults::magnetometerCalibrationLevel);
    setProximitySensorReflectanceValue(SensorDefaults::proximityReflectance);
    setTapSensorValue(TapModel::TapDirection(SensorDefaults::tapDirection));
}

void SensorsEmulationManager::setSensorAvailability(const QString &sensorName, bool available)
{
    m_sensorsAvailability.insert(sensorName, available);
    setSensorEnabled(sensorName, available);
    if (available)
        enableSensor(sensorName);
    else
        disableSensor(sensorName);
    emit sensorsAvailabilityChanged();
}

void SensorsEmulationManager::setAllSensorsAvailable()
{
    resetSensorsAvailability();
    for (const QString &sensorName : m_sensorsAvailability.keys()) {
        enableSensor(sensorName);
        m_sensorsEnabledStates.insert(sensorName, true);
        emit sensorsEnabledStatesChanged();
    }
}

void SensorsEmulationManager::processReply(const QStringList &fields)
{
    if (fields.at(0).compare(enabledMethod, Qt::CaseInsensitive) != 0)
        return;
    const QString sensorName = fields.at(1).split(QLatin1Char('|'), Qt::SkipEmptyParts).value(0);
    // Only answers about the sensors this manager asks for may touch its maps.
    if (!isSwitchableSensor(sensorName))
        return;
    const bool enabled = QVariant(fields.at(2)).toBool();
    if (m_sensorsAvailability.value(sensorName).toBool()) {
        m_sensorsEnabledStates.insert(sensorName, enabled);
    } else {
        disableSensor(sensorName);
        m_sensorsEnabledStates.insert(sensorName, false);
    }
    emit sensorsEnabledStatesChanged();
}

// Every model but the magnetic field, which is never sent.
QList<SensorModel *> SensorsEmulationManager::switchableSensors() const
{
    return {m_accelerometer,
            m_compass,
            m_orientation,
            m_magnetometer,
            m_als,
            m_gyroscope,
            m_proximity,
            m_tap};
}

bool SensorsEmulationManager::isSwitchableSensor(const QString &sensorName) const
{
    const QList<SensorModel *> sensors = switchableSensors();
    return std::any_of(sensors.cbegin(), sensors.cend(), [&](const SensorModel *sensor) {
        return sensor->sensorName() == sensorName;
    });
}

void SensorsEmulationManager::resetSensorsAvailability()
{
    m_sensorsAvailability.clear();
    for (const SensorModel *sensor : switchableSensors())
        m_sensorsAvailability.insert(sensor->sensorName(), true);
    emit sensorsAvailabilityChanged();
}

void SensorsEmulationManager::handleEmulatorConnected()
{
    if (!m_sensorsQueried)
        queryEnabledStates();
    else
        applyAvailability();
    applyStoredReadings();
    emit sensorsInitialized();
}

void SensorsEmulationManager::queryEnabledStates()
{
    for (const QString &sensorName : m_sensorsEnabledStates.keys())
        callMethod(enabledMethod, DBusArguments::string(sensorName));
    m_sensorsQueried = true;
}

// After a re-connection the emulator has its own defaults again: every
// available sensor is switched on, also one the user had switched off.
void SensorsEmulationManager::applyAvailability()
{
    for (const QString &sensorName : m_sensorsAvailability.keys()) {
        const bool available = m_sensorsAvailability.value(sensorName).toBool();
        m_sensorsEnabledStates.insert(sensorName, available);
        emit sensorsEnabledStatesChanged();
        if (available)
            enableSensor(sensorName);
        else
            disableSensor(sensorName);
        emit sensorsAvailabilityChanged();
    }
}

void SensorsEmulationManager::applyStoredReadings()
{
    setAccelerometerValues(m_settings.readAccelerometerX(),
                           m_settings.readAccelerometerY(),
                           m_settings.readAccelerometerZ());
    setMagnetometerValues(m_settings.readMagnetometerX(),
                          m_settings.readMagnetometerY(),
                          m_settings.readMagnetometerZ());
    m_magneticField->setX(m_settings.readMagneticFieldX());
    m_magneticField->setY(m_settings.readMagneticFieldY());
    m_magneticField->setZ(m_settings.readMagneticFieldZ());
    setMagnetometerCalibrationLevel(m_settings.readMagnetometerCalibrationLevel());
    setGyroscopeValues(
        m_settings.readGyroscopeX(), m_settings.readGyroscopeY(), m_settings.readGyroscopeZ());
    setAlsLuxValue(m_settings.readAlsLux());
    setProximitySensorReflectanceValue(m_settings.readProximityReflectance());
    setTapSensorValue(TapModel::TapDirection(m_settings.readTapDirection()));
}

void SensorsEmulationManager::updateCompass()
{
    m_compass->setAzimuth(CompassModel::calculateAzimuth(m_accelerometer->x(),
                                                         m_accelerometer->y(),
                                                         m_accelerometer->z(),
                                                         m_magnetometer->x(),
                                                         m_magnetometer->y(),
                                                         m_magnetometer->z()));
}

void SensorsEmulationManager::updateOrientation()
{
    m_orientation->updateFromAccelerometer(
        m_accelerometer->x(), m_accelerometer->y(), m_accelerometer->z());
}

void SensorsEmulationManager::saveAccelerometer()
{
    m_settings.saveAccelerometerValues(
        m_accelerometer->x(), m_accelerometer->y(), m_accelerometer->z());
}

void SensorsEmulationManager::saveGyroscope()
{
    m_settings.saveGyroscopeValues(m_gyroscope->x(), m_gyroscope->y(), m_gyroscope->z());
}

void SensorsEmulationManager::saveMagneticField()
{
    m_settings.saveMagneticFieldValues(
        m_magneticField->x(), m_magneticField->y(), m_magneticField->z());
}

void SensorsEmulationManager::saveMagnetometer()
{
    m_settings.saveMagnetometerValues(
        m_magnetometer->x(), m_magnetometer->y(), m_magnetometer->z());
}

void SensorsEmulationManager::saveReadings()
{
    saveAccelerometer();
    m_settings.saveAlsLux(m_als->lux());
    saveGyroscope();
    saveMagneticField();
    saveMagnetometer();
    m_settings.saveMagnetometerCalibrationLevel(m_magnetometer->calibrationLevel());
    m_settings.saveProximityReflectance(m_proximity->reflectance());
    m_settings.saveTapDirection(m_tap->tapDirection());
}

} // namespace EmulationManagement::Internal
