#include "sensorinput.h"

#include "sensors/alsmodel.h"
#include "sensors/sensorreadings.h"
#include "sensors/tapmodel.h"
#include "ui/decimalnumber.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QOrientationReading>

namespace EmulationManagement::Internal {

namespace {

// Only the texts' translation context.
class SensorInput
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::SensorInput)
};

// The reading a name stands for, with the axis of "name.x" in axis.
const SensorReading *findReading(const QString &name, QString *axis)
{
    axis->clear();
    if (const SensorReading *reading = SensorReadings::find(name))
        return reading;
    const QStringList parts = name.split('.');
    const SensorReading *reading = parts.size() == 2 ? SensorReadings::find(parts.at(0)) : nullptr;
    if (!reading || reading->axes != 3
        || !QStringList({"x", "y", "z"}).contains(parts.at(1), Qt::CaseInsensitive)) {
        return nullptr;
    }
    *axis = parts.at(1).toLower();
    return reading;
}

// The value of an enumerator named case-insensitively, or nullopt.
std::optional<int> enumeratorValue(const QMetaEnum &enumeration, const QString &name)
{
    for (int i = 0; i < enumeration.keyCount(); ++i) {
        if (name.compare(QLatin1String(enumeration.key(i)), Qt::CaseInsensitive) == 0)
            return enumeration.value(i);
    }
    return std::nullopt;
}

QStringList enumeratorNames(const QMetaEnum &enumeration)
{
    QStringList names;
    for (int i = 0; i < enumeration.keyCount(); ++i)
        names << QString::fromLatin1(enumeration.key(i));
    return names;
}

// The orientations the values page lists: all but Undefined.
QStringList orientationNames()
{
    QStringList names = enumeratorNames(QMetaEnum::fromType<QOrientationReading::Orientation>());
    names.removeAll("Undefined");
    return names;
}

std::optional<SensorSetting> namedSetting(const QString &name, const QString &value, QString *error)
{
    const QString sensor = name.toLower();
    if (sensor == "orientation") {
        const QMetaEnum orientations = QMetaEnum::fromType<QOrientationReading::Orientation>();
        const auto orientation = enumeratorValue(orientations, value);
        if (orientation && *orientation != QOrientationReading::Undefined)
            return SensorSetting{"orientation", {double(*orientation)}};
        *error = SensorInput::tr("orientation must be one of %1").arg(orientationNames().join(", "));
        return std::nullopt;
    }
    if (sensor == "tap") {
        const QMetaEnum directions = QMetaEnum::fromType<TapModel::TapDirection>();
        if (const auto direction = enumeratorValue(directions, value))
            return SensorSetting{"tap", {double(*direction)}};
        *error = SensorInput::tr("tap must be one of %1").arg(enumeratorNames(directions).join(", "));
        return std::nullopt;
    }
    if (sensor == "als") {
        if (const auto level = enumeratorValue(QMetaEnum::fromType<AlsModel::LightLevel>(), value))
            return SensorSetting{"als.level", {double(*level)}};
    }
    if (sensor == "proximity"
        && (value.compare("near", Qt::CaseInsensitive) == 0
            || value.compare("far", Qt::CaseInsensitive) == 0)) {
        return SensorSetting{"proximity.near",
                             {value.compare("near", Qt::CaseInsensitive) == 0 ? 1.0 : 0.0}};
    }
    return std::nullopt;
}

QString rangeText(const SensorReading &reading)
{
    const QString unit = QString::fromUtf8(reading.unit);
    return QStringLiteral("%1…%2%3")
        .arg(reading.minimum)
        .arg(reading.maximum)
        .arg(unit.isEmpty() ? QString() : " " + unit);
}

} // namespace

std::optional<SensorSetting> parseSensorSetting(const QString &name,
                                                const QStringList &values,
                                                QString *error)
{
    if (values.size() == 1) {
        QString namedError;
        if (const auto setting = namedSetting(name, values.first(), &namedError))
            return setting;
        if (!namedError.isEmpty()) {
            *error = namedError;
            return std::nullopt;
        }
    }
    QString axis;
    const SensorReading *reading = findReading(name, &axis);
    if (!reading) {
        *error = SensorInput::tr("unknown sensor reading \"%1\"; see \"emulation-ctl sensor set --help\"")
                     .arg(name);
        return std::nullopt;
    }
    const int count = axis.isEmpty() ? reading->axes : 1;
    if (values.size() != count) {
        *error = count == 1 ? SensorInput::tr("%1 takes one value").arg(name)
                            : SensorInput::tr("%1 takes three values, X Y Z").arg(name);
        return std::nullopt;
    }
    SensorSetting setting{
        QString::fromLatin1(reading->name) + (axis.isEmpty() ? QString() : "." + axis), {}};
    for (const QString &text : values) {
        const std::optional<double> value = readDecimalNumber(text, reading->decimals);
        if (!value) {
            *error = reading->decimals == 0
                         ? SensorInput::tr("%1: \"%2\" is not a whole number").arg(name, text)
                         : SensorInput::tr("%1: \"%2\" is not a number with at most %3 decimals")
                               .arg(name, text)
                               .arg(reading->decimals);
            return std::nullopt;
        }
        if (*value < reading->minimum || *value > reading->maximum) {
            *error = SensorInput::tr("%1: %2 is out of range (%3)").arg(name, text, rangeText(*reading));
            return std::nullopt;
        }
        setting.values << *value * reading->multiplier;
    }
    return setting;
}

QStringList sensorSettingDescriptions()
{
    QStringList lines;
    for (const SensorReading &reading : SensorReadings::all()) {
        const QString name = QString::fromLatin1(reading.name);
        lines << QStringLiteral("%1%2  %3, %4 decimals")
                     .arg(name + (reading.axes == 3 ? "[.x|.y|.z]" : ""),
                          reading.axes == 3 ? " X Y Z" : " VALUE")
                     .arg(rangeText(reading))
                     .arg(reading.decimals);
    }
    lines << "als LEVEL  "
                 + enumeratorNames(QMetaEnum::fromType<AlsModel::LightLevel>()).join(", ");
    lines << "proximity near|far";
    lines << "orientation " + orientationNames().join("|");
    lines << "tap DIRECTION  "
                 + enumeratorNames(QMetaEnum::fromType<TapModel::TapDirection>()).join(", ");
    return lines;
}

} // namespace EmulationManagement::Internal
