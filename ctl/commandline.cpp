#include "commandline.h"

#include "gps/trackfingerprint.h"
#include "sensors/sensorreadings.h"
#include "ui/decimalnumber.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

namespace EmulationManagement::Internal {

namespace {

// Only the texts' translation context.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::CommandLine)
};

// A number within a range with at most the given decimals, or an error
// naming what it is.
std::optional<double> number(const QString &text,
                             const QString &what,
                             double minimum,
                             double maximum,
                             int decimals,
                             QString *error)
{
    const std::optional<double> value = readDecimalNumber(text, decimals);
    if (!value) {
        *error = decimals == 0 ? CommandLine::tr("%1: \"%2\" is not a whole number").arg(what, text)
                               : CommandLine::tr("%1: \"%2\" is not a number with at most %3 decimals")
                                     .arg(what, text)
                                     .arg(decimals);
    } else if (*value < minimum || *value > maximum) {
        *error = CommandLine::tr("%1: %2 is out of range (%3…%4)").arg(what, text).arg(minimum).arg(maximum);
        return std::nullopt;
    }
    return value;
}

// Takes "--name VALUE" out of the words, the last one given counting; false
// with an error when a value is missing.
bool takeOption(QStringList *words, const QString &name, QString *value, QString *error)
{
    for (qsizetype at = words->indexOf(name); at >= 0; at = words->indexOf(name, at)) {
        if (at + 1 >= words->size()) {
            *error = CommandLine::tr("%1 needs a value").arg(name);
            return false;
        }
        *value = words->at(at + 1);
        words->remove(at, 2);
    }
    return true;
}

bool takeFlag(QStringList *words, const QString &name)
{
    return words->removeAll(name) > 0;
}

bool expectCount(const QStringList &words, qsizetype minimum, qsizetype maximum, QString *error)
{
    if (words.size() >= minimum && words.size() <= maximum)
        return true;
    const QString unexpected = words.size() > maximum ? words.at(maximum) : QString();
    *error = unexpected.isEmpty() ? CommandLine::tr("missing arguments; see --help")
                                  : CommandLine::tr("unexpected argument \"%1\"; see --help").arg(unexpected);
    return false;
}

std::optional<Command> parseSensor(const QStringList &words, Command command, QString *error)
{
    const QString verb = words.value(1);
    if (verb == "list" && expectCount(words, 2, 2, error)) {
        command.kind = Command::SensorList;
        return command;
    }
    if ((verb == "enable" || verb == "disable") && expectCount(words, 3, 3, error)) {
        const QStringList names = SensorReadings::switchableSensorNames();
        const qsizetype at = names.indexOf(words.at(2));
        if (at < 0) {
            *error = CommandLine::tr("unknown sensor \"%1\"; sensors: %2").arg(words.at(2), names.join(", "));
            return std::nullopt;
        }
        command.kind = verb == "enable" ? Command::SensorEnable : Command::SensorDisable;
        command.name = names.at(at);
        return command;
    }
    if (verb == "set" && expectCount(words, 4, 6, error)) {
        const std::optional<SensorSetting> setting
            = parseSensorSetting(words.at(2), words.mid(3), error);
        if (!setting)
            return std::nullopt;
        command.kind = Command::SensorSet;
        command.setting = *setting;
        return command;
    }
    if (error->isEmpty())
        *error = CommandLine::tr("unknown sensor command \"%1\"; see \"emulation-ctl sensor --help\"").arg(verb);
    return std::nullopt;
}

std::optional<Command> parsePose(const QStringList &words, Command command, QString *error)
{
    if (words.value(1) == "preset") {
        if (!expectCount(words, 3, 3, error))
            return std::nullopt;
        const auto preset = number(words.at(2), CommandLine::tr("preset"), 1, 6, 0, error);
        if (!preset)
            return std::nullopt;
        command.kind = Command::PosePreset;
        command.numbers = {*preset};
        return command;
    }
    if (!expectCount(words, 4, 4, error))
        return std::nullopt;
    command.kind = Command::Pose;
    const FieldLimits &rotation = SensorReadings::fieldLimits("rotation");
    for (int i = 1; i <= 3; ++i) {
        const auto angle = number(words.at(i),
                                  QStringLiteral("XYZ").mid(i - 1, 1) + CommandLine::tr("-Rot"),
                                  rotation.minimum,
                                  rotation.maximum,
                                  rotation.decimals,
                                  error);
        if (!angle)
            return std::nullopt;
        command.numbers << *angle;
    }
    return command;
}

std::optional<Command> parseGpsPlay(QStringList words, Command command, QString *error)
{
    QString speed;
    if (!takeOption(&words, "--speed", &speed, error))
        return std::nullopt;
    const bool loop = takeFlag(&words, "--loop");
    const bool noLoop = takeFlag(&words, "--no-loop");
    command.wait = takeFlag(&words, "--wait");
    if (!expectCount(words, 2, 2, error))
        return std::nullopt;
    if (loop && noLoop) {
        *error = CommandLine::tr("--loop and --no-loop exclude each other");
        return std::nullopt;
    }
    if (loop || noLoop)
        command.looped = loop;
    if (!speed.isEmpty()) {
        const auto value = number(speed, CommandLine::tr("speed"), 1, 5, 0, error);
        if (!value)
            return std::nullopt;
        command.speed = int(*value);
    }
    command.kind = Command::GpsPlay;
    return command;
}

std::optional<Command> parseGps(const QStringList &words, Command command, QString *error)
{
    const QString verb = words.value(1);
    if (verb == "fix" && expectCount(words, 4, 5, error)) {
        // The GPS page's fields: ranges and decimals.
        const char *const fields[] = {"latitude", "longitude", "altitude"};
        command.kind = Command::GpsFix;
        for (qsizetype i = 2; i < words.size(); ++i) {
            const FieldLimits &field = SensorReadings::fieldLimits(fields[i - 2]);
            const auto value = number(
                words.at(i), CommandLine::tr(field.name), field.minimum, field.maximum, field.decimals, error);
            if (!value)
                return std::nullopt;
            command.numbers << *value;
        }
        return command;
    }
    if (verb == "load") {
        QStringList rest = words;
        if (!takeOption(&rest, "--fingerprint", &command.fingerprint, error)
            || !expectCount(rest, 3, 3, error)) {
            return std::nullopt;
        }
        if (!command.fingerprint.isEmpty() && !TrackFingerprint::fromText(command.fingerprint)) {
            *error = CommandLine::tr("--fingerprint: \"%1\" is not a track fingerprint").arg(command.fingerprint);
            return std::nullopt;
        }
        command.kind = Command::GpsLoad;
        command.name = rest.at(2);
        return command;
    }
    if (verb == "play")
        return parseGpsPlay(words, command, error);
    const QMap<QString, Command::Kind> plain{
        {"pause", Command::GpsPause}, {"stop", Command::GpsStop}, {"status", Command::GpsStatus}};
    if (plain.contains(verb) && expectCount(words, 2, 2, error)) {
        command.kind = plain.value(verb);
        return command;
    }
    if (verb == "goto" && expectCount(words, 3, 3, error)) {
        const auto index
            = number(words.at(2), CommandLine::tr("index"), 0, std::numeric_limits<int>::max(), 0, error);
        if (!index)
            return std::nullopt;
        command.kind = Command::GpsGoto;
        command.numbers = {*index};
        return command;
    }
    if (error->isEmpty())
        *error = CommandLine::tr("unknown gps command \"%1\"; see \"emulation-ctl gps --help\"").arg(verb);
    return std::nullopt;
}

std::optional<Command> parseCameraStream(QStringList words, Command command, QString *error)
{
    QString camera, file, seconds;
    if (!takeOption(&words, "--camera", &camera, error)
        || !takeOption(&words, "--file", &file, error)
        || !takeOption(&words, "--resolution", &command.resolution, error)
        || !takeOption(&words, "--framerate", &command.framerate, error)
        || !takeOption(&words, "--seconds", &seconds, error) || !expectCount(words, 2, 2, error)) {
        return std::nullopt;
    }
    if (camera.isEmpty() == file.isEmpty()) {
        *error = CommandLine::tr("camera stream needs either --camera NAME or --file FILE");
        return std::nullopt;
    }
    if (!file.isEmpty() && !(command.resolution.isEmpty() && command.framerate.isEmpty())) {
        *error = CommandLine::tr("--resolution and --framerate go with --camera");
        return std::nullopt;
    }
    static const QRegularExpression size(QStringLiteral("^\\d+x\\d+$"));
    static const QRegularExpression rate(QStringLiteral("^\\d+/\\d+$"));
    if (!command.resolution.isEmpty() && !size.match(command.resolution).hasMatch()) {
        *error = CommandLine::tr("--resolution takes WIDTHxHEIGHT, e.g. 640x480");
        return std::nullopt;
    }
    if (!command.framerate.isEmpty() && !rate.match(command.framerate).hasMatch()) {
        *error = CommandLine::tr("--framerate takes N/D, e.g. 30/1");
        return std::nullopt;
    }
    if (!seconds.isEmpty()) {
        const auto value = number(seconds, CommandLine::tr("seconds"), 0.001, 86400, 3, error);
        if (!value)
            return std::nullopt;
        command.seconds = *value;
    }
    command.kind = file.isEmpty() ? Command::CameraStreamCamera : Command::CameraStreamFile;
    command.name = file.isEmpty() ? camera : file;
    return command;
}

std::optional<Command> parseCamera(const QStringList &words, Command command, QString *error)
{
    const QString verb = words.value(1);
    if (verb == "stream")
        return parseCameraStream(words, command, error);
    if ((verb == "list" || verb == "stop") && expectCount(words, 2, 2, error)) {
        command.kind = verb == "list" ? Command::CameraList : Command::CameraStop;
        return command;
    }
    if (error->isEmpty())
        *error = CommandLine::tr("unknown camera command \"%1\"; see \"emulation-ctl camera --help\"").arg(verb);
    return std::nullopt;
}

} // namespace

