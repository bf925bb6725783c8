#include "hostoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace Host {

HostOptions HostOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("Host", "Loads IDE plug-ins the way the IDE does."));
    parser.addHelpOption();
    const QCommandLineOption settingsPath(
        QStringLiteral("settingspath"),
        QCoreApplication::translate("Host", "Keep settings in <directory>."),
        QStringLiteral("directory"));
    const QCommandLineOption pluginPath(
        QStringLiteral("pluginpath"),
        QCoreApplication::translate("Host", "Also load plug-ins from <directory>."),
        QStringLiteral("directory"));
    const QCommandLineOption resourcePath(
        QStringLiteral("resourcepath"),
        QCoreApplication::translate("Host", "Read IDE data from <directory>."),
        QStringLiteral("directory"));
    const QCommandLineOption theme(
        QStringLiteral("theme"),
        QCoreApplication::translate("Host", "Use the \"light\" or \"dark\" theme."),
        QStringLiteral("name"),
        QStringLiteral("light"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("Host",
                                    "Run in the language <locale>, e.g. de or ru, as the IDE's "
                                    "language setting does."),
        QStringLiteral("locale"));
    const QCommandLineOption trigger(
        QStringLiteral("trigger"),
        QCoreApplication::translate("Host",
                                    "Trigger the command <id> after start, e.g. "
                                    "EmulationManagement.ShowEmulationManagementView.Action."),
        QStringLiteral("id"));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QCoreApplication::translate("Host", "Print how long each plug-in phase took."));
    const QCommandLineOption exitAfter(
        QStringLiteral("exit-after"),
        QCoreApplication::translate("Host", "Quit <ms> milliseconds after start."),
        QStringLiteral("ms"));
    const QCommandLineOption noEmulator(
        QStringLiteral("no-emulator"),
        QCoreApplication::translate("Host", "Start with no emulator in the SDK."));
    const QCommandLineOption answerDialogs(
        QStringLiteral("answer-dialogs"),
        QCoreApplication::translate("Host",
                                    "Print every message box and press its "
                                    "first button (unattended runs)."));
    parser.addOptions({settingsPath,
                       pluginPath,
                       resourcePath,
                       theme,
                       language,
                       trigger,
                       profile,
                       exitAfter,
                       noEmulator,
                       answerDialogs});

    HostOptions options;
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return options;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *error = parser.helpText();
        return options;
    }
    options.settingsPath = parser.value(settingsPath);
    options.pluginPaths = parser.values(pluginPath);
    options.resourcePath = parser.value(resourcePath);
    options.theme = parser.value(theme);
    options.language = parser.value(language);
    options.triggers = parser.values(trigger);
    options.profile = parser.isSet(profile);
    options.withEmulator = !parser.isSet(noEmulator);
    options.answerDialogs = parser.isSet(answerDialogs);
    if (parser.isSet(exitAfter)) {
        bool ok = false;
        options.exitAfterMs = parser.value(exitAfter).toInt(&ok);
        if (!ok || options.exitAfterMs < 0)
            *error = QCoreApplication::translate("Host",
                                                 "-exit-after takes a number of milliseconds.");
    }
    return options;
}

} // namespace Host
