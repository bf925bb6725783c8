#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"

#include <QCoreApplication>

namespace EmulationManagement::Internal {

// "sensor list", "sensor enable|disable" and "sensor set" with the window's
// sensors manager, which starts from the readings the last run stored.
class SensorCommands
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::SensorCommands)

public:
    explicit SensorCommands(CtlSession &session);

    bool list(CommandOutcome *outcome, QString *error);
    void switchSensors(const Command &command);
    void set(const SensorSetting &setting);

private:
    void restoreReadings();

    CtlSession &m_session;
};

} // namespace EmulationManagement::Internal
