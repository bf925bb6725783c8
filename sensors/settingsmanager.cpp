#include "settingsmanager.h"

#include "sensors/sensordefaults.h"
#include "sensors/settingskeys.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

namespace EmulationManagement::Internal {

namespace Keys = SettingsKeys;

static Utils::Key fullKey(const char *key)
{
    return Utils::keyFromString(
        QStringLiteral("%1/%2").arg(QLatin1String(SettingsKeys::group), QLatin1String(key)));
}

SettingsManager::SettingsManager(QObject *parent)
    : QObject(parent)
    , m_settings(Core::ICore::settings())
{}

void SettingsManager::save3DModelRotationValues(double x, double y, double z)
{
    saveAxes({Keys::modelRotationX, Keys::modelRotationY, Keys::modelRotationZ}, x, y, z);
}

void SettingsManager::save3DModelPositionValues(double x, double y, double z)
{
    saveAxes({Keys::modelPositionX, Keys::modelPositionY, Keys::modelPositionZ}, x, y, z);
}

void SettingsManager::saveDoNotShowAgainResetSensorsDialog(bool doNotShowAgain)
{
    setValue(Keys::doNotShowAgainResetSensorsDialog, doNotShowAgain);
}

double SettingsManager::read3DModelRotationX() const
{
    return value(Keys::modelRotationX, 0).toDouble();
}

double SettingsManager::read3DModelRotationY() const
{
    return value(Keys::modelRotationY, 0).toDouble();
}

double SettingsManager::read3DModelRotationZ() const
{
    return value(Keys::modelRotationZ, 0).toDouble();
}

double SettingsManager::read3DModelPositionX() const
{
    return value(Keys::modelPositionX, 0).toDouble();
}

double SettingsManager::read3DModelPositionY() const
{
    return value(Keys::modelPositionY, 0).toDouble();
}

double SettingsManager::read3DModelPositionZ() const
{
    return value(Keys::modelPositionZ, 0).toDouble();
}

bool SettingsManager::readDoNotShowAgainResetSensorsDialog() const
{
    return value(Keys::doNotShowAgainResetSensorsDialog, false).toBool();
}

void SettingsManager::saveAccelerometerValues(int x, int y, int z)
{
    saveAxes({Keys::accelerometerX, Keys::accelerometerY, Keys::accelerometerZ}, x, y, z);
}

void SettingsManager::saveAlsLux(int lux)
{
    setValue(Keys::alsLux, lux);
}

void SettingsManager::saveGyroscopeValues(double x, double y, double z)
{
    saveAxes({Keys::gyroscopeX, Keys::gyroscopeY, Keys::gyroscopeZ}, x, y, z);
}

void SettingsManager::saveMagneticFieldValues(double x, double y, double z)
{
    saveAxes({Keys::magneticFieldX, Keys::magneticFieldY, Keys::magneticFieldZ}, x, y, z);
}

void SettingsManager::saveMagnetometerValues(double x, double y, double z)
{
    saveAxes({Keys::magnetometerX, Keys::magnetometerY, Keys::magnetometerZ}, x, y, z);
}

void SettingsManager::saveMagnetometerCalibrationLevel(int level)
{
    setValue(Keys::magnetometerCalibrationLevel, level);
}

void SettingsManager::saveProximityReflectance(int reflectance)
{
    setValue(Keys::proximityReflectance, reflectance);
}

void SettingsManager::saveTapDirection(int direction)
{
    setValue(Keys::tapDirection, direction);
}

void SettingsManager::saveGpsLatitude(double latitude)
{
    setValue(Keys::gpsLatitude, latitude);
}

void SettingsManager::saveGpsLongitude(double longitude)
{
    setValue(Keys::gpsLongitude, longitude);
}

void SettingsManager::saveGpsAltitude(double altitude)
{
    setValue(Keys::gpsAltitude, altitude);
}

void SettingsManager::saveGpsPosition(double latitude, double longitude, double altitude)
{
    saveGpsLatitude(latitude);
    saveGpsLongitude(longitude);
    saveGpsAltitude(altitude);
}

int SettingsManager::readAccelerometerX() const
{
    return value(Keys::accelerometerX, SensorDefaults::accelerometerX).toInt();
}

int SettingsManager::readAccelerometerY() const
{
    return value(Keys::accelerometerY, SensorDefaults::accelerometerY).toInt();
}

int SettingsManager::readAccelerometerZ() const
{
    return value(Keys::accelerometerZ, SensorDefaults::accelerometerZ).toInt();
}

int SettingsManager::readAlsLux() const
{
    return value(Keys::alsLux, SensorDefaults::alsLux).toInt();
}

double SettingsManager::readGyroscopeX() const
{
    return value(Keys::gyroscopeX, SensorDefaults::gyroscopeX).toDouble();
}

double SettingsManager::readGyroscopeY() const
{
    return value(Keys::gyroscopeY, SensorDefaults::gyroscopeY).toDouble();
}

double SettingsManager::readGyroscopeZ() const
{
    return value(Keys::gyroscopeZ, SensorDefaults::gyroscopeZ).toDouble();
}

double SettingsManager::readMagneticFieldX() const
{
    return value(Keys::magneticFieldX, SensorDefaults::magneticFieldX).toDouble();
}

double SettingsManager::readMagneticFieldY() const
{
    return value(Keys::magneticFieldY, SensorDefaults::magneticFieldY).toDouble();
}

double SettingsManager::readMagneticFieldZ() const
{
    return value(Keys::magneticFieldZ, SensorDefaults::magneticFieldZ).toDouble();
}

double SettingsManager::readMagnetometerX() const
{
    return value(Keys::magnetometerX, SensorDefaults::magnetometerX).toDouble();
}

double SettingsManager::readMagnetometerY() const
{
    return value(Keys::magnetometerY, SensorDefaults::magnetometerY).toDouble();
}

double SettingsManager::readMagnetometerZ() const
{
    return value(Keys::magnetometerZ, SensorDefaults::magnetometerZ).toDouble();
}

int SettingsManager::readMagnetometerCalibrationLevel() const
{
    return value(Keys::magnetometerCalibrationLevel, SensorDefaults::magnetometerCalibrationLevel)
        .toInt();
}

int SettingsManager::readProximityReflectance() const
{
    return value(Keys::proximityReflectance, SensorDefaults::proximityReflectance).toInt();
}

int SettingsManager::readTapDirection() const
{
    return value(Keys::tapDirection, SensorDefaults::tapDirection).toInt();
}

double SettingsManager::readGpsLatitude() const
{
    return value(Keys::gpsLatitude, 0).toDouble();
}

double SettingsManager::readGpsLongitude() const
{
    return value(Keys::gpsLongitude, 0).toDouble();
}

double SettingsManager::readGpsAltitude() const
{
    return value(Keys::gpsAltitude, 0).toDouble();
}

void SettingsManager::saveAxes(const AxisKeys &keys,
                               const QVariant &x,
                               const QVariant &y,
                               const QVariant &z)
{
    setValue(keys.x, x);
    setValue(keys.y, y);
    setValue(keys.z, z);
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
