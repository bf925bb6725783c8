#pragma once

#include "ctl/cameracommands.h"
#include "ctl/commandline.h"
#include "ctl/ctlsession.h"
#include "ctl/gpscommands.h"
#include "ctl/posecommand.h"
#include "ctl/scriptrunner.h"
#include "ctl/sensorcommands.h"

#include <QObject>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

// Runs checked commands against the emulator with the window's managers and
// prints what each sent and got back, as text or as one JSON object each.
class CommandRunner : public QObject
{
    Q_OBJECT

public:
    CommandRunner(const GlobalOptions &options, Utils::QtcSettings &settings);
    ~CommandRunner() override;

    // Runs the command (a script runs its lines); returns the exit status.
    int run(const Command &command);

private:
    bool execute(const Command &command, QString *error);
    bool dispatch(const Command &command, CommandOutcome *outcome, QString *error);
    void print(const Command &command,
               const QList<EmulatorConnection::Exchange> &exchanges,
               const CommandOutcome &outcome);
    void printError(const QString &error);

    // Declared after the session, the areas end before its connection does.
    CtlSession m_session;
    SensorCommands m_sensors;
    PoseCommand m_pose;
    GpsCommands m_gps;
    CameraCommands m_camera;
    ScriptRunner m_script;
};

} // namespace EmulationManagement::Internal
