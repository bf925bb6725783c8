#pragma once

#include "emulator/invokerprotocol.h"

#include <QDBusContext>
#include <QJsonObject>
#include <QObject>

namespace EmulationManagement::Emulator {

// The emulator's location emulation service: keeps the position, the loaded
// track and the playback settings it was last given. The playback position
// moves only on request; the client drives the timing.
class GeoclueEmulationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ru.quor.GeoclueEmulationManagement")

public:
    enum class Playback { Stopped, Playing, Paused };

    explicit GeoclueEmulationService(QObject *parent = nullptr);

    static QString serviceName();
    static QString objectPath();

    QJsonObject state() const;

    // Why the service refuses a track ("loadTrack"), or an empty text.
    static QString trackError(const InvokerProtocol::DoubleArrays &track);

public slots:
    void setPosition(double latitude, double longitude, double altitude);
    void setLatitude(double latitude);
    void setLongitude(double longitude);
    void setAltitude(double altitude);
    // Rows of latitude, longitude, altitude and milliseconds since the previous point.
    void loadTrack(const QList<QList<double>> &track);
    void startTrack();
    void pauseTrack();
    void stopTrack();
    void setTrackLooped(bool looped);
    void setTrackIntervalMode(bool useDefaultInterval);
    void setTrackSpeed(int speed);
    void goToPositionOnTrack(int index);

private:
    static QString latitudeError(double latitude);
    static QString longitudeError(double longitude);
    static QString altitudeError(double altitude);
    // Answers the call with an InvalidArgs error when there is one.
    bool check(const QString &error);
    void reject(const QString &message);

    double m_latitude = 0;
    double m_longitude = 0;
    double m_altitude = 0;
    InvokerProtocol::DoubleArrays m_track;
    Playback m_playback = Playback::Stopped;
    int m_currentIndex = 0;
    int m_speed = 1;
    bool m_looped = false;
    bool m_useDefaultInterval = false;
};

} // namespace EmulationManagement::Emulator
