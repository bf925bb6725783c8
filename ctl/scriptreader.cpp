#include "scriptreader.h"

#include <QIODevice>

namespace EmulationManagement::Internal {

ScriptReader::ScriptReader(QIODevice &device)
    : m_device(device)
{}

bool ScriptReader::forEachCommand(const Visit &visit, QString *error)
{
    QByteArray line;
    bool tooLong = false;
    while (nextLine(&line, &tooLong)) {
        if (tooLong) {
            *error = tr("the line is longer than %1 bytes").arg(maxLineBytes);
            return false;
        }
        const std::optional<QStringList> words = scriptLineWords(QString::fromUtf8(line), error);
        if (!words)
            return false;
        if (words->isEmpty())
            continue;
        const std::optional<Command> command = parseCommand(*words, error);
        if (!command)
            return false;
        if (command->kind == Command::Script) {
            *error = tr("a script cannot run another script");
            return false;
        }
        if (!visit(*command, error))
            return false;
    }
    return true;
}

bool ScriptReader::nextLine(QByteArray *line, bool *tooLong)
{
    line->clear();
    *tooLong = false;
    ++m_lineNumber;
    char c = 0;
    bool any = false;
    while (m_device.getChar(&c)) {
        any = true;
        if (c == '\n')
            return true;
        if (c == '\r') {
            char following = 0;
            if (m_device.peek(&following, 1) == 1 && following == '\n')
                m_device.getChar(&following);
            return true;
        }
        if (line->size() < maxLineBytes)
            line->append(c);
        else
            *tooLong = true;
    }
    return any;
}

} // namespace EmulationManagement::Internal
