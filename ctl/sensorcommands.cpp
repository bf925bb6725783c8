#include "sensorcommands.h"

#include "sensors/compassmodel.h"
#include "sensors/sensorreadings.h"
#include "sensors/settingsmanager.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QMetaEnum>

namespace EmulationManagement::Internal {

namespace {

QJsonArray numbers(std::initializer_list<double> values)
{
    QJsonArray array;
    for (double value : values)
        array.append(value);
    return array;
}

// Each sensor's reading in the pages' units, as text and as JSON.
QList<std::tuple<QString, QString, QJsonValue>> readingTexts(const SensorsEmulationManager &sensors)
{
    const AccelerometerModel &a = *sensors.accelerometer();
    const MagnetometerModel &m = *sensors.magnetometer();
    const GyroscopeModel &g = *sensors.gyroscope();
    const int azimuth = CompassModel::calculateAzimuth(a.x(), a.y(), a.z(), m.x(), m.y(), m.z());
    return {
        {"accelerometer",
         QStringLiteral("%1 %2 %3 g")
             .arg(fixedText(a.x() / 1000.0, 3),
                  fixedText(a.y() / 1000.0, 3),
                  fixedText(a.z() / 1000.0, 3)),
         numbers({a.x() / 1000.0, a.y() / 1000.0, a.z() / 1000.0})},
        {"compass",
         QStringLiteral("%1°, calibration level %2").arg(azimuth).arg(m.calibrationLevel()),
         QJsonObject{{"azimuth", azimuth}, {"calibrationLevel", m.calibrationLevel()}}},
        {"orientation", SensorCommands::tr("follows the accelerometer"), QJsonValue()},
        {"magnetometer",
         QStringLiteral("%1 %2 %3 μT, calibration level %4")
             .arg(fixedText(m.x() * 1e6, 3), fixedText(m.y() * 1e6, 3), fixedText(m.z() * 1e6, 3))
             .arg(m.calibrationLevel()),
         numbers({m.x() * 1e6, m.y() * 1e6, m.z() * 1e6})},
        {"gyroscope",
         QStringLiteral("%1 %2 %3 deg/s")
             .arg(fixedText(g.x(), 3), fixedText(g.y(), 3), fixedText(g.z(), 3)),
         numbers({g.x(), g.y(), g.z()})},
        {"als", QStringLiteral("%1 lx").arg(sensors.als()->lux()), sensors.als()->lux()},
        {"proximity",
         SensorCommands::tr("reflectance %1").arg(sensors.proximity()->reflectance()),
         sensors.proximity()->reflectance()},
        {"tap",
         QString::fromLatin1(QMetaEnum::fromType<TapModel::TapDirection>().valueToKey(
             sensors.tap()->tapDirection())),
         int(sensors.tap()->tapDirection())},
    };
}

} // namespace

SensorCommands::SensorCommands(CtlSession &session)
    : m_session(session)
{
    restoreReadings();
}

bool SensorCommands::list(CommandOutcome *outcome, QString *error)
{
    SensorsEmulationManager &sensors = m_session.connection().sensors();
    // The query the window makes on its first connection.
    for (const QString &name : sensors.sensorsEnabledStates().keys())
        sensors.callMethod("enabled", "string:" + name);
    if (!m_session.connection().waitForReplies(error))
        return false;
    const QVariantMap enabled = sensors.sensorsEnabledStates();
    QJsonObject sensorsObject;
    for (const auto &[name, text, value] : readingTexts(sensors)) {
        const bool on = enabled.value(name).toBool();
        outcome->lines
            << QStringLiteral("%1 %2 %3").arg(name, -14).arg(on ? tr("on ") : tr("off"), text);
        sensorsObject.insert(name, QJsonObject{{"enabled", on}, {"value", value}});
    }
    const MagneticFieldModel &f = *sensors.magneticField();
    outcome->lines << QStringLiteral("%1 %2 %3 %4 μT")
                          .arg(tr("magneticField"), -18)
                          .arg(fixedText(f.x(), 3), fixedText(f.y(), 3), fixedText(f.z(), 3));
    sensorsObject.insert("magneticField", QJsonObject{{"value", numbers({f.x(), f.y(), f.z()})}});
    outcome->data.insert("sensors", sensorsObject);
    return true;
}

void SensorCommands::switchSensors(const Command &command)
{
    SensorsEmulationManager &sensors = m_session.connection().sensors();
    const bool enable = command.kind == Command::SensorEnable;
    for (const QString &name : SensorReadings::switchedTogether(command.name, enable)) {
        if (enable)
            sensors.enableSensor(name);
        else
            sensors.disableSensor(name);
        sensors.setSensorEnabled(name, enable);
    }
}

void SensorCommands::set(const SensorSetting &setting)
{
    SensorReadings::apply(m_session.connection().sensors(), setting.target, setting.values);
}

// The readings this command set last time, as the window restores them: the
// models take them without anything being sent.
void SensorCommands::restoreReadings()
{
    SensorsEmulationManager &s = m_session.connection().sensors();
    const SettingsManager &stored = m_session.storedValues();
    s.accelerometer()->setX(stored.readAccelerometerX());
    s.accelerometer()->setY(stored.readAccelerometerY());
    s.accelerometer()->setZ(stored.readAccelerometerZ());
    s.magnetometer()->setX(stored.readMagnetometerX());
    s.magnetometer()->setY(stored.readMagnetometerY());
    s.magnetometer()->setZ(stored.readMagnetometerZ());
    s.magnetometer()->setCalibrationLevel(stored.readMagnetometerCalibrationLevel());
    s.setMagneticFieldValues(
        stored.readMagneticFieldX(), stored.readMagneticFieldY(), stored.readMagneticFieldZ());
    s.gyroscope()->setX(stored.readGyroscopeX());
    s.gyroscope()->setY(stored.readGyroscopeY());
    s.gyroscope()->setZ(stored.readGyroscopeZ());
    s.als()->setLux(stored.readAlsLux());
    s.proximity()->setReflectance(stored.readProximityReflectance());
    s.tap()->setTapDirection(TapModel::TapDirection(stored.readTapDirection()));
}

} // namespace EmulationManagement::Internal
