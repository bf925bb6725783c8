#include "emulatoroptions.h"

#include "emulator/sensorfwemulationservice.h"

#include <QCommandLineParser>

namespace EmulationManagement::Emulator {

namespace {

class OptionParser
{
    Q_DECLARE_TR_FUNCTIONS(EmulatorOptions)

public:
    OptionParser()
    {
        parser.setApplicationDescription(
            tr("Plays the Strova OS emulator on this machine: the remote D-Bus invoker, "
               "the sensor and location D-Bus services on a private bus, and the camera "
               "stream receiver."));
        parser.addHelpOption();
        parser.addOptions(
            {port, cameraPort, stateFile, logFile, saveFrame, showCamera, sensorsOff});
    }

    QCommandLineParser parser;
    const QCommandLineOption port{
        QStringLiteral("port"),
        tr("WebSocket port of the remote D-Bus invoker on 127.0.0.1 (5454)."),
        QStringLiteral("port"),
        QStringLiteral("5454")};
    const QCommandLineOption cameraPort{
        QStringLiteral("camera-port"),
        tr("UDP port of the camera stream receiver on 127.0.0.1 (34343)."),
        QStringLiteral("port"),
        QStringLiteral("34343")};
    const QCommandLineOption stateFile{QStringLiteral("state-file"),
                                       tr("JSON file holding the whole state, rewritten on every "
                                          "change."),
                                       QStringLiteral("path")};
    const QCommandLineOption logFile{QStringLiteral("log-file"),
                                     tr("File the log is appended to (it goes to stdout too)."),
                                     QStringLiteral("path")};
    const QCommandLineOption saveFrame{QStringLiteral("save-frame"),
                                       tr("JPEG file holding the last camera frame received."),
                                       QStringLiteral("path")};
    const QCommandLineOption showCamera{QStringLiteral("show-camera"),
                                        tr("Show the camera stream in a window.")};
    const QCommandLineOption sensorsOff{QStringLiteral("sensors-off"),
                                        tr("Comma-separated sensors that start switched off "
                                           "(the others start on)."),
                                        QStringLiteral("names")};
};

std::optional<quint16> parsePort(const QString &text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

} // namespace

std::optional<EmulatorOptions> EmulatorOptions::parse(const QStringList &arguments,
                                                      QString *error,
                                                      bool *helpRequested)
{
    OptionParser options;
    QCommandLineParser &parser = options.parser;
    *helpRequested = false;
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        *helpRequested = true;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = tr("Unexpected argument \"%1\".").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }

    EmulatorOptions result;
    const std::optional<quint16> port = parsePort(parser.value(options.port));
    const std::optional<quint16> cameraPort = parsePort(parser.value(options.cameraPort));
    if (!port || !cameraPort) {
        *error = tr("A port is a number from 1 to 65535.");
        return std::nullopt;
    }
    result.webSocketPort = *port;
    result.cameraPort = *cameraPort;
    result.stateFile = parser.value(options.stateFile);
    result.logFile = parser.value(options.logFile);
    result.frameFile = parser.value(options.saveFrame);
    result.showCamera = parser.isSet(options.showCamera);
    result.switchedOffSensors
        = parser.value(options.sensorsOff).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QStringList known = SensorfwEmulationService::sensorNames();
    for (const QString &name : std::as_const(result.switchedOffSensors)) {
        if (!known.contains(name)) {
            *error = tr("Unknown sensor \"%1\"; the sensors are %2.")
                         .arg(name, known.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return result;
}

QString EmulatorOptions::helpText()
{
    return OptionParser().parser.helpText();
}

} // namespace EmulationManagement::Emulator
