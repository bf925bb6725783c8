#pragma once

#include <QJSValue>
#include <QQmlEngine>
#include <QVariantList>

#include <array>
#include <memory>

QT_BEGIN_NAMESPACE
class QObject;
QT_END_NAMESPACE

namespace EmulationManagement::Internal {

// The window's own page scripts, evaluated in a QML engine, so that the
// command computes poses, reads NMEA tracks and times playback exactly as
// the pages do.
class PageScripts
{
public:
    struct Readings
    {
        std::array<double, 3> accelerometer; // thousandths of g, before truncation
        std::array<double, 3> magnetometer;  // tesla
    };
    struct TrackText
    {
        QVariantList points; // the track reader's points
        QString errorMessage;
        int errorLine = 0;
    };

    PageScripts();
    ~PageScripts();

    // Empty when the scripts loaded; otherwise what went wrong.
    QString loadError() const { return m_loadError; }

    Readings restingReadings(double x, double y, double z, const std::array<double, 3> &field);
    // X-Rot, Y-Rot and Z-Rot of preset 1…6.
    std::array<double, 3> presetPose(int preset);

    TrackText readNmea(const QString &text);
    bool hasPointsWithoutTime(const QVariantList &points);
    QVariantList trackRecords(const QVariantList &points);

    int defaultInterval();
    int nextWait(int index,
                 int rows,
                 bool looped,
                 bool useDefaultInterval,
                 int speed,
                 const QVariantList &records);
    qint64 timerInterval(double scheduleStart, double scheduledWaits, double now);
    int nextIndex(int index, int rows);

private:
    QJSValue call(const QJSValue &module, const QString &function, const QJSValueList &arguments);

    QQmlEngine m_engine;
    QJSValue m_pose;
    QJSValue m_playback;
    std::unique_ptr<QObject> m_nmeaReader;
    QString m_loadError;
};

} // namespace EmulationManagement::Internal
