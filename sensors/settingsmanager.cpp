#include "settingsmanager.h"

#include "sensors/sensordefaults.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

namespace EmulationManagement::Internal {

static Utils::Key fullKey(const char *key)
{
    return Utils::keyFromString(
        QStringLiteral("%1/%2").arg(QStringLiteral("emulationmanagement"), QLatin1String(key)));
}

SettingsManager::SettingsManager(QObject *parent)
    : QObject(parent)
    , m_settings(Core::ICore::settings())
{}

void SettingsManager::save3DModelRotationValues(double x, double y, double z)
{
    setValue("model_rotation_x", x);
    setValue("model_rotation_y", y);
    setValue("model_rotation_z", z);
}

void SettingsManager::save3DModelPositionValues(double x, double y, double z)
{
    setValue("model_position_x", x);
    setValue("model_position_y", y);
    setValue("model_position_z", z);
}

void SettingsManager::saveDoNotShowAgainResetSensorsDialog(bool doNotShowAgain)
{
    setValue("do_not_show_again_reset_sensors_dialog", doNotShowAgain);
}

double SettingsManager::read3DModelRotationX() const
{
    return value("model_rotation_x", 0).toDouble();
}

double SettingsManager::read3DModelRotationY() const
{
    return value("model_rotation_y", 0).toDouble();
}

double SettingsManager::read3DModelRotationZ() const
{
    return value("model_rotation_z", 0).toDouble();
}

double SettingsManager::read3DModelPositionX() const
{
    return value("model_position_x", 0).toDouble();
}

double SettingsManager::read3DModelPositionY() const
{
    return value("model_position_y", 0).toDouble();
}

double SettingsManager::read3DModelPositionZ() const
{
    return value("model_position_z", 0).toDouble();
}

bool SettingsManager::readDoNotShowAgainResetSensorsDialog() const
{
    return value("do_not_show_again_reset_sensors_dialog", false).toBool();
}

void SettingsManager::saveAccelerometerValues(int x, int y, int z)
{
    setValue("accelerometer_x", x);
    setValue("accelerometer_y", y);
    setValue("accelerometer_z", z);
}

void SettingsManager::saveAlsLux(int lux)
{
    setValue("als", lux);
}

void SettingsManager::saveGyroscopeValues(double x, double y, double z)
{
    setValue("gyroscope_x", x);
    setValue("gyroscope_y", y);
    setValue("gyroscope_z", z);
}

void SettingsManager::saveMagneticFieldValues(double x, double y, double z)
{
    setValue("magnetic_field_x", x);
    setValue("magnetic_field_y", y);
    setValue("magnetic_field_z", z);
}

void SettingsManager::saveMagnetometerValues(double x, double y, double z)
{
    setValue("magnetometer_x", x);
    setValue("magnetometer_y", y);
    setValue("magnetometer_z", z);
}

void SettingsManager::saveMagnetometerCalibrationLevel(int level)
{
    setValue("magnetometer_calib_level", level);
}

void SettingsManager::saveProximityReflectance(int reflectance)
{
    setValue("proximity_reflectance", reflectance);
}

void SettingsManager::saveTapDirection(int direction)
{
    setValue("tap", direction);
}

void SettingsManager::saveGpsLatitude(double latitude)
{
    setValue("gps_latitude", latitude);
}

void SettingsManager::saveGpsLongitude(double longitude)
{
    setValue("gps_longitude", longitude);
}

void SettingsManager::saveGpsAltitude(double altitude)
{
    setValue("gps_altitude", altitude);
}

void SettingsManager::saveGpsPosition(double latitude, double longitude, double altitude)
{
    saveGpsLatitude(latitude);
    saveGpsLongitude(longitude);
    saveGpsAltitude(altitude);
}

int SettingsManager::readAccelerometerX() const
{
    return value("accelerometer_x", SensorDefaults::accelerometerX).toInt();
}

int SettingsManager::readAccelerometerY() const
{
    return value("accelerometer_y", SensorDefaults::accelerometerY).toInt();
}

int SettingsManager::readAccelerometerZ() const
{
    return value("accelerometer_z", SensorDefaults::accelerometerZ).toInt();
}

int SettingsManager::readAlsLux() const
{
    return value("als", SensorDefaults::alsLux).toInt();
}

double SettingsManager::readGyroscopeX() const
{
    return value("gyroscope_x", SensorDefaults::gyroscopeX).toDouble();
}

double SettingsManager::readGyroscopeY() const
{
    return value("gyroscope_y", SensorDefaults::gyroscopeY).toDouble();
}

double SettingsManager::readGyroscopeZ() const
{
    return value("gyroscope_z", SensorDefaults::gyroscopeZ).toDouble();
}

double SettingsManager::readMagneticFieldX() const
{
    return value("magnetic_field_x", SensorDefaults::magneticFieldX).toDouble();
}

double SettingsManager::readMagneticFieldY() const
{
    return value("magnetic_field_y", SensorDefaults::magneticFieldY).toDouble();
}

double SettingsManager::readMagneticFieldZ() const
{
    return value("magnetic_field_z", SensorDefaults::magneticFieldZ).toDouble();
}

double SettingsManager::readMagnetometerX() const
{
    return value("magnetometer_x", SensorDefaults::magnetometerX).toDouble();
}

double SettingsManager::readMagnetometerY() const
{
    return value("magnetometer_y", SensorDefaults::magnetometerY).toDouble();
}

double SettingsManager::readMagnetometerZ() const
{
    return value("magnetometer_z", SensorDefaults::magnetometerZ).toDouble();
}

int SettingsManager::readMagnetometerCalibrationLevel() const
{
    return value("magnetometer_calib_level", SensorDefaults::magnetometerCalibrationLevel).toInt();
}

int SettingsManager::readProximityReflectance() const
{
    return value("proximity_reflectance", SensorDefaults::proximityReflectance).toInt();
}

int SettingsManager::readTapDirection() const
{
    return value("tap", SensorDefaults::tapDirection).toInt();
}

double SettingsManager::readGpsLatitude() const
{
    return value("gps_latitude", 0).toDouble();
}

double SettingsManager::readGpsLongitude() const
{
    return value("gps_longitude", 0).toDouble();
}

double SettingsManager::readGpsAltitude() const
{
    return value("gps_altitude", 0).toDouble();
}

QVariant SettingsManager::value(const char *key, const QVariant &defaultValue) const
{
    return m_settings->value(fullKey(key), defaultValue);
}

// Every change makes the settings file be written out again (and flushed to
// disk); the phone page sends its still gyroscope ten times a second.
void SettingsManager::setValue(const char *key, const QVariant &value)
{
    const Utils::Key settingsKey = fullKey(key);
    if (m_settings->value(settingsKey) != value)
        m_settings->setValue(settingsKey, value);
}

} // namespace EmulationManagement::Internal
