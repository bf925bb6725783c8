#include "ctlsession.h"

#include "ctl/pagescripts.h"
#include "sensors/settingsmanager.h"

#include <utils/qtcsettings.h>

#include <QTimer>

namespace EmulationManagement::Internal {

CtlSession::CtlSession(const GlobalOptions &options, Utils::QtcSettings &settings)
    : m_options(options)
    , m_settings(settings)
    , m_state(CtlState::load(settings))
    , m_savedState(m_state)
    , m_storedValues(std::make_unique<SettingsManager>())
    , m_connection(std::make_unique<EmulatorConnection>(options.host, options.port))
{}

CtlSession::~CtlSession()
{
    // The sensors manager stores its readings as it goes, for the next run.
    m_connection.reset();
    saveState();
}

void CtlSession::saveState()
{
    m_state.saveChanges(m_settings, m_savedState);
    m_savedState = m_state;
    m_settings.sync();
}

PageScripts &CtlSession::scripts(QString *error)
{
    if (!m_scripts)
        m_scripts = std::make_unique<PageScripts>();
    if (!m_scripts->loadError().isEmpty())
        *error = tr("the page scripts did not load: %1").arg(m_scripts->loadError());
    return *m_scripts;
}

bool CtlSession::sleep(double milliseconds, QString *error)
{
    QEventLoop loop;
    QTimer::singleShot(int(milliseconds), &loop, &QEventLoop::quit);
    return runUntilStopped(loop, error);
}

bool CtlSession::runUntilStopped(QEventLoop &loop, QString *error)
{
    connect(&m_stopSignals, &StopSignals::stopRequested, &loop, &QEventLoop::quit);
    connect(m_connection.get(), &EmulatorConnection::lost, &loop, &QEventLoop::quit);
    m_connection->superviseReplies(true);
    if (!m_stopSignals.received() && m_connection->lostReason().isEmpty())
        loop.exec();
    m_connection->superviseReplies(false);
    *error = m_connection->lostReason();
    return error->isEmpty();
}

QString fixedText(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace EmulationManagement::Internal