bool Command::needsEmulator() const
{
    switch (kind) {
    case GpsStatus:
    case CameraList:
    case CameraStreamCamera:
    case CameraStreamFile:
    case CameraStop:
    case Script:
    case Sleep:
        return false;
    case SensorSet:
        return !setting.target.startsWith("magneticField");
    default:
        return true;
    }
}

ParsedArguments parseArguments(const QStringList &arguments)
{
    ParsedArguments parsed;
    QStringList words;
    for (const QString &argument : arguments) {
        if (argument.startsWith("--port=") || argument.startsWith("--host="))
            words << argument.section('=', 0, 0) << argument.section('=', 1);
        else
            words << argument;
    }
    // First, so that an error in the other options is reported as JSON too.
    parsed.options.json = takeFlag(&words, "--json");
    QString port, host;
    if (!takeOption(&words, "--port", &port, &parsed.error)
        || !takeOption(&words, "--host", &host, &parsed.error))
        return parsed;
    if (!host.isEmpty())
        parsed.options.host = host;
    if (!port.isEmpty()) {
        const auto value = number(port, CommandLine::tr("port"), 1, 65535, 0, &parsed.error);
        if (!value)
            return parsed;
        parsed.options.port = quint16(*value);
    }
    // Both flags are taken out of the words, whichever is given.
    const bool longHelp = takeFlag(&words, "--help");
    const bool shortHelp = takeFlag(&words, "-h");
    parsed.options.help = longHelp || shortHelp;
    parsed.words = words;
    if (words.isEmpty() && !parsed.options.help)
        parsed.error = CommandLine::tr("no command given; see \"emulation-ctl --help\"");
    return parsed;
}

