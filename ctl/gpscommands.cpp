#include "gpscommands.h"

#include "ctl/trackfile.h"
#include "ctl/trackplayer.h"
#include "gps/trackfingerprint.h"
#include "sensors/settingsmanager.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace EmulationManagement::Internal {

namespace {

} // namespace

GpsCommands::GpsCommands(CtlSession &session)
    : m_session(session)
{}

GpsCommands::~GpsCommands() = default;

bool GpsCommands::readTrack(const Command &command, QString *error)
{
    // The fingerprint first: a change while the file is read shows on the next use.
    m_readFingerprint = TrackFingerprint::ofFile(command.name, error);
    if (m_readFingerprint)
        m_readTrack = readTrackFile(command.name, error);
    return m_readFingerprint && m_readTrack;
}

bool GpsCommands::fix(const Command &command)
{
    const double altitude = command.numbers.size() > 2 ? command.numbers.at(2)
                                                       : m_session.storedValues().readGpsAltitude();
    m_session.connection().gps().setPosition(
        command.numbers.at(0), command.numbers.at(1), altitude);
    return true;
}

bool GpsCommands::load(const Command &command, CommandOutcome *outcome, QString *error)
{
    const TrackReadResult track = *std::exchange(m_readTrack, std::nullopt);
    GPSEmulationManager &gps = m_session.connection().gps();
    m_player.reset();
    m_track.setPoints(TrackReader::toVariantList(track));
    // A file without times can only be played at the default interval. The
    // page keeps that mode for its life; the command follows each file.
    CtlState &state = m_session.state();
    const bool intervalModeChanges = m_track.withoutTimes() || state.useDefaultInterval;
    if (intervalModeChanges)
        gps.setTrackIntervalMode(m_track.withoutTimes());
    player().load();
    // A track the emulator refused is not the loaded one.
    if (!m_session.connection().waitForReplies(error))
        return false;
    if (intervalModeChanges)
        state.useDefaultInterval = m_track.withoutTimes();
    state.trackFile = QFileInfo(command.name).absoluteFilePath();
    state.trackFingerprint = std::exchange(m_readFingerprint, std::nullopt)->toText();
    state.trackPointCount = m_track.rows();
    state.index = 0;
    outcome->lines << tr("track points loaded: %1").arg(m_track.rows());
    const QString note = TrackReader::skippedLinesNote(track);
    if (!note.isEmpty())
        outcome->lines << note;
    outcome->data.insert("points", m_track.rows());
    return true;
}

bool GpsCommands::readLoadedTrack(QString *error)
{
    const CtlState &state = m_session.state();
    if (m_track.rows() > 0)
        return true;
    if (state.trackFile.isEmpty()) {
        *error = tr("no track is loaded; load one with \"gps load FILE\"");
        return false;
    }
    const std::optional<TrackFingerprint> now = TrackFingerprint::ofFile(state.trackFile, error);
    if (!now)
        return false;
    if (TrackFingerprint::fromText(state.trackFingerprint) != *now) {
        *error = tr("%1 changed since it was loaded; load it again with \"gps load\"")
                     .arg(state.trackFile);
        return false;
    }
    const std::optional<TrackReadResult> track = readTrackFile(state.trackFile, error);
    if (track)
        m_track.setPoints(TrackReader::toVariantList(*track));
    return track.has_value();
}

bool GpsCommands::trackCommand(const Command &command, QString *error)
{
    if (!readLoadedTrack(error))
        return false;
    const int rows = m_track.rows();
    if (command.kind == Command::GpsGoto && command.numbers.at(0) >= rows) {
        *error = tr("index %1 is beyond the track's last point, %2")
                     .arg(command.numbers.at(0))
                     .arg(rows - 1);
        return false;
    }
    GPSEmulationManager &gps = m_session.connection().gps();
    CtlState &state = m_session.state();
    if (command.kind == Command::GpsPlay) {
        if (command.speed > 0) {
            state.speed = command.speed;
            gps.setTrackSpeed(command.speed);
        }
        if (command.looped) {
            state.looped = *command.looped;
            gps.setTrackLooped(*command.looped);
        }
    }
    TrackPlayer &trackPlayer = player();
    switch (command.kind) {
    case Command::GpsGoto:
        trackPlayer.goTo(int(command.numbers.at(0)));
        break;
    case Command::GpsPause:
        trackPlayer.pause();
        break;
    case Command::GpsStop:
        trackPlayer.stop();
        break;
    default: {
        QEventLoop loop;
        bool finished = false;
        const auto connection = QObject::connect(&trackPlayer, &TrackPlayer::finished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        trackPlayer.play();
        // Without --wait the emulator plays on by itself: this run steps no
        // further, however long its replies take to arrive.
        if (!command.wait)
            trackPlayer.handOver();
        bool connected = true;
        if (command.wait && !finished) {
            connected = m_session.runUntilStopped(loop, error);
            // Interrupted: the emulator is not left playing with nobody driving it.
            if (!finished && connected)
                trackPlayer.pause();
        }
        QObject::disconnect(connection);
        return connected;
    }
    }
    return true;
}

void GpsCommands::status(CommandOutcome *outcome)
{
    const double latitude = m_session.storedValues().readGpsLatitude();
    const double longitude = m_session.storedValues().readGpsLongitude();
    const double altitude = m_session.storedValues().readGpsAltitude();
    const CtlState &state = m_session.state();
    const int rows = state.trackPointCount;
    outcome->lines << tr("position: %1 %2 %3 m")
                          .arg(fixedText(latitude, 7),
                               fixedText(longitude, 7),
                               fixedText(altitude, 2))
                   << tr("track: %1 (points: %2)")
                          .arg(state.trackFile.isEmpty() ? tr("none") : state.trackFile)
                          .arg(rows)
                   << tr("current point: %1").arg(state.index)
                   << tr("speed: %1x, loop: %2, own track times: %3")
                          .arg(state.speed)
                          .arg(state.looped ? tr("on") : tr("off"),
                               state.useDefaultInterval ? tr("off") : tr("on"));
    outcome->data = QJsonObject{
        {"position",
         QJsonObject{{"latitude", latitude}, {"longitude", longitude}, {"altitude", altitude}}},
        {"trackFile", state.trackFile},
        {"points", rows},
        {"currentIndex", state.index},
        {"speed", state.speed},
        {"looped", state.looped},
        {"useDefaultInterval", state.useDefaultInterval},
    };
}

TrackPlayer &GpsCommands::player()
{
    if (!m_player) {
        GPSEmulationManager &gps = m_session.connection().gps();
        m_player = std::make_unique<TrackPlayer>(gps, m_track, m_session.state());
        // Each point reached is kept at once, after the player has noted it.
        QObject::connect(&gps,
                         &GPSEmulationManager::currentPositionIndexChanged,
                         m_player.get(),
                         [this] { m_session.saveState(); });
    }
    return *m_player;
}

} // namespace EmulationManagement::Internal
