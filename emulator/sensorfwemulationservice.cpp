#include "sensorfwemulationservice.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QJsonArray>

namespace EmulationManagement::Emulator {

namespace {

// The tap directions run from Undefined (-1) to Y_Neg (8).
constexpr int firstTapDirection = -1;
constexpr int lastTapDirection = 8;

} // namespace

SensorfwEmulationService::SensorfwEmulationService(const QStringList &switchedOff, QObject *parent)
    : QObject(parent)
{
    for (const QString &name : sensorNames())
        m_enabled.insert(name, !switchedOff.contains(name));
}

QString SensorfwEmulationService::serviceName()
{
    return QStringLiteral("ru.quor.SensorfwEmulationManagement");
}

QString SensorfwEmulationService::objectPath()
{
    return QStringLiteral("/ru/quor/SensorfwEmulationManagement");
}

QStringList SensorfwEmulationService::sensorNames()
{
    return {QStringLiteral("accelerometer"),
            QStringLiteral("als"),
            QStringLiteral("compass"),
            QStringLiteral("gyroscope"),
            QStringLiteral("magneticField"),
            QStringLiteral("magnetometer"),
            QStringLiteral("orientation"),
            QStringLiteral("proximity"),
            QStringLiteral("tap")};
}

QJsonObject SensorfwEmulationService::state() const
{
    QJsonObject enabledStates;
    for (auto it = m_enabled.cbegin(); it != m_enabled.cend(); ++it)
        enabledStates.insert(it.key(), it.value());
    QJsonObject magnetometer = m_magnetometer.toJson();
    magnetometer.insert("calibrationLevel", m_magnetometerCalibrationLevel);
    return {{"enabled", enabledStates},
            {"accelerometer", m_accelerometer.toJson()},
            {"gyroscope", m_gyroscope.toJson()},
            {"magnetometer", magnetometer},
            {"als", QJsonObject{{"lux", m_lux}}},
            {"proximity", QJsonObject{{"reflectance", m_reflectance}}},
            {"tap", QJsonObject{{"direction", m_tapDirection}}}};
}

void SensorfwEmulationService::enableSensor(const QString &sensorName)
{
    if (isKnownSensor(sensorName))
        m_enabled[sensorName] = true;
}

void SensorfwEmulationService::disableSensor(const QString &sensorName)
{
    if (isKnownSensor(sensorName))
        m_enabled[sensorName] = false;
}

bool SensorfwEmulationService::enabled(const QString &sensorName)
{
    return isKnownSensor(sensorName) && m_enabled.value(sensorName);
}

void SensorfwEmulationService::setAccelerometerValues(int x, int y, int z)
{
    m_accelerometer = {x, y, z};
}

void SensorfwEmulationService::setAccelerometerX(int x)
{
    m_accelerometer.x = x;
}

void SensorfwEmulationService::setAccelerometerY(int y)
{
    m_accelerometer.y = y;
}

void SensorfwEmulationService::setAccelerometerZ(int z)
{
    m_accelerometer.z = z;
}

void SensorfwEmulationService::setAlsValue(int lux)
{
    m_lux = lux;
}

void SensorfwEmulationService::setGyroscopeValues(double x, double y, double z)
{
    m_gyroscope = {x, y, z};
}

void SensorfwEmulationService::setGyroscopeX(double x)
{
    m_gyroscope.x = x;
}

void SensorfwEmulationService::setGyroscopeY(double y)
{
    m_gyroscope.y = y;
}

void SensorfwEmulationService::setGyroscopeZ(double z)
{
    m_gyroscope.z = z;
}

void SensorfwEmulationService::setMagnetometerValues(double x, double y, double z)
{
    m_magnetometer = {x, y, z};
}

void SensorfwEmulationService::setMagnetometerX(double x)
{
    m_magnetometer.x = x;
}

void SensorfwEmulationService::setMagnetometerY(double y)
{
    m_magnetometer.y = y;
}

void SensorfwEmulationService::setMagnetometerZ(double z)
{
    m_magnetometer.z = z;
}

void SensorfwEmulationService::setMagnetometerCalibrationLevel(int level)
{
    m_magnetometerCalibrationLevel = level;
}

void SensorfwEmulationService::setProximitySensorValue(int reflectance)
{
    m_reflectance = reflectance;
}

void SensorfwEmulationService::setTapSensorValue(int direction)
{
    if (direction < firstTapDirection || direction > lastTapDirection) {
        reject(QStringLiteral("Tap direction %1 is out of range").arg(direction));
        return;
    }
    m_tapDirection = direction;
}

bool SensorfwEmulationService::isKnownSensor(const QString &sensorName)
{
    if (m_enabled.contains(sensorName))
        return true;
    reject(QStringLiteral("There is no sensor named \"%1\"").arg(sensorName));
    return false;
}

void SensorfwEmulationService::reject(const QString &message)
{
    sendErrorReply(QDBusError::InvalidArgs, message);
}

} // namespace EmulationManagement::Emulator