static std::optional<Command> parseScript(const QStringList &words, Command command, QString *error)
{
    QStringList rest = words;
    QString speed;
    command.dryRun = takeFlag(&rest, "--dry-run");
    command.force = takeFlag(&rest, "--force");
    if (!takeOption(&rest, "--speed", &speed, error) || !expectCount(rest, 2, 2, error))
        return std::nullopt;
    if (!speed.isEmpty()) {
        const auto value = number(speed, CommandLine::tr("--speed"), 0.001, 1000, 3, error);
        if (!value)
            return std::nullopt;
        command.replaySpeed = *value;
    }
    command.kind = Command::Script;
    command.name = rest.at(1);
    return command;
}

std::optional<Command> parseCommand(const QStringList &words, QString *error)
{
    Command command;
    command.text = words.join(' ');
    const QString group = words.value(0);
    if (group == "sensor")
        return parseSensor(words, command, error);
    if (group == "pose")
        return parsePose(words, command, error);
    if (group == "gps")
        return parseGps(words, command, error);
    if (group == "camera")
        return parseCamera(words, command, error);
    if (group == "script")
        return parseScript(words, command, error);
    if (group == "call" && expectCount(words, 4, 4, error)) {
        command.kind = Command::Call;
        command.name = words.at(1);
        command.method = words.at(2);
        command.arguments = words.at(3);
        return command;
    }
    if (group == "sleep" && expectCount(words, 2, 2, error)) {
        command.kind = Command::Sleep;
        command.name = words.at(1);
        if (command.kind == Command::Sleep) {
            const auto ms = number(words.at(1), CommandLine::tr("sleep"), 0, 86400000, 0, error);
            if (!ms)
                return std::nullopt;
            command.numbers = {*ms};
        }
        return command;
    }
    if (error->isEmpty())
        *error = CommandLine::tr("unknown command \"%1\"; see \"emulation-ctl --help\"").arg(group);
    return std::nullopt;
}

