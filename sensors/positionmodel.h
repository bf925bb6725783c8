#pragma once

#include <QObject>

namespace EmulationManagement::Internal {

// The GPS position last set, for the GPS page to show: degrees, degrees, metres.
class PositionModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double latitude READ latitude WRITE setLatitude NOTIFY latitudeChanged)
    Q_PROPERTY(double longitude READ longitude WRITE setLongitude NOTIFY longitudeChanged)
    Q_PROPERTY(double altitude READ altitude WRITE setAltitude NOTIFY altitudeChanged)

public:
    explicit PositionModel(QObject *parent = nullptr);

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double altitude() const { return m_altitude; }

    void setLatitude(double latitude);
    void setLongitude(double longitude);
    void setAltitude(double altitude);

    Q_INVOKABLE void setValues(double latitude, double longitude, double altitude);

signals:
    void latitudeChanged();
    void longitudeChanged();
    void altitudeChanged();

private:
    double m_latitude = 0;
    double m_longitude = 0;
    double m_altitude = 0;
};

} // namespace EmulationManagement::Internal
