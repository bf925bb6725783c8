#pragma once

#include "ctl/sensorinput.h"
#include "plugin/emulationmanagementconstants.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace EmulationManagement::Internal {

// Options that hold for the whole run, wherever they stand on the line.
struct GlobalOptions
{
    QString host = QString::fromLatin1(Constants::emulatorHost);
    quint16 port = Constants::tcpHostPort;
    bool json = false;
    bool help = false;
};

// One command of the command line or of a script line, checked and with
// its numbers read; what it needs from the emulator or the host comes later.
struct Command
{
    enum Kind {
        SensorList,
        SensorEnable,
        SensorDisable,
        SensorSet,
        Pose,
        PosePreset,
        GpsFix,
        GpsLoad,
        GpsPlay,
        GpsPause,
        GpsStop,
        GpsGoto,
        GpsStatus,
        CameraList,
        CameraStreamCamera,
        CameraStreamFile,
        CameraStop,
        Script,
        Sleep,
        Call,
    };

    Kind kind = SensorList;
    QString text;          // the command as written, for messages and output
    QString name;          // sensor, camera, file
    QList<double> numbers; // pose angles, coordinates, index, milliseconds
    SensorSetting setting;
    int speed = 0;              // gps play: 0 keeps the current speed
    std::optional<bool> looped; // gps play: unset keeps the current choice
    bool wait = false;          // gps play
    QString resolution;         // camera stream, "WxH"
    QString framerate;          // camera stream, "N/D"
    double seconds = 0;         // camera stream: 0 runs until stopped
    QString fingerprint;        // gps load: the file as recorded, empty for any
    QString method;             // call: the method of the service in name
    QString arguments;          // call: the argument text, sent as it is
    double replaySpeed = 1;     // script: the sleeps are divided by it
    bool dryRun = false;        // script: print the calls instead of sending them
    bool force = false;         // script: replay with track files that changed

    // Whether it sends calls over the emulator's WebSocket.
    bool needsEmulator() const;
};

struct ParsedArguments
{
    GlobalOptions options;
    QStringList words;
    QString error;
};

// Takes the global options out of the arguments (program name excluded).
ParsedArguments parseArguments(const QStringList &arguments);

// Reads the words of one command; nullopt with a one-line error otherwise.
// Script and sleep lines are read the same way; a script may not run
// another script.
std::optional<Command> parseCommand(const QStringList &words, QString *error);

// The words of one script line, split as a shell splits them: blanks
// between words, '…' and "…" quote (a backslash escapes \ " $ ` within
// "…"), a backslash escapes the next character elsewhere, and "#" at the
// start of a word starts a comment. Blank lines give none; nullopt with
// the error for an unterminated quote.
std::optional<QStringList> scriptLineWords(const QString &line, QString *error);

// The help for the command that the words start (the whole program's help
// for no words or unknown ones).
QString helpText(const QStringList &words);

} // namespace EmulationManagement::Internal
