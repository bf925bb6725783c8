#pragma once

#include <QObject>
#include <QVariant>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

// The values kept between runs of the IDE, in the IDE's own settings under the
// group "emulationmanagement". It holds nothing itself: every read and write
// goes straight to the IDE settings object, so all instances always agree.
class SettingsManager : public QObject
{
    Q_OBJECT

public:
    explicit SettingsManager(QObject *parent = nullptr);

    Q_INVOKABLE void save3DModelRotationValues(double x, double y, double z);
    Q_INVOKABLE void save3DModelPositionValues(double x, double y, double z);
    Q_INVOKABLE void saveDoNotShowAgainResetSensorsDialog(bool doNotShowAgain);
    Q_INVOKABLE double read3DModelRotationX() const;
    Q_INVOKABLE double read3DModelRotationY() const;
    Q_INVOKABLE double read3DModelRotationZ() const;
    Q_INVOKABLE double read3DModelPositionX() const;
    Q_INVOKABLE double read3DModelPositionY() const;
    Q_INVOKABLE double read3DModelPositionZ() const;
    Q_INVOKABLE bool readDoNotShowAgainResetSensorsDialog() const;

    void saveAccelerometerValues(int x, int y, int z);
    void saveAlsLux(int lux);
    void saveGyroscopeValues(double x, double y, double z);
    void saveMagneticFieldValues(double x, double y, double z);
    void saveMagnetometerValues(double x, double y, double z);
    void saveMagnetometerCalibrationLevel(int level);
    void saveProximityReflectance(int reflectance);
    void saveTapDirection(int direction);
    void saveGpsLatitude(double latitude);
    void saveGpsLongitude(double longitude);
    void saveGpsAltitude(double altitude);
    void saveGpsPosition(double latitude, double longitude, double altitude);

    int readAccelerometerX() const;
    int readAccelerometerY() const;
    int readAccelerometerZ() const;
    int readAlsLux() const;
    double readGyroscopeX() const;
    double readGyroscopeY() const;
    double readGyroscopeZ() const;
    double readMagneticFieldX() const;
    double readMagneticFieldY() const;
    double readMagneticFieldZ() const;
    double readMagnetometerX() const;
    double readMagnetometerY() const;
    double readMagnetometerZ() const;
    int readMagnetometerCalibrationLevel() const;
    int readProximityReflectance() const;
    int readTapDirection() const;
    double readGpsLatitude() const;
    double readGpsLongitude() const;
    double readGpsAltitude() const;

private:
    struct AxisKeys
    {
        const char *x;
        const char *y;
        const char *z;
    };

    // Writes one X/Y/Z reading, each axis under its own key.
    void saveAxes(const AxisKeys &keys, const QVariant &x, const QVariant &y, const QVariant &z);
    QVariant value(const char *key, const QVariant &defaultValue) const;
    void setValue(const char *key, const QVariant &value);

    Utils::QtcSettings *m_settings;
};

} // namespace EmulationManagement::Internal
