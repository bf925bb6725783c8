#include "gpscommands.h"

#include "ctl/trackfile.h"
#include "ctl/trackplayer.h"
#include "sensors/settingsmanager.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace EmulationManagement::Internal {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("EmulationManagement::Internal::GpsCommands", text);
}

} // namespace

GpsCommands::GpsCommands(CtlSession &session)
    : m_session(session)
{
    m_track.setPoints(session.state().trackPoints);
}

GpsCommands::~GpsCommands() = default;

bool GpsCommands::readTrack(const Command &command, QString *error)
{
    m_trackFile = readTrackFile(command.name, error);
    return m_trackFile.has_value();
}

bool GpsCommands::fix(const Command &command)
{
    const double altitude = command.numbers.size() > 2 ? command.numbers.at(2)
                                                       : m_session.storedValues().readGpsAltitude();
    m_session.connection().gps().setPosition(
        command.numbers.at(0), command.numbers.at(1), altitude);
    return true;
}

void GpsCommands::load(const Command &command, CommandOutcome *outcome)
{
    const TrackReadResult track = *std::exchange(m_trackFile, std::nullopt);
    GPSEmulationManager &gps = m_session.connection().gps();
    m_player.reset();
    m_session.state().trackFile = QFileInfo(command.name).absoluteFilePath();
    m_session.state().trackPoints = TrackReader::toVariantList(track);
    m_session.state().index = 0;
    m_track.setPoints(m_session.state().trackPoints);
    // A file without times can only be played at the default interval. The
    // page keeps that mode for its life; the command follows each file.
    if (m_track.withoutTimes() || m_session.state().useDefaultInterval) {
        m_session.state().useDefaultInterval = m_track.withoutTimes();
        gps.setTrackIntervalMode(m_session.state().useDefaultInterval);
    }
    player().load();
    outcome->lines << tr("track points loaded: %1").arg(m_track.rows());
    const QString note = TrackReader::skippedLinesNote(track);
    if (!note.isEmpty())
        outcome->lines << note;
    outcome->data.insert("points", m_track.rows());
}

bool GpsCommands::trackCommand(const Command &command, QString *error)
{
    const int rows = m_track.rows();
    if (rows == 0) {
        *error = tr("no track is loaded; load one with \"gps load FILE\"");
        return false;
    }
    if (command.kind == Command::GpsGoto && command.numbers.at(0) >= rows) {
        *error = tr("index %1 is beyond the track's last point, %2")
                     .arg(command.numbers.at(0))
                     .arg(rows - 1);
        return false;
    }
    GPSEmulationManager &gps = m_session.connection().gps();
    if (command.kind == Command::GpsPlay) {
        if (command.speed > 0) {
            m_session.state().speed = command.speed;
            gps.setTrackSpeed(command.speed);
        }
        if (command.looped) {
            m_session.state().looped = *command.looped;
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
        if (command.wait && !finished) {
            m_session.runUntilStopped(loop);
            // Interrupted: the emulator is not left playing with nobody driving it.
            if (!finished)
                trackPlayer.pause();
        }
        QObject::disconnect(connection);
    }
    }
    return true;
}

void GpsCommands::status(CommandOutcome *outcome)
{
    const double latitude = m_session.storedValues().readGpsLatitude();
    const double longitude = m_session.storedValues().readGpsLongitude();
    const double altitude = m_session.storedValues().readGpsAltitude();
    const int rows = m_track.rows();
    outcome->lines << tr("position: %1 %2 %3 m")
                          .arg(fixedText(latitude, 7),
                               fixedText(longitude, 7),
                               fixedText(altitude, 2))
                   << tr("track: %1 (points: %2)")
                          .arg(m_session.state().trackFile.isEmpty() ? tr("none")
                                                                     : m_session.state().trackFile)
                          .arg(rows)
                   << tr("current point: %1").arg(m_session.state().index)
                   << tr("speed: %1x, loop: %2, own track times: %3")
                          .arg(m_session.state().speed)
                          .arg(m_session.state().looped ? tr("on") : tr("off"),
                               m_session.state().useDefaultInterval ? tr("off") : tr("on"));
    outcome->data = QJsonObject{
        {"position",
         QJsonObject{{"latitude", latitude}, {"longitude", longitude}, {"altitude", altitude}}},
        {"trackFile", m_session.state().trackFile},
        {"points", rows},
        {"currentIndex", m_session.state().index},
        {"speed", m_session.state().speed},
        {"looped", m_session.state().looped},
        {"useDefaultInterval", m_session.state().useDefaultInterval},
    };
}

TrackPlayer &GpsCommands::player()
{
    if (!m_player) {
        m_player = std::make_unique<TrackPlayer>(
            m_session.connection().gps(), m_track, m_session.state());
    }
    return *m_player;
}

} // namespace EmulationManagement::Internal
