#include "pagescripts.h"

namespace EmulationManagement::Internal {

namespace {

const QString scripts = QStringLiteral(":/emulationmanagement/js/");

} // namespace

PageScripts::PageScripts()
{
    m_pose = m_engine.importModule(scripts + "pose-readings.mjs");
    if (m_pose.isError())
        m_loadError = m_pose.toString();
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

} // namespace EmulationManagement::Internal
