#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace EmulationManagement::Internal {

class SensorsEmulationManager;

// One numeric reading as the sensor pages and the command line take it: its
// range, decimals and step in the unit shown, and the factor to the unit the
// sensors manager takes. A whole reading goes to an int parameter, rounded to
// the nearest: 1.009 g is 1008.999… thousandths in floating point.
struct SensorReading
{
    const char *name;
    int axes;
    const char *unit;
    double minimum;
    double maximum;
    int decimals;
    double step;
    double multiplier;
    bool whole;
};

// A number typed for a position or a pose: its range and decimals.
struct FieldLimits
{
    const char *name;
    double minimum;
    double maximum;
    int decimals;
};

namespace SensorReadings {

// Every numeric reading, in the order of the values page.
const QList<SensorReading> &all();
// The reading named case-insensitively ("accelerometer"), or nullptr.
const SensorReading *find(const QString &name);

// "latitude", "longitude", "altitude" (metres) and "rotation" (degrees).
const FieldLimits &fieldLimits(const QString &name);

// The eight sensors that can be switched on and off, in the order of the
// management page's check boxes.
QStringList switchableSensorNames();
// The sensors a switch of one sensor takes along, itself included, in check
// box order: switching the compass on switches the accelerometer and the
// magnetometer on, switching the accelerometer off switches the compass and
// the orientation off.
QStringList switchedTogether(const QString &sensorName, bool enable);

// Sends one setting through the manager's setter for target: a reading
// ("accelerometer" with X, Y and Z, "accelerometer.x", "compass.calibration"),
// "als.level", "proximity.near", "orientation" or "tap", with the values in
// the manager's unit. False for an unknown target or a wrong count.
bool apply(SensorsEmulationManager &manager, const QString &target, const QList<double> &values);

} // namespace SensorReadings

// The readings table for QML, as the singleton "SensorReadings".
class SensorReadingTable : public QObject
{
    Q_OBJECT

public:
    explicit SensorReadingTable(QObject *parent = nullptr);

    // name, axes, unit, minimum, maximum, decimals, step, multiplier, whole.
    Q_INVOKABLE QVariantMap reading(const QString &name) const;
    // The range and decimals of a typed position or pose.
    Q_INVOKABLE double fieldMinimum(const QString &name) const;
    Q_INVOKABLE double fieldMaximum(const QString &name) const;
    Q_INVOKABLE int fieldDecimals(const QString &name) const;
    // Sensor name → "true"/"false" → the sensors whose check boxes follow.
    Q_INVOKABLE QVariantMap switchRelations() const;
    Q_INVOKABLE bool apply(EmulationManagement::Internal::SensorsEmulationManager *manager,
                           const QString &target,
                           double value) const;
};

} // namespace EmulationManagement::Internal
