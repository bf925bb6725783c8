#pragma once

#include <QJSEngine>
#include <QJSValue>

#include <array>

namespace EmulationManagement::Internal {

// The window's own pose script, evaluated in a script engine, so that the
// command computes poses exactly as the phone page does.
class PageScripts
{
public:
    struct Readings
    {
        std::array<int, 3> accelerometer;   // thousandths of g
        std::array<double, 3> magnetometer; // tesla
    };

    PageScripts();

    // Empty when the scripts loaded; otherwise what went wrong.
    QString loadError() const { return m_loadError; }

    Readings restingReadings(double x, double y, double z, const std::array<double, 3> &field);
    // X-Rot, Y-Rot and Z-Rot of preset 1…6.
    std::array<double, 3> presetPose(int preset);

private:
    QJSValue call(const QJSValue &module, const QString &function, const QJSValueList &arguments);

    QJSEngine m_engine;
    QJSValue m_pose;
    QString m_loadError;
};

} // namespace EmulationManagement::Internal
