#include "scenarioformat.h"

#include "sensors/sensorreadings.h"
#include "transport/dbusarguments.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace EmulationManagement::Internal::Scenario {

namespace {

const QString sensorService = QStringLiteral("ru.quor.SensorfwEmulationManagement");
const QString locationService = QStringLiteral("ru.quor.GeoclueEmulationManagement");

// The value of a "type:value" word; nullopt when the word has another type.
std::optional<QString> typedValue(const QString &word, QLatin1String type)
{
    if (!word.startsWith(type) || word.size() <= type.size() || word.at(type.size()) != ':')
        return std::nullopt;
    return word.mid(type.size() + 1);
}

// The values of an argument text of count words of one type.
std::optional<QStringList> typedValues(const QString &arguments, QLatin1String type, int count)
{
    const QStringList words = arguments.split(' ');
    if (words.size() != count)
        return std::nullopt;
    QStringList values;
    for (const QString &word : words) {
        const std::optional<QString> value = typedValue(word, type);
        if (!value)
            return std::nullopt;
        values << *value;
    }
    return values;
}

// The reading each sensor setter takes, by method; "" for none of them.
QString readingTarget(const QString &method)
{
    static const QRegularExpression setter(
        QStringLiteral("^set(Accelerometer|Gyroscope|Magnetometer)(X|Y|Z|Values)$"));
    if (const QRegularExpressionMatch match = setter.match(method); match.hasMatch()) {
        const QString axis = match.captured(2) == QLatin1String("Values")
                                 ? QString()
                                 : QLatin1Char('.') + match.captured(2).toLower();
        return match.captured(1).toLower() + axis;
    }
    static const QHash<QString, QString> single{
        {QStringLiteral("setAlsValue"), QStringLiteral("als")},
        {QStringLiteral("setProximitySensorValue"), QStringLiteral("proximity")},
        {QStringLiteral("setMagnetometerCalibrationLevel"), QStringLiteral("magnetometer.calibration")},
    };
    return single.value(method);
}

// The value as the values page shows it, when "sensor set" with that text
// sends exactly the wire value again.
std::optional<QString> readingValue(const SensorReading &reading, const QString &wire)
{
    bool ok = false;
    const double sent = wire.toDouble(&ok);
    const double shown = sent / reading.multiplier;
    if (!ok || shown < reading.minimum || shown > reading.maximum)
        return std::nullopt;
    const QString text = QString::number(shown, 'f', reading.decimals);
    const double back = text.toDouble() * reading.multiplier;
    // A whole reading is exact when its decimals undo the multiplier; a
    // real one when the number sent from the text is written the same.
    const bool exact = reading.whole ? reading.multiplier == std::pow(10.0, reading.decimals)
                                           && wire == DBusArguments::int32(sent).mid(6)
                                     : DBusArguments::number(back) == wire;
    return exact ? std::optional(text) : std::nullopt;
}

QString sensorCommand(const QString &method, const QString &arguments)
{
    const QString target = readingTarget(method);
    const SensorReading *reading = SensorReadings::find(target.section(QLatin1Char('.'), 0, 0));
    if (target.contains(QLatin1String(".calibration")))
        reading = SensorReadings::find(target);
    if (!reading) {
        const auto name = typedValues(arguments, QLatin1String("string"), 1);
        const bool enable = method == QLatin1String("enableSensor");
        if (!name || (!enable && method != QLatin1String("disableSensor"))
            || SensorReadings::switchedTogether(name->at(0), enable) != QStringList(name->at(0))) {
            return {};
        }
        return QStringLiteral("sensor %1 %2").arg(enable ? "enable" : "disable", name->at(0));
    }
    const bool oneAxis = reading->axes == 1 || target.contains(QLatin1Char('.'));
    const auto values = typedValues(arguments,
                                    QLatin1String(reading->whole ? "int32" : "double"),
                                    oneAxis ? 1 : reading->axes);
    if (!values)
        return {};
    QStringList words{QStringLiteral("sensor set"), target};
    for (const QString &wire : *values) {
        const std::optional<QString> value = readingValue(*reading, wire);
        if (!value)
            return {};
        words << *value;
    }
    return words.join(QLatin1Char(' '));
}

// A coordinate as the position is sent: fixed-point with exactly the
// field's decimals, within its range, so that "gps fix" sends the same text.
bool isFieldValue(const QString &text, const char *field)
{
    static const QRegularExpression fixed(QStringLiteral("^-?(0|[1-9][0-9]*)\\.([0-9]+)$"));
    const FieldLimits &limits = SensorReadings::fieldLimits(QLatin1String(field));
    const QRegularExpressionMatch match = fixed.match(text);
    const double value = text.toDouble();
    return match.hasMatch() && match.captured(2).size() == limits.decimals
           && value >= limits.minimum && value <= limits.maximum;
}

QString locationCommand(const QString &method, const QString &arguments)
{
    if (method != QLatin1String("setPosition"))
        return {};
    const auto values = typedValues(arguments, QLatin1String("double"), 3);
    if (!values || !isFieldValue(values->at(0), "latitude")
        || !isFieldValue(values->at(1), "longitude") || !isFieldValue(values->at(2), "altitude")) {
        return {};
    }
    return QStringLiteral("gps fix %1 %2 %3").arg(values->at(0), values->at(1), values->at(2));
}

} // namespace

