#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace EmulationManagement::Internal {

// A reading as the sensor pages take it, already in the unit the sensors
// manager takes: "target" names the reading ("accelerometer" for all three
// axes, "accelerometer.x" for one, "als.level" for a light level chosen by
// name) and "values" holds its numbers.
struct SensorSetting
{
    QString target;
    QList<double> values;
};

// The readings "sensor set" accepts, each with its unit, range and decimals
// as the sensor pages show them, for the help text.
QStringList sensorSettingDescriptions();

// Reads "sensor set NAME VALUES…" in the pages' units (g, µT, deg/s, lux,
// enumerator names) with the pages' ranges and decimals; nullopt with a
// one-line error otherwise.
std::optional<SensorSetting> parseSensorSetting(const QString &name,
                                                const QStringList &values,
                                                QString *error);

// The eight sensors that can be switched on and off, in the order of the
// management page's check boxes.
QStringList switchableSensorNames();

// The sensors a switch of one sensor takes along on the management page:
// switching the compass on switches the accelerometer and the magnetometer
// on, switching the accelerometer off switches the compass and the
// orientation off. In check box order, the sensor itself included.
QStringList sensorsSwitchedTogether(const QString &sensorName, bool enable);

// A decimal number in the C locale with at most the given decimals.
std::optional<double> parseDecimal(const QString &text, int decimals);

} // namespace EmulationManagement::Internal
