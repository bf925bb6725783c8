#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"
#include "gps/trackmodel.h"
#include "gps/trackreader.h"

#include <memory>
#include <optional>

namespace EmulationManagement::Internal {

class TrackPlayer;

// "gps fix", "gps load", "gps play|pause|stop|goto" and "gps status" as the
// GPS page does them, with the track the last run loaded.
class GpsCommands
{
public:
    explicit GpsCommands(CtlSession &session);
    ~GpsCommands();

    // Reads the track file before the emulator hears of it; false with the
    // reason when it cannot be used.
    bool readTrack(const Command &command, QString *error);

    bool fix(const Command &command);
    // Sends the track that readTrack() read.
    void load(const Command &command, CommandOutcome *outcome);
    bool trackCommand(const Command &command, QString *error);
    void status(CommandOutcome *outcome);

private:
    TrackPlayer &player();

    CtlSession &m_session;
    TrackModel m_track;
    std::optional<TrackReadResult> m_trackFile;
    std::unique_ptr<TrackPlayer> m_player;
};

} // namespace EmulationManagement::Internal
