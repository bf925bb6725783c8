#pragma once

#include "ctl/commandline.h"
#include "ctl/ctlstate.h"
#include "ctl/emulatorconnection.h"
#include "ctl/stopsignals.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QObject>

#include <memory>

namespace Utils {
class QtcSettings;
}

namespace EmulationManagement::Internal {

class PageScripts;
class SettingsManager;

// What one command prints besides its calls: lines of text, or the members
// of its JSON object.
struct CommandOutcome
{
    QJsonObject data;
    QStringList lines;
};

// What the commands of one run share: the options, the connection with the
// window's managers, the stored readings and state, and the waits that end
// on SIGINT or SIGTERM.
class CtlSession : public QObject
{
    Q_OBJECT

public:
    CtlSession(const GlobalOptions &options, Utils::QtcSettings &settings);
    ~CtlSession() override;

    const GlobalOptions &options() const { return m_options; }
    Utils::QtcSettings &settings() { return m_settings; }
    CtlState &state() { return m_state; }
    EmulatorConnection &connection() { return *m_connection; }
    const SettingsManager &storedValues() const { return *m_storedValues; }
    StopSignals &stopSignals() { return m_stopSignals; }
    // The page scripts, loaded on first use; error set when they did not load.
    PageScripts &scripts(QString *error);

    // Whether the commands run as lines of a script.
    bool inScript() const { return m_inScript; }
    void setInScript(bool inScript) { m_inScript = inScript; }

    // Runs the event loop for the time, or until stopped.
    void sleep(double milliseconds);
    // Runs the loop until it quits or SIGINT or SIGTERM comes.
    void runUntilStopped(QEventLoop &loop);

private:
    GlobalOptions m_options;
    Utils::QtcSettings &m_settings;
    CtlState m_state;
    StopSignals m_stopSignals;
    std::unique_ptr<SettingsManager> m_storedValues;
    std::unique_ptr<EmulatorConnection> m_connection;
    std::unique_ptr<PageScripts> m_scripts;
    bool m_inScript = false;
};

// A number as the command prints it, with fixed decimals.
QString fixedText(double value, int decimals);

} // namespace EmulationManagement::Internal
