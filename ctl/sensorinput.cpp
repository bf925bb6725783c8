#include "sensorinput.h"

#include "sensors/alsmodel.h"
#include "sensors/tapmodel.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QRegularExpression>

#include <iterator>

namespace EmulationManagement::Internal {

namespace {

// One numeric reading of the sensor pages: the slider's range and decimals
// in the unit shown, and the factor to the unit the manager takes.
struct NumericReading
{
    const char *name;
    int count;
    double minimum;
    double maximum;
    int decimals;
    double multiplier;
    const char *unit;
};

// clang-format off
const NumericReading numericReadings[] = {
    {"accelerometer", 3, -3, 3, 3, 1000, "g"},
    {"magnetometer", 3, -65, 65, 3, 0.000001, "\u03bcT"},
    {"magnetometer.calibration", 1, 0, 3, 0, 1, ""},
    {"compass", 1, 0, 359, 0, 1, "\u00b0"},
    {"compass.calibration", 1, 0, 3, 0, 1, ""},
    {"magneticField", 3, -100, 100, 3, 1, "\u03bcT"},
    {"gyroscope", 3, -25, 25, 3, 1, "deg/s"},
    {"als", 1, -1, 3000, 0, 1, "lx"},
    {"proximity", 1, 0, 10, 0, 1, ""},
};
// clang-format on

// The orientation list of the values page, valued 1 to 6.
const char *const orientationNames[]
    = {"TopUp", "TopDown", "LeftUp", "RightUp", "FaceUp", "FaceDown"};

QString tr(const char *text)
{
    return QCoreApplication::translate("EmulationManagement::Internal::SensorInput", text);
}

const NumericReading *findReading(const QString &name, QString *axis)
{
    const QStringList parts = name.split('.');
    for (const NumericReading &reading : numericReadings) {
        const QString readingName = QString::fromLatin1(reading.name);
        if (readingName.compare(name, Qt::CaseInsensitive) == 0) {
            axis->clear();
            return &reading;
        }
        if (reading.count == 3 && parts.size() == 2
            && readingName.compare(parts.at(0), Qt::CaseInsensitive) == 0
            && QStringList({"x", "y", "z"}).contains(parts.at(1), Qt::CaseInsensitive)) {
            *axis = parts.at(1).toLower();
            return &reading;
        }
    }
    return nullptr;
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

std::optional<SensorSetting> namedSetting(const QString &name, const QString &value, QString *error)
{
    const QString sensor = name.toLower();
    if (sensor == "orientation") {
        for (int i = 0; i < int(std::size(orientationNames)); ++i) {
            if (value.compare(QLatin1String(orientationNames[i]), Qt::CaseInsensitive) == 0)
                return SensorSetting{"orientation", {double(i + 1)}};
        }
        *error = tr("orientation must be one of TopUp, TopDown, LeftUp, RightUp, FaceUp, FaceDown");
        return std::nullopt;
    }
    if (sensor == "tap") {
        const QMetaEnum directions = QMetaEnum::fromType<TapModel::TapDirection>();
        if (const auto direction = enumeratorValue(directions, value))
            return SensorSetting{"tap", {double(*direction)}};
        *error = tr("tap must be one of %1").arg(enumeratorNames(directions).join(", "));
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

QString rangeText(const NumericReading &reading)
{
    const QString unit = QString::fromUtf8(reading.unit);
    return QStringLiteral("%1…%2%3")
        .arg(reading.minimum)
        .arg(reading.maximum)
        .arg(unit.isEmpty() ? QString() : " " + unit);
}

} // namespace

std::optional<double> parseDecimal(const QString &text, int decimals)
{
    static const QRegularExpression number(
        QStringLiteral("^[-+]?(\\d+)(\\.(\\d*))?$|^[-+]?\\.(\\d+)$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int fraction = int(qMax(match.capturedLength(3), match.capturedLength(4)));
    if (fraction > decimals)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

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
    const NumericReading *reading = findReading(name, &axis);
    if (!reading) {
        *error = tr("unknown sensor reading \"%1\"; see \"emulation-ctl sensor set --help\"")
                     .arg(name);
        return std::nullopt;
    }
    const int count = axis.isEmpty() ? reading->count : 1;
    if (values.size() != count) {
        *error = count == 1 ? tr("%1 takes one value").arg(name)
                            : tr("%1 takes three values, X Y Z").arg(name);
        return std::nullopt;
    }
    SensorSetting setting{
        QString::fromLatin1(reading->name) + (axis.isEmpty() ? QString() : "." + axis), {}};
    for (const QString &text : values) {
        const std::optional<double> value = parseDecimal(text, reading->decimals);
        if (!value) {
            *error = reading->decimals == 0
                         ? tr("%1: \"%2\" is not a whole number").arg(name, text)
                         : tr("%1: \"%2\" is not a number with at most %3 decimals")
                               .arg(name, text)
                               .arg(reading->decimals);
            return std::nullopt;
        }
        if (*value < reading->minimum || *value > reading->maximum) {
            *error = tr("%1: %2 is out of range (%3)").arg(name, text, rangeText(*reading));
            return std::nullopt;
        }
        setting.values << *value * reading->multiplier;
    }
    return setting;
}

QStringList sensorSettingDescriptions()
{
    QStringList lines;
    for (const NumericReading &reading : numericReadings) {
        const QString name = QString::fromLatin1(reading.name);
        lines << QStringLiteral("%1%2  %3, %4 decimals")
                     .arg(name + (reading.count == 3 ? "[.x|.y|.z]" : ""),
                          reading.count == 3 ? " X Y Z" : " VALUE")
                     .arg(rangeText(reading))
                     .arg(reading.decimals);
    }
    lines << "als LEVEL  "
                 + enumeratorNames(QMetaEnum::fromType<AlsModel::LightLevel>()).join(", ");
    lines << "proximity near|far";
    lines << "orientation TopUp|TopDown|LeftUp|RightUp|FaceUp|FaceDown";
    lines << "tap DIRECTION  "
                 + enumeratorNames(QMetaEnum::fromType<TapModel::TapDirection>()).join(", ");
    return lines;
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

QStringList sensorsSwitchedTogether(const QString &sensorName, bool enable)
{
    // clang-format off
    const QMap<QString, QStringList> along = enable
        ? QMap<QString, QStringList>{{"compass", {"accelerometer", "magnetometer"}}, {"orientation", {"accelerometer"}}}
        : QMap<QString, QStringList>{{"accelerometer", {"compass", "orientation"}}, {"magnetometer", {"compass"}}};
    // clang-format on
    const QStringList affected = along.value(sensorName) << sensorName;
    QStringList ordered;
    for (const QString &name : switchableSensorNames()) {
        if (affected.contains(name))
            ordered << name;
    }
    return ordered;
}

} // namespace EmulationManagement::Internal
