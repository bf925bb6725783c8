#include "settingsmanager.h"

#include "plugin/emulationmanagementconstants.h"
#include "sensors/sensordefaults.h"
#include "sensors/settingskeys.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

namespace EmulationManagement::Internal {

static Utils::Key fullKey(const char *key)
{
    return Utils::keyFromString(
        QStringLiteral("%1/%2").arg(QLatin1String(Constants::settingsGroup), QLatin1String(key)));
}

SettingsManager::SettingsManager(QObject *parent)
    : QObject(parent)
    , m_settings(Core::ICore::settings())
{}

void SettingsManager::save3DModelRotationValues(double x, double y, double z)
{
    setValue(SettingsKeys::modelRotationX, x);
    setValue(SettingsKeys::modelRotationY, y);
    setValue(SettingsKeys::modelRotationZ, z);
}

void SettingsManager::save3DModelPositionValues(double x, double y, double z)
{
    setValue(SettingsKeys::modelPositionX, x);
    setValue(SettingsKeys::modelPositionY, y);
    setValue(SettingsKeys::modelPositionZ, z);
}

void SettingsManager::saveDoNotShowAgainResetSensorsDialog(bool doNotShowAgain)
{
    setValue(SettingsKeys::doNotShowAgainResetSensorsDialog, doNotShowAgain);
}

double SettingsManager::read3DModelRotationX() const
{
    return value(SettingsKeys::modelRotationX, 0).toDouble();
}

double SettingsManager::read3DModelRotationY() const
{
    return value(SettingsKeys::modelRotationY, 0).toDouble();
}

double SettingsManager::read3DModelRotationZ() const
{
    return value(SettingsKeys::modelRotationZ, 0).toDouble();
}

double SettingsManager::read3DModelPositionX() const
{
    return value(SettingsKeys::modelPositionX, 0).toDouble();
}

double SettingsManager::read3DModelPositionY() const
{
    return value(SettingsKeys::modelPositionY, 0).toDouble();
}

double SettingsManager::read3DModelPositionZ() const
{
    return value(SettingsKeys::modelPositionZ, 0).toDouble();
}

bool SettingsManager::readDoNotShowAgainResetSensorsDialog() const
{
    return value(SettingsKeys::doNotShowAgainResetSensorsDialog, false).toBool();
}

void SettingsManager::saveAccelerometerValues(int x, int y, int z)
{
    setValue(SettingsKeys::accelerometerX, x);
    setValue(SettingsKeys::accelerometerY, y);
    setValue(SettingsKeys::accelerometerZ, z);
}

void SettingsManager::saveAlsLux(int lux)
{
    setValue(SettingsKeys::alsLux, lux);
}

void SettingsManager::saveGyroscopeValues(double x, double y, double z)
{
    setValue(SettingsKeys::gyroscopeX, x);
    setValue(SettingsKeys::gyroscopeY, y);
    setValue(SettingsKeys::gyroscopeZ, z);
}

void SettingsManager::saveMagneticFieldValues(double x, double y, double z)
{
    setValue(SettingsKeys::magneticFieldX, x);
    setValue(SettingsKeys::magneticFieldY, y);
    setValue(SettingsKeys::magneticFieldZ, z);
}

void SettingsManager::saveMagnetometerValues(double x, double y, double z)
{
    setValue(SettingsKeys::magnetometerX, x);
    setValue(SettingsKeys::magnetometerY, y);
    setValue(SettingsKeys::magnetometerZ, z);
}

void SettingsManager::saveMagnetometerCalibrationLevel(int level)
{
    setValue(SettingsKeys::magnetometerCalibrationLevel, level);
}

void SettingsManager::saveProximityReflectance(int reflectance)
{
    setValue(SettingsKeys::proximityReflectance, reflectance);
}

void SettingsManager::saveTapDirection(int direction)
{
    setValue(SettingsKeys::tapDirection, direction);
}

void SettingsManager::saveGpsLatitude(double latitude)
{
    setValue(SettingsKeys::gpsLatitude, latitude);
}

void SettingsManager::saveGpsLongitude(double longitude)
{
    setValue(SettingsKeys::gpsLongitude, longitude);
}

void SettingsManager::saveGpsAltitude(double altitude)
{
    setValue(SettingsKeys::gpsAltitude, altitude);
}

void SettingsManager::saveGpsPosition(double latitude, double longitude, double altitude)
{
    saveGpsLatitude(latitude);
    saveGpsLongitude(longitude);
    saveGpsAltitude(altitude);
}

int SettingsManager::readAccelerometerX() const
{
    return value(SettingsKeys::accelerometerX, SensorDefaults::accelerometerX).toInt();
}

int SettingsManager::readAccelerometerY() const
{
    return value(SettingsKeys::accelerometerY, SensorDefaults::accelerometerY).toInt();
}

int SettingsManager::readAccelerometerZ() const
{
    return value(SettingsKeys::accelerometerZ, SensorDefaults::accelerometerZ).toInt();
}

int SettingsManager::readAlsLux() const
{
    return value(SettingsKeys::alsLux, SensorDefaults::alsLux).toInt();
}

double SettingsManager::readGyroscopeX() const
{
    return value(SettingsKeys::gyroscopeX, SensorDefaults::gyroscopeX).toDouble();
}

double SettingsManager::readGyroscopeY() const
{
    return value(SettingsKeys::gyroscopeY, SensorDefaults::gyroscopeY).toDouble();
}

double SettingsManager::readGyroscopeZ() const
{
    return value(SettingsKeys::gyroscopeZ, SensorDefaults::gyroscopeZ).toDouble();
}

double SettingsManager::readMagneticFieldX() const
{
    return value(SettingsKeys::magneticFieldX, SensorDefaults::magneticFieldX).toDouble();
}

double SettingsManager::readMagneticFieldY() const
{
    return value(SettingsKeys::magneticFieldY, SensorDefaults::magneticFieldY).toDouble();
}

double SettingsManager::readMagneticFieldZ() const
{
    return value(SettingsKeys::magneticFieldZ, SensorDefaults::magneticFieldZ).toDouble();
}

double SettingsManager::readMagnetometerX() const
{
    return value(SettingsKeys::magnetometerX, SensorDefaults::magnetometerX).toDouble();
}

double SettingsManager::readMagnetometerY() const
{
    return value(SettingsKeys::magnetometerY, SensorDefaults::magnetometerY).toDouble();
}

double SettingsManager::readMagnetometerZ() const
{
    return value(SettingsKeys::magnetometerZ, SensorDefaults::magnetometerZ).toDouble();
}

int SettingsManager::readMagnetometerCalibrationLevel() const
{
    return value(SettingsKeys::magnetometerCalibrationLevel,
                 SensorDefaults::magnetometerCalibrationLevel)
        .toInt();
}

int SettingsManager::readProximityReflectance() const
{
    return value(SettingsKeys::proximityReflectance, SensorDefaults::proximityReflectance).toInt();
}

int SettingsManager::readTapDirection() const
{
    return value(SettingsKeys::tapDirection, SensorDefaults::tapDirection).toInt();
}

double SettingsManager::readGpsLatitude() const
{
    return value(SettingsKeys::gpsLatitude, 0).toDouble();
}

double SettingsManager::readGpsLongitude() const
{
    return value(SettingsKeys::gpsLongitude, 0).toDouble();
}

double SettingsManager::readGpsAltitude() const
{
    return value(SettingsKeys::gpsAltitude, 0).toDouble();
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
