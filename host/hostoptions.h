#pragma once

#include <QString>
#include <QStringList>

namespace Host {

// The command line, in the IDE's own single-dash style.
struct HostOptions
{
    QString settingsPath; // directory that holds QtProject/QtCreator.ini
    QStringList pluginPaths;
    QString resourcePath; // the IDE's share/qtcreator
    QString theme = QStringLiteral("light");
    QString language;     // the IDE's language setting for this run; empty: as set
    QStringList triggers; // command ids to trigger once the plug-ins are up
    bool profile = false;
    bool withEmulator = true;
    bool answerDialogs = false;
    int exitAfterMs = -1;

    static HostOptions parse(const QStringList &arguments, QString *error);
};

} // namespace Host
