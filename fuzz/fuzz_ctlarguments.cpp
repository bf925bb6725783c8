#include "fuzzcheck.h"

#include "ctl/commandline.h"

#include <cmath>

using namespace EmulationManagement::Internal;

namespace {

// Command lines and scenario scripts are short; a script of 64 KB is long.
const size_t cap = 64 << 10;
const EmulationManagement::Fuzz::TimeBudget budget{50, 5000};

// A command is either refused with one line saying why (which may quote a
// word holding a line break), or read whole: finite numbers, durations and
// speeds that are not negative.
void checkCommand(const QStringList &words)
{
    QString error;
    const std::optional<Command> command = parseCommand(words, &error);
    if (!command) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(!error.contains(QLatin1Char('\n')) || words.join(QString()).contains(QLatin1Char('\n')));
        return;
    }
    for (const double number : command->numbers)
        FUZZ_CHECK(std::isfinite(number));
    FUZZ_CHECK(std::isfinite(command->seconds) && command->seconds >= 0);
    FUZZ_CHECK(command->speed >= 0);
    FUZZ_CHECK(!command->text.isEmpty());
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

// Each line as a script's reader takes it. A reworked reader of whole
// scripts is checked by calling it here instead.
void checkScript(QByteArrayView bytes)
{
    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QStringList words = scriptLineWords(line);
        for (const QString &word : words)
            FUZZ_CHECK(!word.isEmpty() && !word.contains(QLatin1Char('#')));
        if (!words.isEmpty())
            checkCommand(words);
    }
}

} // namespace

// The first byte picks an argument vector (arguments separated by NUL
// bytes) or a script.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EmulationManagement::Fuzz::Run run(data, size, cap, budget);
    if (size == 0 || run.skipped())
        return -1;
    if (data[0] % 2 == 0)
        checkArguments(run.bytes().sliced(1));
    else
        checkScript(run.bytes().sliced(1));
    return 0;
}
