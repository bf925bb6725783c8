#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The scenario file the window records and `emulation-ctl script` replays:
// one command a line, "sleep MS" for the gaps, raw "call" lines for calls
// that no readable command sends exactly.
namespace EmulationManagement::Internal::Scenario {

constexpr int formatVersion = 1;

// One call text split into its six fields.
struct Call
{
    QString bus;
    QString service;
    QString objectPath;
    QString interface;
    QString method;
    QString arguments;

    QString text() const;
};

// Everything after the fifth space is the argument text; nullopt for a text
// with fewer than six fields.
std::optional<Call> splitCallText(const QString &text);
// The call a "call SERVICE METHOD ARGUMENTS" line sends: the emulator's
// services live on the system bus at the path and interface named after them.
Call callTo(const QString &service, const QString &method, const QString &arguments);

// One word of a script line that the script reader gives back byte for
// byte: double-quoted when it holds anything but plain characters.
QString quoted(const QString &word);

// What happened at one moment of a recording: a call the window sent, or a
// command that stands for what the window did outside the calls (a loaded
// track, a camera stream).
struct Step
{
    qint64 atMs = 0;
    QString callText;
    QString command;
};

struct Header
{
    QDateTime recorded;
    QString emulatorAddress;
};

// The readable command that sends exactly this call and nothing else;
// empty when there is none.
QString readableCommand(const Call &call);

// The script line for one call: the readable command, or a raw "call" line.
// Empty with an error for a call a script line cannot hold.
QString callLine(const QString &callText, QString *error);

// The whole file, lines joined by "\n" with one after the last; empty with an
// error naming the step that cannot be written.
QString scenarioText(const Header &header, const QList<Step> &steps, QString *error);

} // namespace EmulationManagement::Internal::Scenario
