#include "ctl/commandline.h"
#include "ctl/commandrunner.h"

#include "ui/translationcatalogue.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

using namespace EmulationManagement::Internal;

namespace {

int usageError(const GlobalOptions &options, const QString &error)
{
    printError(options, error);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("emulation-ctl"));
    // The window's catalogue, as the IDE installation beside it holds it, in
    // the language of the system.
    TranslationCatalogue::install(QLocale(),
                                  QCoreApplication::applicationDirPath()
                                      + "/../share/qtcreator/translations",
                                  &application);

    const ParsedArguments arguments = parseArguments(QCoreApplication::arguments().mid(1));
    if (!arguments.error.isEmpty())
        return usageError(arguments.options, arguments.error);
    if (arguments.options.help) {
        std::fputs(helpText(arguments.words).toUtf8().constData(), stdout);
        return 0;
    }
    QString error;
    const std::optional<Command> command = parseCommand(arguments.words, &error);
    if (!command)
        return usageError(arguments.options, error);

    // The readings and the track a run leaves for the next one live in a
    // settings file of the command's own, apart from the IDE's.
    Utils::QtcSettings settings(QSettings::IniFormat,
                                QSettings::UserScope,
                                QStringLiteral("QtProject"),
                                QStringLiteral("emulation-ctl"));
    Core::ICore core(nullptr, &settings, {});
    CommandRunner runner(arguments.options, settings);
    return runner.run(*command);
}
