#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"

namespace EmulationManagement::Internal {

// "pose X Y Z" and "pose preset N": the phone page's resting readings for a
// pose, computed by the page's own scripts.
class PoseCommand
{
public:
    explicit PoseCommand(CtlSession &session);

    bool run(const Command &command, QString *error);

private:
    CtlSession &m_session;
};

} // namespace EmulationManagement::Internal
