#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QJsonObject>
#include <QString>

namespace EmulationManagement::Emulator {

// Where the program tells what happened: a readable log (stdout and,
// optionally, a file it appends to) and a JSON file with the whole current
// state, rewritten atomically on every change so that readers never see it
// half written.
class StateRecorder
{
    Q_DECLARE_TR_FUNCTIONS(StateRecorder)

public:
    StateRecorder(const QString &stateFile, const QString &logFile);

    bool open(QString *error);

    // One line, prefixed with the time of day.
    void log(const QString &text);
    bool writeState(const QJsonObject &state);

private:
    QString m_stateFile;
    QFile m_log;
    bool m_stateWriteFailed = false;
};

} // namespace EmulationManagement::Emulator
