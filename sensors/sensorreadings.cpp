#include "sensorreadings.h"

#include "sensors/sensorsemulationmanager.h"

#include <QMap>

#include <cmath>
#include <functional>

namespace EmulationManagement::Internal {

namespace {

// Readings with three axes take "name.x" for one axis as well. The units are
// translated where the window reads them (SensorReadingTable), the field
// names where emulation-ctl's messages give them (CommandLine).
// clang-format off
const QList<SensorReading> readings = {
    {"accelerometer", 3, QT_TRANSLATE_NOOP("EmulationManagement::Internal::SensorReadingTable", "g"), -3, 3, 3, 0.001, 1000, true},
    {"magnetometer", 3, QT_TRANSLATE_NOOP("EmulationManagement::Internal::SensorReadingTable", "\u03bcT"), -65, 65, 3, 0.001, 0.000001, false},
    {"magnetometer.calibration", 1, "", 0, 3, 0, 1, 1, true},
    {"compass", 1, "", 0, 359, 0, 1, 1, true},
    {"compass.calibration", 1, "", 0, 3, 0, 1, 1, true},
    {"magneticField", 3, QT_TRANSLATE_NOOP("EmulationManagement::Internal::SensorReadingTable", "\u03bcT"), -100, 100, 3, 0.001, 1, false},
    {"gyroscope", 3, QT_TRANSLATE_NOOP("EmulationManagement::Internal::SensorReadingTable", "deg/s"), -25, 25, 3, 0.001, 1, false},
    {"als", 1, QT_TRANSLATE_NOOP("EmulationManagement::Internal::SensorReadingTable", "lx"), -1, 3000, 0, 1, 1, true},
    {"proximity", 1, "", 0, 10, 0, 1, 1, true},
};

const FieldLimits fields[] = {
    {QT_TRANSLATE_NOOP("EmulationManagement::Internal::CommandLine", "latitude"), -90, 90, 7},
    {QT_TRANSLATE_NOOP("EmulationManagement::Internal::CommandLine", "longitude"), -180, 180, 7},
    {QT_TRANSLATE_NOOP("EmulationManagement::Internal::CommandLine", "altitude"), -1000, 10000, 2},
    {"rotation", -180, 180, 3},
};

// The sensors a check box takes along, besides itself, by new state.
const QMap<QString, QStringList> alongWhenOn = {
    {"compass", {"accelerometer", "magnetometer"}}, {"orientation", {"accelerometer"}}};
const QMap<QString, QStringList> alongWhenOff = {
    {"accelerometer", {"compass", "orientation"}}, {"magnetometer", {"compass"}}};
// clang-format on

// As the script engine's Math.round, which the pose readings use.
int nearest(double value)
{
    return int(std::floor(value + 0.5));
}

using Manager = SensorsEmulationManager;
using Setter = std::function<void(Manager &, const QList<double> &)>;

Setter whole(void (Manager::*set)(int))
{
    return [set](Manager &m, const QList<double> &v) { (m.*set)(nearest(v.at(0))); };
}

Setter real(void (Manager::*set)(double))
{
    return [set](Manager &m, const QList<double> &v) { (m.*set)(v.at(0)); };
}

Setter realAxes(void (Manager::*set)(double, double, double))
{
    return [set](Manager &m, const QList<double> &v) { (m.*set)(v.at(0), v.at(1), v.at(2)); };
}

// Each target with its count of values and its setter.
const QMap<QString, std::pair<int, Setter>> &setters()
{
    // clang-format off
    static const QMap<QString, std::pair<int, Setter>> table = {
        {"accelerometer", {3, [](Manager &m, const QList<double> &v) {
             m.setAccelerometerValues(nearest(v.at(0)), nearest(v.at(1)), nearest(v.at(2))); }}},
        {"accelerometer.x", {1, whole(&Manager::setAccelerometerX)}},
        {"accelerometer.y", {1, whole(&Manager::setAccelerometerY)}},
        {"accelerometer.z", {1, whole(&Manager::setAccelerometerZ)}},
        {"magnetometer", {3, realAxes(&Manager::setMagnetometerValues)}},
        {"magnetometer.x", {1, real(&Manager::setMagnetometerX)}},
        {"magnetometer.y", {1, real(&Manager::setMagnetometerY)}},
        {"magnetometer.z", {1, real(&Manager::setMagnetometerZ)}},
        {"magnetometer.calibration", {1, whole(&Manager::setMagnetometerCalibrationLevel)}},
        {"compass", {1, whole(&Manager::setCompassAzimuth)}},
        {"compass.calibration", {1, whole(&Manager::setCompassCalibrationLevel)}},
        {"magneticField", {3, realAxes(&Manager::setMagneticFieldValues)}},
        {"magneticField.x", {1, real(&Manager::setMagneticFieldX)}},
        {"magneticField.y", {1, real(&Manager::setMagneticFieldY)}},
        {"magneticField.z", {1, real(&Manager::setMagneticFieldZ)}},
        {"gyroscope", {3, realAxes(&Manager::setGyroscopeValues)}},
        {"gyroscope.x", {1, real(&Manager::setGyroscopeX)}},
        {"gyroscope.y", {1, real(&Manager::setGyroscopeY)}},
        {"gyroscope.z", {1, real(&Manager::setGyroscopeZ)}},
        {"als", {1, whole(&Manager::setAlsLuxValue)}},
        {"als.level", {1, [](Manager &m, const QList<double> &v) {
             m.setAlsLightLevel(AlsModel::LightLevel(nearest(v.at(0)))); }}},
        {"proximity", {1, whole(&Manager::setProximitySensorReflectanceValue)}},
        {"proximity.near", {1, [](Manager &m, const QList<double> &v) {
             m.setProximitySensorNearValue(v.at(0) != 0); }}},
        {"orientation", {1, whole(&Manager::setOrientation)}},
        {"tap", {1, [](Manager &m, const QList<double> &v) {
             m.setTapSensorValue(TapModel::TapDirection(nearest(v.at(0)))); }}},
    };
    // clang-format on
    return table;
}

} // namespace

namespace SensorReadings {

const QList<SensorReading> &all()
{
    return readings;
}

const SensorReading *find(const QString &name)
{
    for (const SensorReading &reading : readings) {
        if (name.compare(QLatin1String(reading.name), Qt::CaseInsensitive) == 0)
            return &reading;
    }
    return nullptr;
}

const FieldLimits &fieldLimits(const QString &name)
{
    for (const FieldLimits &limits : fields) {
        if (name == QLatin1String(limits.name))
            return limits;
    }
    Q_ASSERT_X(false, "fieldLimits", "unknown field");
    return fields[0];
}

QStringList switchableSensorNames()
{
    return {"accelerometer",
            "compass",
            "orientation",
            "magnetometer",
            "gyroscope",
            "als",
            "proximity",
            "tap"};
}

QStringList switchedTogether(const QString &sensorName, bool enable)
{
    const QStringList affected = (enable ? alongWhenOn : alongWhenOff).value(sensorName)
                                 << sensorName;
    QStringList ordered;
    for (const QString &name : switchableSensorNames()) {
        if (affected.contains(name))
            ordered << name;
    }
    return ordered;
}

bool apply(SensorsEmulationManager &manager, const QString &target, const QList<double> &values)
{
    const auto setter = setters().constFind(target);
    if (setter == setters().cend() || setter->first != values.size())
        return false;
    setter->second(manager, values);
    return true;
}

} // namespace SensorReadings

SensorReadingTable::SensorReadingTable(QObject *parent)
    : QObject(parent)
{}

QVariantMap SensorReadingTable::reading(const QString &name) const
{
    const SensorReading *reading = SensorReadings::find(name);
    if (!reading)
        return {};
    return {{"name", QString::fromLatin1(reading->name)},
            {"axes", reading->axes},
            {"unit", tr(reading->unit)},
            {"minimum", reading->minimum},
            {"maximum", reading->maximum},
            {"decimals", reading->decimals},
            {"step", reading->step},
            {"multiplier", reading->multiplier},
            {"whole", reading->whole}};
}

double SensorReadingTable::fieldMinimum(const QString &name) const
{
    return SensorReadings::fieldLimits(name).minimum;
}

double SensorReadingTable::fieldMaximum(const QString &name) const
{
    return SensorReadings::fieldLimits(name).maximum;
}

int SensorReadingTable::fieldDecimals(const QString &name) const
{
    return SensorReadings::fieldLimits(name).decimals;
}

QVariantMap SensorReadingTable::switchRelations() const
{
    QVariantMap relations;
    for (const QString &name : SensorReadings::switchableSensorNames()) {
        relations.insert(name,
                         QVariantMap{{"true", SensorReadings::switchedTogether(name, true)},
                                     {"false", SensorReadings::switchedTogether(name, false)}});
    }
    return relations;
}

bool SensorReadingTable::apply(SensorsEmulationManager *manager,
                               const QString &target,
                               double value) const
{
    return manager && SensorReadings::apply(*manager, target, {value});
}

} // namespace EmulationManagement::Internal
