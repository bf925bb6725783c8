#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"

#include <QCoreApplication>

#include <functional>

namespace EmulationManagement::Internal {

// Runs the lines of a script file one after another, each as its own
// command; every line is checked before the first one runs.
class ScriptRunner
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::ScriptRunner)

public:
    using Execute = std::function<bool(const Command &command, QString *error)>;

    ScriptRunner(CtlSession &session, Execute execute);

    // False with "FILE:LINE: error" for the first line that is wrong or fails.
    bool run(const Command &script, QString *error);

    // False with the reason when a track to load is not the file its
    // fingerprint was taken of.
    static bool checkTrackFile(const Command &command, QString *error);

private:
    // Reads the lines and checks each; with execute, runs each line too.
    bool forEachLine(const QString &path, const Execute &execute, QString *error);

    CtlSession &m_session;
    Execute m_execute;
    bool m_force = false;
    bool m_needsEmulator = false;
};

} // namespace EmulationManagement::Internal
