#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"
#include "gps/trackfingerprint.h"
#include "gps/trackmodel.h"
#include "gps/trackreader.h"

#include <QCoreApplication>

#include <memory>
#include <optional>

namespace EmulationManagement::Internal {

class TrackPlayer;

// "gps fix", "gps load", "gps play|pause|stop|goto" and "gps status" as the
// GPS page does them, with the track the last run loaded.
class GpsCommands
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::GpsCommands)

public:
    explicit GpsCommands(CtlSession &session);
    ~GpsCommands();

    // Reads the track file before the emulator hears of it; false with the
    // reason when it cannot be used.
    bool readTrack(const Command &command, QString *error);

    bool fix(const Command &command);
    // Sends the track that readTrack() read; it counts as loaded once the
    // emulator has taken it.
    bool load(const Command &command, CommandOutcome *outcome, QString *error);
    bool trackCommand(const Command &command, QString *error);
    void status(CommandOutcome *outcome);

private:
    // The loaded track is kept as its path and read again on first use in
    // a run, if the file is still the one that was loaded.
    bool readLoadedTrack(QString *error);
    TrackPlayer &player();

    CtlSession &m_session;
    TrackModel m_track;
    std::optional<TrackFingerprint> m_readFingerprint;
    std::optional<TrackReadResult> m_readTrack;
    std::unique_ptr<TrackPlayer> m_player;
};

} // namespace EmulationManagement::Internal
