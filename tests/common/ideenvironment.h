#pragma once

#include "hostwindow.h"
#include "modalanswerer.h"

#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>
#include <vesk/sdk.h>

#include <QTemporaryDir>

namespace Vesk {
class Emulator;
}

// The IDE and the SDK around one plug-in instance: settings in a directory of
// their own, a theme, the action manager, a main window with the Tools menu,
// ICore, an SDK without emulators and an answerer for every modal message box
// (a box must never hang a test). One instance at a time; destroy the plug-in
// first.
class IdeEnvironment
{
public:
    // resourcePath: the IDE's resource directory ("translations" lies in it).
    explicit IdeEnvironment(const QString &resourcePath = {},
                            const QString &themeName = QStringLiteral("light"));
    ~IdeEnvironment();

    // Adds an emulator with a machine that is off to the SDK, its SSH
    // parameters on 127.0.0.1:2223 with a 30 s timeout (a busy machine may be slow to answer).
    Vesk::Emulator *addEmulator(const QString &name, const QString &deviceModel);

    // Chooses Tools > "Emulation Management…"; false when the entry is missing.
    static bool triggerMenuEntry();

    QTemporaryDir dir;
    Utils::QtcSettings settings;
    Utils::Theme theme;
    Core::ActionManager actionManager;
    Host::HostWindow window;
    Core::ICore core;
    Vesk::Sdk sdk;
    Host::ModalAnswerer answerer;
};