QString Call::text() const
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(bus, service, objectPath, interface, method, arguments);
}

std::optional<Call> splitCallText(const QString &text)
{
    Call call;
    QString *const fields[] = {&call.bus, &call.service, &call.objectPath, &call.interface, &call.method};
    qsizetype from = 0;
    for (QString *field : fields) {
        const qsizetype space = text.indexOf(QLatin1Char(' '), from);
        if (space < 0)
            return std::nullopt;
        *field = text.mid(from, space - from);
        from = space + 1;
    }
    call.arguments = text.mid(from);
    return call;
}

Call callTo(const QString &service, const QString &method, const QString &arguments)
{
    const QString path = QLatin1Char('/') + QString(service).replace(QLatin1Char('.'), QLatin1Char('/'));
    return {QStringLiteral("system"), service, path, service, method, arguments};
}

QString quoted(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:,;=+@%-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString text = QStringLiteral("\"");
    for (const QChar character : word) {
        if (character == QLatin1Char('"') || character == QLatin1Char('\\'))
            text += QLatin1Char('\\');
        text += character;
    }
    return text + QLatin1Char('"');
}

QString readableCommand(const Call &call)
{
    if (call.text() != callTo(call.service, call.method, call.arguments).text())
        return {};
    if (call.service == sensorService)
        return sensorCommand(call.method, call.arguments);
    if (call.service == locationService)
        return locationCommand(call.method, call.arguments);
    return {};
}

QString callLine(const QString &callText, QString *error)
{
    const std::optional<Call> call = splitCallText(callText);
    if (!call || call->text() != callTo(call->service, call->method, call->arguments).text()) {
        *error = QCoreApplication::translate("EmulationManagement::Internal::Scenario",
                                             "Not a call to one of the emulator's services: %1")
                     .arg(callText.left(200));
        return {};
    }
    if (callText.contains(QLatin1Char('\n')) || callText.contains(QLatin1Char('\r'))) {
        *error = QCoreApplication::translate("EmulationManagement::Internal::Scenario",
                                             "A call with a line break cannot be written: %1")
                     .arg(callText.left(200));
        return {};
    }
    const QString command = readableCommand(*call);
    if (!command.isEmpty())
        return command;
    return QStringLiteral("call %1 %2 %3")
        .arg(quoted(call->service), quoted(call->method), quoted(call->arguments));
}

QString scenarioText(const Header &header, const QList<Step> &steps, QString *error)
{
    QStringList lines{
        QStringLiteral("# Emulation scenario, format %1").arg(formatVersion),
        QStringLiteral("# recorded %1 from %2")
            .arg(header.recorded.toUTC().toString(Qt::ISODate), header.emulatorAddress),
        QStringLiteral("# replay: emulation-ctl script FILE [--speed F] [--dry-run]"),
    };
    qint64 previousMs = 0;
    for (const Step &step : steps) {
        if (step.atMs > previousMs)
            lines << QStringLiteral("sleep %1").arg(step.atMs - previousMs);
        previousMs = qMax(previousMs, step.atMs);
        const QString line = step.command.isEmpty() ? callLine(step.callText, error) : step.command;
        if (line.isEmpty())
            return {};
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace EmulationManagement::Internal::Scenario