std::optional<QStringList> scriptLineWords(const QString &line, QString *error)
{
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quote == '\'') {
            if (c == '\'')
                quote = QChar();
            else
                word += c;
        } else if (quote == '"') {
            if (c == '"')
                quote = QChar();
            else if (c == '\\' && i + 1 < line.size()
                     && QStringView(u"\"\\$`").contains(line.at(i + 1)))
                word += line.at(++i);
            else
                word += c;
        } else if (c.isSpace()) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
        } else if (c == '#' && !inWord) {
            break;
        } else {
            inWord = true;
            if (c == '\'' || c == '"')
                quote = c;
            else if (c == '\\' && i + 1 < line.size())
                word += line.at(++i);
            else if (c != '\\')
                word += c;
        }
    }
    if (!quote.isNull()) {
        *error = CommandLine::tr("unterminated %1 quote").arg(quote);
        return std::nullopt;
    }
    if (inWord)
        words << word;
    return words;
}

QString helpText(const QStringList &words)
{
    const QString group = words.value(0);
    if (group == "sensor") {
        return CommandLine::tr("emulation-ctl sensor list\n"
                  "    The enabled state of every sensor (asked from the emulator) and the\n"
                  "    readings last set with emulation-ctl.\n"
                  "emulation-ctl sensor enable|disable NAME\n"
                  "    Switches a sensor on or off, with the sensors the window switches along\n"
                  "    (compass on: accelerometer and magnetometer on; accelerometer off:\n"
                  "    compass and orientation off; magnetometer off: compass off).\n"
                  "    NAME: %1\n"
                  "emulation-ctl sensor set NAME VALUES…\n"
                  "    Sets a reading in the window's units, ranges and decimals:\n    %2\n"
                  "    NAME.x, NAME.y or NAME.z sets one axis as the window's field does.\n"
                  "    magneticField is kept by emulation-ctl for \"pose\"; nothing is sent.\n")
            .arg(SensorReadings::switchableSensorNames().join(", "), sensorSettingDescriptions().join("\n    "));
    }
    if (group == "pose") {
        return CommandLine::tr("emulation-ctl pose X Y Z\n"
                  "    Sends the accelerometer and magnetometer readings of the phone page for\n"
                  "    a phone at rest turned by X-Rot, Y-Rot and Z-Rot degrees (-180…180).\n"
                  "emulation-ctl pose preset 1…6\n"
                  "    The page's preset buttons: 1 upright, 2 on its left side, 3 upside down,\n"
                  "    4 on its right side, 5 flat screen up, 6 flat screen down.\n"
                  "    The magnetometer follows the magnetic field set with\n"
                  "    \"sensor set magneticField X Y Z\".\n");
    }
    if (group == "gps") {
        return CommandLine::tr(
            "emulation-ctl gps fix LATITUDE LONGITUDE [ALTITUDE]\n"
            "    Sets a fixed position (-90…90 and -180…180 degrees with up to 7 decimals,\n"
            "    -1000…10000 m with up to 2; the altitude last set when left out).\n"
            "emulation-ctl gps load FILE [--fingerprint TEXT]\n"
            "    Reads an NMEA (.nmea), GPX (.gpx) or KML (.kml) track as the GPS page does\n"
            "    and sends it; with --fingerprint (as a recorded scenario writes it) only\n"
            "    the same file.\n"
            "emulation-ctl gps play [--speed 1…5] [--loop|--no-loop] [--wait]\n"
            "    Starts the loaded track. With --wait it plays the track with the page's\n"
            "    timing until its last point (with --loop until interrupted).\n"
            "emulation-ctl gps pause | stop | goto INDEX | status\n"
            "    Pauses at the current point, stops (back to the first point), goes to a\n"
            "    point (0-based), or shows the position and the track settings.\n");
    }
    if (group == "camera") {
        return CommandLine::tr(
            "emulation-ctl camera list\n"
            "    The host cameras with their resolutions and frame rates.\n"
            "emulation-ctl camera stream --camera NAME [--resolution WxH] [--framerate N/D] "
            "[--seconds N]\n"
            "emulation-ctl camera stream --file FILE [--seconds N]\n"
            "    Streams a host camera, or a VP8/VP9 video file in a loop, as the emulator's\n"
            "    camera until \"camera stop\", Ctrl+C or N seconds have passed.\n"
            "emulation-ctl camera stop\n"
            "    Stops the stream that an earlier emulation-ctl started.\n");
    }
    if (group == "script" || group == "sleep" || group == "call") {
        return CommandLine::tr("emulation-ctl script FILE [--speed F] [--dry-run] [--force]\n"
                  "    Runs the commands of FILE, one a line, over one connection; \"sleep MS\"\n"
                  "    waits between them, \"#\" starts a comment, words are quoted as in a\n"
                  "    shell. Every line, and every track file against its fingerprint, is\n"
                  "    checked before the first runs; the first failing line ends the script.\n"
                  "    --speed divides the sleeps by F, --dry-run prints the calls instead of\n"
                  "    sending them, --force replays with track files that have changed.\n"
                  "call SERVICE METHOD ARGUMENTS (in a script)\n"
                  "    Sends one call with this argument text as it is, as the window's\n"
                  "    recordings write calls that no other command sends exactly.\n");
    }
    return CommandLine::tr("Usage: emulation-ctl [--host HOST] [--port PORT] [--json] COMMAND…\n"
              "Drives the emulator's sensors, GPS and camera as the Emulation Management\n"
              "window does, over the same WebSocket (default 127.0.0.1:5454).\n\n"
              "Commands (each has --help):\n"
              "  sensor list | enable NAME | disable NAME | set NAME VALUES…\n"
              "  pose X Y Z | pose preset 1…6\n"
              "  gps fix LAT LON [ALT] | load FILE | play [--speed N] [--loop] [--wait]\n"
              "      | pause | stop | goto INDEX | status\n"
              "  camera list | stream --camera NAME … | stream --file FILE | stop\n"
              "  script FILE [--speed F] [--dry-run] [--force]\n\n"
              "--json prints one JSON object per command. Exit status 0 on success, 1 when\n"
              "the emulator refuses a call, cannot be reached or a file cannot be used,\n"
              "2 for a bad command line.\n");
}

} // namespace EmulationManagement::Internal
