#include "managerfixture.h"
#include "testtimeouts.h"

#include "transport/remotedbusinvokerservice.h"

#include <coreplugin/icore.h>
#include <utils/filepath.h>
#include <utils/qtcsettings.h>

#include <QSignalSpy>
#include <QTest>

using EmulationManagement::Internal::RemoteDBusInvokerService;

ManagerFixture::ManagerFixture()
    : m_server(std::make_unique<RecordingServer>())
    , m_invoker(std::make_unique<RemoteDBusInvokerService>())
{
    openSettings();
    m_listening = m_server->listen();
    QObject::connect(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected, [this] {
        m_connected = true;
    });
    QObject::connect(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected, [this] {
        m_connected = false;
    });
}

// The invoker goes first: managers bound to it may store readings when they go.
ManagerFixture::~ManagerFixture()
{
    m_invoker.reset();
    m_server.reset();
    m_core.reset();
    m_settings.reset();
}

bool ManagerFixture::isReady() const
{
    return m_dir.isValid() && m_listening;
}

bool ManagerFixture::connectInvoker()
{
    QSignalSpy connected(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    m_invoker->connectToEmulator();
    return connected.wait(eventTimeoutMs);
}

QStringList ManagerFixture::framesAfter(const std::function<void()> &step)
{
    QString marker;
    if (m_connected && !sendMarker(&marker))
        return {QStringLiteral("earlier frames never arrived")};
    const qsizetype start = m_server->frames.size();
    step();
    if (!sendMarker(&marker))
        return {QStringLiteral("the frame after the step never arrived")};
    const QStringList frames = m_server->frames.mid(start);
    return frames.mid(0, frames.indexOf(marker));
}

void ManagerFixture::restartSettings()
{
    m_core.reset();
    m_settings.reset();
    openSettings();
}

QStringList ManagerFixture::calls(const QString &service, const QStringList &methodsAndArguments)
{
    const QString path
        = QLatin1Char('/') + QString(service).replace(QLatin1Char('.'), QLatin1Char('/'));
    QStringList texts;
    for (const QString &call : methodsAndArguments)
        texts.append(QStringLiteral("system %1 %2 %1 %3").arg(service, path, call));
    return texts;
}

bool ManagerFixture::sendMarker(QString *text)
{
    const QString name = QStringLiteral("marker%1").arg(++m_markers);
    m_invoker->invokeMethod(name, {}, {}, {}, {}, {});
    *text = RemoteDBusInvokerService::callText(name, {}, {}, {}, {}, {});
    return QTest::qWaitFor([&] { return m_server->frames.contains(*text); });
}

void ManagerFixture::openSettings()
{
    m_settings = std::make_unique<Utils::QtcSettings>(
        m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
}
