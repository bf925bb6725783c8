#include "pagescripts.h"

namespace EmulationManagement::Internal {

namespace {

const QString scripts = QStringLiteral(":/emulationmanagement/js/");

} // namespace

PageScripts::PageScripts()
{
    m_pose = m_engine.importModule(scripts + "pose-readings.mjs");
    m_playback = m_engine.importModule(scripts + "track-playback.mjs");
    if (m_pose.isError() || m_playback.isError())
        m_loadError = (m_pose.isError() ? m_pose : m_playback).toString();
}

QJSValue PageScripts::call(const QJSValue &module,
                           const QString &function,
                           const QJSValueList &arguments)
{
    return module.property(function).call(arguments);
}

PageScripts::Readings PageScripts::restingReadings(double x,
                                                   double y,
                                                   double z,
                                                   const std::array<double, 3> &field)
{
    QJSValue fieldValue = m_engine.newArray(3);
    for (quint32 i = 0; i < 3; ++i)
        fieldValue.setProperty(i, field[i]);
    const QJSValue result = call(m_pose, "restingReadings", {x, y, z, fieldValue});
    Readings readings;
    for (quint32 i = 0; i < 3; ++i) {
        readings.accelerometer[i] = result.property("accelerometer").property(i).toInt();
        readings.magnetometer[i] = result.property("magnetometer").property(i).toNumber();
    }
    return readings;
}

std::array<double, 3> PageScripts::presetPose(int preset)
{
    const QJSValue rotation = m_pose.property("presetRotations").property(quint32(preset - 1));
    return {rotation.property(1).toNumber(), 0, rotation.property(0).toNumber()};
}

int PageScripts::defaultInterval()
{
    return m_playback.property("defaultInterval").toInt();
}

int PageScripts::nextWait(
    int index, int rows, bool looped, bool useDefaultInterval, int speed, double nextInterval)
{
    return call(m_playback,
                "nextWait",
                {index, rows, looped, useDefaultInterval, speed, defaultInterval(), nextInterval})
        .toInt();
}

qint64 PageScripts::timerInterval(double scheduleStart, double scheduledWaits, double now)
{
    return qint64(
        call(m_playback, "timerInterval", {scheduleStart, scheduledWaits, now}).toNumber());
}

int PageScripts::nextIndex(int index, int rows)
{
    return call(m_playback, "nextIndex", {index, rows}).toInt();
}

} // namespace EmulationManagement::Internal
