#include "fuzzcheck.h"

#include "ctl/commandline.h"
#include "ctl/scriptreader.h"

#include <QBuffer>

#include <cmath>

using namespace EmulationManagement::Internal;

namespace {

// Command lines and scenario scripts are short; a script of 64 KB is long.
const size_t cap = 64 << 10;
const EmulationManagement::Fuzz::TimeBudget budget{50, 5000};

// A command read whole: finite numbers, durations and speeds that are not
// negative.
void checkWhole(const Command &command)
{
    for (const double number : command.numbers)
        FUZZ_CHECK(std::isfinite(number));
    FUZZ_CHECK(std::isfinite(command.seconds) && command.seconds >= 0);
    FUZZ_CHECK(command.speed >= 0);
    FUZZ_CHECK(!command.text.isEmpty());
}

// A command is either refused with one line saying why (which may quote a
// word holding a line break), or read whole.
void checkCommand(const QStringList &words)
{
    QString error;
    const std::optional<Command> command = parseCommand(words, &error);
    if (!command) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(!error.contains(QLatin1Char('\n')) || words.join(QString()).contains(QLatin1Char('\n')));
        return;
    }
    checkWhole(*command);
    FUZZ_CHECK(!helpText(words).isEmpty());
}

void checkArguments(QByteArrayView bytes)
{
    QStringList arguments;
    for (const QByteArray &argument : bytes.toByteArray().split('\0'))
        arguments << QString::fromLocal8Bit(argument);
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.error.isEmpty())
        return;
    FUZZ_CHECK(parsed.options.port >= 1);
    FUZZ_CHECK(!parsed.words.isEmpty() || parsed.options.help);
    if (!parsed.words.isEmpty())
        checkCommand(parsed.words);
}

// A script as the command line reads it: every command it hands on is
// whole, and a refused script names a line that exists with a one-line
// reason.
void checkScript(QByteArrayView bytes)
{
    QBuffer buffer;
    buffer.setData(bytes.toByteArray());
    buffer.open(QIODevice::ReadOnly);
    ScriptReader reader(buffer);
    QString error;
    const bool read = reader.forEachCommand(
        [](const Command &command, QString *) {
            checkWhole(command);
            return true;
        },
        &error);
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    FUZZ_CHECK(reader.lineNumber() >= 1 && reader.lineNumber() <= lineEnds + 2);
    FUZZ_CHECK(read == error.isEmpty());
    FUZZ_CHECK(!error.contains(QLatin1Char('\n')) && !error.contains(QLatin1Char('\r')));
}

} // namespace

// The first byte picks an argument vector (arguments separated by NUL
// bytes) or a script.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return EmulationManagement::Fuzz::checkInput(data, size, cap, budget, [](QByteArrayView bytes) {
        if (bytes.isEmpty())
            return -1;
        if (bytes.front() % 2 == 0)
            checkArguments(bytes.sliced(1));
        else
            checkScript(bytes.sliced(1));
        return 0;
    });
}
