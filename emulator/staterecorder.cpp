#include "staterecorder.h"

#include <QJsonDocument>
#include <QSaveFile>
#include <QTime>

#include <cstdio>

namespace EmulationManagement::Emulator {

StateRecorder::StateRecorder(const QString &stateFile, const QString &logFile)
    : m_stateFile(stateFile)
    , m_log(logFile)
{}

bool StateRecorder::open(QString *error)
{
    if (m_log.fileName().isEmpty())
        return true;
    if (m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return true;
    *error = tr("Cannot open the log file %1: %2").arg(m_log.fileName(), m_log.errorString());
    return false;
}

void StateRecorder::log(const QString &text)
{
    const QByteArray line = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")).toUtf8()
                            + ' ' + text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    if (m_log.isOpen()) {
        m_log.write(line);
        m_log.flush();
    }
}

bool StateRecorder::writeState(const QJsonObject &state)
{
    if (m_stateFile.isEmpty())
        return true;
    QSaveFile file(m_stateFile);
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(QJsonDocument(state).toJson(QJsonDocument::Indented)) >= 0
                         && file.commit();
    // Reported once, not on every call that follows.
    if (!written && !m_stateWriteFailed)
        log(tr("cannot write the state file %1: %2").arg(m_stateFile, file.errorString()));
    m_stateWriteFailed = !written;
    return written;
}

} // namespace EmulationManagement::Emulator
