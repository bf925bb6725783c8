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
    , m_storedValues(std::make_unique<SettingsManager>())
    , m_connection(std::make_unique<EmulatorConnection>(options.host, options.port))
{}

CtlSession::~CtlSession()
{
    // The sensors manager stores its readings as it goes, for the next run.
    m_connection.reset();
    m_state.save(m_settings);
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

void CtlSession::sleep(double milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(milliseconds), &loop, &QEventLoop::quit);
    runUntilStopped(loop);
}

void CtlSession::runUntilStopped(QEventLoop &loop)
{
    connect(&m_stopSignals, &StopSignals::stopRequested, &loop, &QEventLoop::quit);
    if (!m_stopSignals.received())
        loop.exec();
}

QString fixedText(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace EmulationManagement::Internal
