#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace EmulationManagement::Emulator {

// Turns SIGTERM and SIGINT into a Qt signal delivered by the event loop, so
// that the program can end through its normal clean-up. One instance at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool isValid() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace EmulationManagement::Emulator
