#include "settingsmanager.h"

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
    return value("accelerometer_x", 0).toInt();
}

int SettingsManager::readAccelerometerY() const
{
    return value("accelerometer_y", 0).toInt();
}

int SettingsManager::readAccelerometerZ() const
{
    return value("accelerometer_z", 1000).toInt();
}

int SettingsManager::readAlsLux() const
{
    return value("als", 100).toInt();
}

double SettingsManager::readGyroscopeX() const
{
    return value("gyroscope_x", 0).toDouble();
}

double SettingsManager::readGyroscopeY() const
{
    return value("gyroscope_y", 0).toDouble();
}

double SettingsManager::readGyroscopeZ() const
{
    return value("gyroscope_z", 1.1459155902616465).toDouble();
}

double SettingsManager::readMagneticFieldX() const
{
    return value("magnetic_field_x", 0).toDouble();
}

double SettingsManager::readMagneticFieldY() const
{
    return value("magnetic_field_y", 5.95).toDouble();
}

double SettingsManager::readMagneticFieldZ() const
{
    return value("magnetic_field_z", -48.76).toDouble();
}

double SettingsManager::readMagnetometerX() const
{
    return value("magnetometer_x", 4.3e-05).toDouble();
}

double SettingsManager::readMagnetometerY() const
{
    return value("magnetometer_y", 0).toDouble();
}

double SettingsManager::readMagnetometerZ() const
{
    return value("magnetometer_z", 0).toDouble();
}

int SettingsManager::readMagnetometerCalibrationLevel() const
{
    return value("magnetometer_calib_level", 0).toInt();
}

int SettingsManager::readProximityReflectance() const
{
    return value("proximity_reflectance", 5).toInt();
}

int SettingsManager::readTapDirection() const
{
    return value("tap", -1).toInt();
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

void SettingsManager::setValue(const char *key, const QVariant &value)
{
    m_settings->setValue(fullKey(key), value);
}

} // namespace EmulationManagement::Internal
