#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlsession.h"

#include <QCoreApplication>

#include <memory>

namespace EmulationManagement::Internal {

class CameraStreams;

// "camera list", "camera stream" and "camera stop": a stream started from
// the shell runs in its own process until "camera stop" from another run
// ends it.
class CameraCommands
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::CameraCommands)

public:
    explicit CameraCommands(CtlSession &session);
    ~CameraCommands();

    void list(CommandOutcome *outcome);
    bool stream(const Command &command, QString *error);
    bool stop(CommandOutcome *outcome, QString *error);

private:
    CameraStreams &camera();

    CtlSession &m_session;
    std::unique_ptr<CameraStreams> m_camera;
};

} // namespace EmulationManagement::Internal
