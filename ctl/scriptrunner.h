#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"

#include <functional>

namespace EmulationManagement::Internal {

// Runs the lines of a script file one after another, each as its own
// command; every line is checked before the first one runs.
class ScriptRunner
{
public:
    using Execute = std::function<bool(const Command &command, QString *error)>;

    ScriptRunner(CtlSession &session, Execute execute);

    // False with "FILE:LINE: error" for the first line that is wrong or fails.
    bool run(const Command &script, QString *error);

private:
    CtlSession &m_session;
    Execute m_execute;
};

} // namespace EmulationManagement::Internal
