#include "scriptrunner.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

namespace EmulationManagement::Internal {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("EmulationManagement::Internal::ScriptRunner", text);
}

} // namespace

ScriptRunner::ScriptRunner(CtlSession &session, Execute execute)
    : m_session(session)
    , m_execute(std::move(execute))
{}

bool ScriptRunner::run(const Command &script, QString *error)
{
    QFile file(script.name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = tr("cannot read %1: %2").arg(script.name, file.errorString());
        return false;
    }
    // Every line is checked before the first one runs.
    QList<std::pair<int, Command>> commands;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QStringList words = scriptLineWords(lines.at(number - 1));
        if (words.isEmpty())
            continue;
        QString lineError;
        const std::optional<Command> command = parseCommand(words, &lineError);
        if (command && command->kind == Command::Script)
            lineError = tr("a script cannot run another script");
        if (!command || !lineError.isEmpty()) {
            *error = QStringLiteral("%1:%2: %3").arg(script.name).arg(number).arg(lineError);
            return false;
        }
        commands.append({number, *command});
    }
    m_session.setInScript(true);
    for (const auto &[number, command] : std::as_const(commands)) {
        if (m_session.stopSignals().received()) {
            *error = tr("%1:%2: interrupted").arg(script.name).arg(number);
            return false;
        }
        if (!m_execute(command, error)) {
            *error = QStringLiteral("%1:%2: %3").arg(script.name).arg(number).arg(*error);
            return false;
        }
    }
    return true;
}

} // namespace EmulationManagement::Internal
