#pragma once

#include "ctl/commandline.h"

#include <QCoreApplication>

#include <functional>

class QIODevice;

namespace EmulationManagement::Internal {

// Reads a script as bytes, a line at a time (CR, LF and CRLF each end a
// line), so that a long script is never held whole, and reads each line as
// one command.
class ScriptReader
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::ScriptReader)

public:
    using Visit = std::function<bool(const Command &command, QString *error)>;

    // Longer lines are refused rather than held in memory.
    static constexpr qsizetype maxLineBytes = 64 * 1024;

    explicit ScriptReader(QIODevice &device);

    // Hands each command to visit in order (blank and comment lines have
    // none). False with the reason for the first line that is wrong or that
    // visit refuses; lineNumber() is then that line's.
    bool forEachCommand(const Visit &visit, QString *error);

    int lineNumber() const { return m_lineNumber; }

private:
    // The next line without its end; false at the end of the input.
    bool nextLine(QByteArray *line, bool *tooLong);

    QIODevice &m_device;
    int m_lineNumber = 0;
};

} // namespace EmulationManagement::Internal
