#pragma once

#include <QDBusContext>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QStringList>

namespace EmulationManagement::Emulator {

// The emulator's sensor framework emulation service: keeps which sensors are
// switched on and the readings it was last given.
class SensorfwEmulationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ru.quor.SensorfwEmulationManagement")

public:
    // The sensors named in switchedOff start switched off, the others on.
    explicit SensorfwEmulationService(const QStringList &switchedOff = {},
                                      QObject *parent = nullptr);

    static QString serviceName();
    static QString objectPath();
    // Every name the sensor vocabulary has, the magnetic field included:
    // it can be switched, though no reading of its own is ever sent.
    static QStringList sensorNames();

    QJsonObject state() const;

public slots:
    void enableSensor(const QString &sensorName);
    void disableSensor(const QString &sensorName);
    bool enabled(const QString &sensorName);

    void setAccelerometerValues(int x, int y, int z);
    void setAccelerometerX(int x);
    void setAccelerometerY(int y);
    void setAccelerometerZ(int z);
    void setAlsValue(int lux);
    void setGyroscopeValues(double x, double y, double z);
    void setGyroscopeX(double x);
    void setGyroscopeY(double y);
    void setGyroscopeZ(double z);
    void setMagnetometerValues(double x, double y, double z);
    void setMagnetometerX(double x);
    void setMagnetometerY(double y);
    void setMagnetometerZ(double z);
    void setMagnetometerCalibrationLevel(int level);
    void setProximitySensorValue(int reflectance);
    void setTapSensorValue(int direction);

private:
    template<typename T>
    struct Axes
    {
        T x;
        T y;
        T z;
        QJsonObject toJson() const { return {{"x", x}, {"y", y}, {"z", z}}; }
    };

    // Answers the call with an InvalidArgs error unless the name is known.
    bool isKnownSensor(const QString &sensorName);
    void reject(const QString &message);

    QMap<QString, bool> m_enabled;
    Axes<int> m_accelerometer{0, 0, 1000};
    Axes<double> m_gyroscope{0, 0, 0};
    Axes<double> m_magnetometer{0, 0, 0};
    int m_magnetometerCalibrationLevel = 0;
    int m_lux = 0;
    int m_reflectance = 0;
    int m_tapDirection = -1;
};

} // namespace EmulationManagement::Emulator
