#include "geoclueemulationservice.h"

#include <QDBusError>
#include <QJsonArray>

#include <cmath>

namespace EmulationManagement::Emulator {

namespace {

constexpr qsizetype trackPointValues = 4;

QString playbackName(GeoclueEmulationService::Playback playback)
{
    switch (playback) {
    case GeoclueEmulationService::Playback::Playing:
        return QStringLiteral("playing");
    case GeoclueEmulationService::Playback::Paused:
        return QStringLiteral("paused");
    case GeoclueEmulationService::Playback::Stopped:
        break;
    }
    return QStringLiteral("stopped");
}

QJsonArray trackJson(const InvokerProtocol::DoubleArrays &track)
{
    QJsonArray rows;
    for (const QList<double> &point : track) {
        QJsonArray row;
        for (const double value : point)
            row.append(value);
        rows.append(row);
    }
    return rows;
}

} // namespace

GeoclueEmulationService::GeoclueEmulationService(QObject *parent)
    : QObject(parent)
{}

QString GeoclueEmulationService::serviceName()
{
    return QStringLiteral("ru.quor.GeoclueEmulationManagement");
}

QString GeoclueEmulationService::objectPath()
{
    return QStringLiteral("/ru/quor/GeoclueEmulationManagement");
}

QJsonObject GeoclueEmulationService::state() const
{
    return {{"position",
             QJsonObject{
                 {"latitude", m_latitude}, {"longitude", m_longitude}, {"altitude", m_altitude}}},
            {"track", trackJson(m_track)},
            {"playback", playbackName(m_playback)},
            {"currentIndex", m_currentIndex},
            {"speed", m_speed},
            {"looped", m_looped},
            {"useDefaultInterval", m_useDefaultInterval}};
}

void GeoclueEmulationService::setPosition(double latitude, double longitude, double altitude)
{
    if (!check(latitudeError(latitude)) || !check(longitudeError(longitude))
        || !check(altitudeError(altitude)))
        return;
    m_latitude = latitude;
    m_longitude = longitude;
    m_altitude = altitude;
}

void GeoclueEmulationService::setLatitude(double latitude)
{
    if (check(latitudeError(latitude)))
        m_latitude = latitude;
}

void GeoclueEmulationService::setLongitude(double longitude)
{
    if (check(longitudeError(longitude)))
        m_longitude = longitude;
}

void GeoclueEmulationService::setAltitude(double altitude)
{
    if (check(altitudeError(altitude)))
        m_altitude = altitude;
}

void GeoclueEmulationService::loadTrack(const QList<QList<double>> &track)
{
    if (!check(trackError(track)))
        return;
    m_track = track;
    m_playback = Playback::Stopped;
    m_currentIndex = 0;
}

void GeoclueEmulationService::startTrack()
{
    if (m_track.isEmpty()) {
        reject(QStringLiteral("No track is loaded"));
        return;
    }
    m_playback = Playback::Playing;
}

void GeoclueEmulationService::pauseTrack()
{
    if (m_playback == Playback::Playing)
        m_playback = Playback::Paused;
}

void GeoclueEmulationService::stopTrack()
{
    m_playback = Playback::Stopped;
    m_currentIndex = 0;
}

void GeoclueEmulationService::setTrackLooped(bool looped)
{
    m_looped = looped;
}

void GeoclueEmulationService::setTrackIntervalMode(bool useDefaultInterval)
{
    m_useDefaultInterval = useDefaultInterval;
}

void GeoclueEmulationService::setTrackSpeed(int speed)
{
    if (speed < 1) {
        reject(QStringLiteral("Track speed %1 is not a positive factor").arg(speed));
        return;
    }
    m_speed = speed;
}

void GeoclueEmulationService::goToPositionOnTrack(int index)
{
    if (index < 0 || index >= m_track.size()) {
        reject(QStringLiteral("The track has no point %1").arg(index));
        return;
    }
    m_currentIndex = index;
    const QList<double> &point = m_track[index];
    m_latitude = point[0];
    m_longitude = point[1];
    m_altitude = point[2];
}

QString GeoclueEmulationService::latitudeError(double latitude)
{
    if (latitude >= -90 && latitude <= 90)
        return {};
    return QStringLiteral("Latitude %1 is out of range").arg(latitude);
}

QString GeoclueEmulationService::longitudeError(double longitude)
{
    if (longitude >= -180 && longitude <= 180)
        return {};
    return QStringLiteral("Longitude %1 is out of range").arg(longitude);
}

QString GeoclueEmulationService::altitudeError(double altitude)
{
    if (std::isfinite(altitude))
        return {};
    return QStringLiteral("Altitude %1 is not a finite number").arg(altitude);
}

QString GeoclueEmulationService::trackError(const InvokerProtocol::DoubleArrays &track)
{
    for (qsizetype index = 0; index < track.size(); ++index) {
        const QList<double> &point = track[index];
        if (point.size() != trackPointValues) {
            return QStringLiteral("Track point %1 has %2 values instead of %3")
                .arg(index)
                .arg(point.size())
                .arg(trackPointValues);
        }
        if (!(point[3] >= 0))
            return QStringLiteral("Track point %1 has the invalid interval %2")
                .arg(index)
                .arg(point[3]);
        for (const QString &error :
             {latitudeError(point[0]), longitudeError(point[1]), altitudeError(point[2])}) {
            if (!error.isEmpty())
                return error;
        }
    }
    return {};
}

bool GeoclueEmulationService::check(const QString &error)
{
    if (error.isEmpty())
        return true;
    reject(error);
    return false;
}

void GeoclueEmulationService::reject(const QString &message)
{
    sendErrorReply(QDBusError::InvalidArgs, message);
}

} // namespace EmulationManagement::Emulator
