#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace EmulationManagement::Internal {

// A reading as the sensor pages take it, already in the unit the sensors
// manager takes: "target" names the reading ("accelerometer" for all three
// axes, "accelerometer.x" for one, "als.level" for a light level chosen by
// name) and "values" holds its numbers, for SensorReadings::apply.
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

} // namespace EmulationManagement::Internal
