#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace EmulationManagement::Internal {

// SIGINT and SIGTERM as a Qt signal, so that Ctrl+C and "camera stop" end a
// stream or a playback through the event loop, with the calls that belong
// to the end still sent.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    StopSignals();
    ~StopSignals() override;

    bool received() const { return m_received; }

signals:
    void stopRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
    bool m_received = false;
};

} // namespace EmulationManagement::Internal
