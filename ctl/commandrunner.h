#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlstate.h"
#include "ctl/emulatorconnection.h"
#include "ctl/stopsignals.h"
#include "gps/trackmodel.h"
#include "gps/trackreader.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QObject>

#include <memory>
#include <optional>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

class CameraStreams;
class PageScripts;
class SettingsManager;
class TrackPlayer;

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
    struct Outcome
    {
        QJsonObject data;
        QStringList lines;
    };

    bool runScript(const Command &script, QString *error);
    bool execute(const Command &command, QString *error);
    bool dispatch(const Command &command, Outcome *outcome, QString *error);
    void print(const Command &command,
               const QList<EmulatorConnection::Exchange> &exchanges,
               const Outcome &outcome);
    void printError(const QString &error);

    bool sensorList(Outcome *outcome, QString *error);
    void sensorSwitch(const Command &command);
    void sensorSet(const SensorSetting &setting);
    bool pose(const Command &command, QString *error);
    bool gpsFix(const Command &command);
    // Sends the track that execute() read.
    void gpsLoad(const Command &command, Outcome *outcome);
    bool gpsTrackCommand(const Command &command, QString *error);
    void gpsStatus(Outcome *outcome);
    void cameraList(Outcome *outcome);
    bool cameraStream(const Command &command, QString *error);
    bool cameraStop(Outcome *outcome, QString *error);

    PageScripts &scripts(QString *error);
    TrackPlayer &player();
    CameraStreams &camera();
    void restoreReadings();
    // Runs the event loop for the time, or until stopped.
    void sleep(double milliseconds);
    // Runs the loop until it quits or SIGINT or SIGTERM comes.
    void runUntilStopped(QEventLoop &loop);

    GlobalOptions m_options;
    Utils::QtcSettings &m_settings;
    CtlState m_state;
    StopSignals m_stopSignals;
    std::unique_ptr<SettingsManager> m_storedValues;
    std::unique_ptr<EmulatorConnection> m_connection;
    std::unique_ptr<PageScripts> m_scripts;
    TrackModel m_track;
    std::optional<TrackReadResult> m_trackFile;
    std::unique_ptr<TrackPlayer> m_player;
    std::unique_ptr<CameraStreams> m_camera;
    bool m_inScript = false;
};

} // namespace EmulationManagement::Internal
