#pragma once

#include "gps/trackmodel.h"
#include "sensors/positionmodel.h"
#include "sensors/settingsmanager.h"
#include "transport/emulationmanager.h"

#include <QVariantList>

namespace EmulationManagement::Internal {

// Drives the emulator's location service for the GPS page: fixed positions
// and the playback of a loaded track, whose timing the page keeps. Holds the
// last position (also kept between runs) and the playback settings, and
// brings the emulator back to them on every connection.
class GPSEmulationManager : public EmulationManager
{
    Q_OBJECT
    Q_PROPERTY(
        EmulationManagement::Internal::PositionModel *currentPosition READ currentPosition CONSTANT)
    Q_PROPERTY(bool trackLooped READ trackLooped NOTIFY trackLoopedChanged)
    Q_PROPERTY(bool useDefaultInterval READ useDefaultInterval NOTIFY defaultIntervalUsingChanged)
    Q_PROPERTY(int trackSpeed READ trackSpeed NOTIFY trackSpeedChanged)
    Q_PROPERTY(int currentPositionIndex READ currentPositionIndex WRITE setCurrentPositionIndex
                   NOTIFY currentPositionIndexChanged)
    // Read by the page when it needs it; there is nothing to bind to.
    Q_PROPERTY(bool trackLoaded READ trackLoaded)

public:
    explicit GPSEmulationManager(QObject *parent = nullptr);

    QString bus() const override;
    QString serviceName() const override;
    QString objectPath() const override;
    QString interfaceName() const override;

    PositionModel *currentPosition() const { return m_currentPosition; }
    bool trackLooped() const { return m_trackLooped; }
    bool useDefaultInterval() const { return m_useDefaultInterval; }
    int trackSpeed() const { return m_trackSpeed; }
    int currentPositionIndex() const { return m_currentPositionIndex; }
    void setCurrentPositionIndex(int index);
    bool trackLoaded() const { return m_trackLoaded; }

    Q_INVOKABLE void setLocalPosition(double latitude, double longitude, double altitude);
    Q_INVOKABLE void setPosition(double latitude, double longitude, double altitude);
    Q_INVOKABLE void setLatitude(double latitude);
    Q_INVOKABLE void setLongitude(double longitude);
    Q_INVOKABLE void setAltitude(double altitude);
    Q_INVOKABLE void loadTrack(const QVariantList &trackPoints);
    // The same "loadTrack" as for the track's records, with the text the
    // model prepared where the track was read.
    Q_INVOKABLE void loadTrackModel(EmulationManagement::Internal::TrackModel *track);
    Q_INVOKABLE void startTrack();
    Q_INVOKABLE void pauseTrack();
    Q_INVOKABLE void stopTrack();
    Q_INVOKABLE void setTrackLooped(bool looped);
    Q_INVOKABLE void setTrackIntervalMode(bool useDefaultInterval);
    Q_INVOKABLE void setTrackSpeed(int speed);
    Q_INVOKABLE void goToPositionOnTrack(int index);

    // Stops the emulator's track player and resends the playback settings and
    // the stored position.
    void handleEmulatorConnected();

    // The argument text of "loadTrack": one row of latitude, longitude,
    // altitude and interval per track point.
    static QString trackArgument(const QVariantList &trackPoints);
    // Gives up, with an empty text, as soon as it sees cancel raised.
    static QString trackArgument(const QList<TrackPoint> &trackPoints,
                                 const std::atomic_bool *cancel = nullptr);

signals:
    void trackLoopedChanged();
    void defaultIntervalUsingChanged();
    void trackSpeedChanged();
    void currentPositionIndexChanged();

protected:
    void processReply(const QStringList &fields) override;

private:
    void sendTrack(const QString &argument);

    PositionModel *m_currentPosition;
    SettingsManager m_settings;
    bool m_trackLooped = false;
    bool m_useDefaultInterval = false;
    int m_trackSpeed = 1;
    int m_currentPositionIndex = 0;
    bool m_trackLoaded = false;
};

} // namespace EmulationManagement::Internal
