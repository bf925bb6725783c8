#include "gpsemulationmanager.h"

#include "transport/dbusarguments.h"

#include <QtMath>

namespace EmulationManagement::Internal {

namespace A = DBusArguments;

namespace {

constexpr int coordinateDecimals = 7;
constexpr int altitudeDecimals = 2;

const QLatin1String trackArrayPrefix("array:array:double:");

double finiteOrZero(double value)
{
    return qIsFinite(value) ? value : 0;
}

// Values that are not finite ("nan", "inf") are sent as 0: they would reach
// the emulator as words, not numbers.
void appendTrackRow(
    QString *text, double latitude, double longitude, double altitude, double interval)
{
    if (text->size() > trackArrayPrefix.size())
        *text += QLatin1Char(';');
    *text += A::fixedNumber(finiteOrZero(latitude), coordinateDecimals);
    *text += QLatin1Char(',');
    *text += A::fixedNumber(finiteOrZero(longitude), coordinateDecimals);
    *text += QLatin1Char(',');
    *text += A::fixedNumber(finiteOrZero(altitude), altitudeDecimals);
    *text += QLatin1Char(',');
    *text += A::number(finiteOrZero(interval));
}

// A number as it is, a text only if it is a plain C-locale number, else 0.
double trackValue(const QVariantMap &point, const char *key)
{
    return point.value(QString::fromLatin1(key)).toDouble();
}

} // namespace

GPSEmulationManager::GPSEmulationManager(QObject *parent)
    : EmulationManager(parent)
    , m_currentPosition(new PositionModel(this))
{
    connect(this,
            &EmulationManager::emulatorConnected,
            this,
            &GPSEmulationManager::handleEmulatorConnected);
}

QString GPSEmulationManager::bus() const
{
    return QStringLiteral("system");
}

QString GPSEmulationManager::serviceName() const
{
    return QStringLiteral("ru.quor.GeoclueEmulationManagement");
}

QString GPSEmulationManager::objectPath() const
{
    return QStringLiteral("/ru/quor/GeoclueEmulationManagement");
}

QString GPSEmulationManager::interfaceName() const
{
    return serviceName();
}

// The location service's replies carry no state to keep.
void GPSEmulationManager::processReply(const QStringList &) {}

void GPSEmulationManager::setCurrentPositionIndex(int index)
{
    m_currentPositionIndex = index;
    emit currentPositionIndexChanged();
}

void GPSEmulationManager::setLocalPosition(double latitude, double longitude, double altitude)
{
    m_currentPosition->setValues(latitude, longitude, altitude);
    m_settings.saveGpsPosition(latitude, longitude, altitude);
}

void GPSEmulationManager::setPosition(double latitude, double longitude, double altitude)
{
    callMethod(QStringLiteral("setPosition"),
               A::join({A::fixedDouble(latitude, coordinateDecimals),
                        A::fixedDouble(longitude, coordinateDecimals),
                        A::fixedDouble(altitude, altitudeDecimals)}));
    setLocalPosition(latitude, longitude, altitude);
}

void GPSEmulationManager::setLatitude(double latitude)
{
    callMethod(QStringLiteral("setLatitude"), A::fixedDouble(latitude, coordinateDecimals));
    m_currentPosition->setLatitude(latitude);
    m_settings.saveGpsLatitude(m_currentPosition->latitude());
}

void GPSEmulationManager::setLongitude(double longitude)
{
    callMethod(QStringLiteral("setLongitude"), A::fixedDouble(longitude, coordinateDecimals));
    m_currentPosition->setLongitude(longitude);
    m_settings.saveGpsLongitude(m_currentPosition->longitude());
}

void GPSEmulationManager::setAltitude(double altitude)
{
    callMethod(QStringLiteral("setAltitude"), A::fixedDouble(altitude, altitudeDecimals));
    m_currentPosition->setAltitude(altitude);
    m_settings.saveGpsAltitude(m_currentPosition->altitude());
}

QString GPSEmulationManager::trackArgument(const QVariantList &trackPoints)
{
    QString text = trackArrayPrefix;
    for (const QVariant &value : trackPoints) {
        const QVariantMap point = value.toMap();
        appendTrackRow(&text,
                       trackValue(point, "latitude"),
                       trackValue(point, "longitude"),
                       trackValue(point, "altitude"),
                       trackValue(point, "interval"));
    }
    return text;
}

QString GPSEmulationManager::trackArgument(const QList<TrackPoint> &trackPoints,
                                           const std::atomic_bool *cancel)
{
    QString text = trackArrayPrefix;
    // About 40 characters a point: one allocation instead of dozens.
    text.reserve(text.size() + trackPoints.size() * 44);
    for (qsizetype i = 0; i < trackPoints.size(); ++i) {
        if ((i & 0xfff) == 0 && cancel && cancel->load())
            return {};
        const TrackPoint &point = trackPoints.at(i);
        appendTrackRow(
            &text, point.latitude, point.longitude, point.altitude, double(point.interval));
    }
    return text;
}

// The index goes back to 0 silently: after a reconnection the page resends
// the track and goes on to the row it shows, which a change signal would move.
void GPSEmulationManager::loadTrack(const QVariantList &trackPoints)
{
    sendTrack(trackArgument(trackPoints));
}

void GPSEmulationManager::loadTrackModel(TrackModel *track)
{
    sendTrack(track ? track->trackArgument() : QString(trackArrayPrefix));
}

void GPSEmulationManager::sendTrack(const QString &argument)
{
    callMethod(QStringLiteral("loadTrack"), argument);
    m_currentPositionIndex = 0;
    m_trackLoaded = true;
}

void GPSEmulationManager::startTrack()
{
    callMethod(QStringLiteral("startTrack"), QString());
}

void GPSEmulationManager::pauseTrack()
{
    callMethod(QStringLiteral("pauseTrack"), QString());
}

void GPSEmulationManager::stopTrack()
{
    callMethod(QStringLiteral("stopTrack"), QString());
    setCurrentPositionIndex(0);
}

void GPSEmulationManager::setTrackLooped(bool looped)
{
    callMethod(QStringLiteral("setTrackLooped"), A::boolean(looped));
    m_trackLooped = looped;
    emit trackLoopedChanged();
}

void GPSEmulationManager::setTrackIntervalMode(bool useDefaultInterval)
{
    callMethod(QStringLiteral("setTrackIntervalMode"), A::boolean(useDefaultInterval));
    m_useDefaultInterval = useDefaultInterval;
    emit defaultIntervalUsingChanged();
}

void GPSEmulationManager::setTrackSpeed(int speed)
{
    callMethod(QStringLiteral("setTrackSpeed"), A::int32(speed));
    m_trackSpeed = speed;
    emit trackSpeedChanged();
}

void GPSEmulationManager::goToPositionOnTrack(int index)
{
    callMethod(QStringLiteral("goToPositionOnTrack"), A::int32(index));
    setCurrentPositionIndex(index);
}

// The stored position is read first: the page answers the index change of
// stopTrack() by showing the track's first point as the position, which
// would otherwise be stored and sent in place of the user's.
void GPSEmulationManager::handleEmulatorConnected()
{
    const double latitude = m_settings.readGpsLatitude();
    const double longitude = m_settings.readGpsLongitude();
    const double altitude = m_settings.readGpsAltitude();
    stopTrack();
    m_trackLoaded = false;
    setTrackLooped(m_trackLooped);
    setTrackIntervalMode(m_useDefaultInterval);
    setTrackSpeed(m_trackSpeed);
    setPosition(latitude, longitude, altitude);
}

} // namespace EmulationManagement::Internal
