#include "posecommand.h"

#include "ctl/pagescripts.h"

namespace EmulationManagement::Internal {

PoseCommand::PoseCommand(CtlSession &session)
    : m_session(session)
{}

bool PoseCommand::run(const Command &command, QString *error)
{
    PageScripts &pageScripts = m_session.scripts(error);
    if (!error->isEmpty())
        return false;
    const auto angles = command.kind == Command::PosePreset
                            ? pageScripts.presetPose(int(command.numbers.at(0)))
                            : std::array<double, 3>{command.numbers.at(0),
                                                    command.numbers.at(1),
                                                    command.numbers.at(2)};
    SensorsEmulationManager &s = m_session.connection().sensors();
    const MagneticFieldModel &field = *s.magneticField();
    const PageScripts::Readings readings = pageScripts.restingReadings(
        angles[0], angles[1], angles[2], {field.x(), field.y(), field.z()});
    const auto &a = readings.accelerometer;
    s.setAccelerometerValues(a[0], a[1], a[2]);
    const auto &m = readings.magnetometer;
    s.setMagnetometerValues(m[0], m[1], m[2]);
    return true;
}

} // namespace EmulationManagement::Internal
