#include "qmlregistration.h"

#include "gps/trackmodel.h"
#include "gps/trackparser.h"
#include "sensors/alsmodel.h"
#include "sensors/sensorsemulationmanager.h"
#include "sensors/settingsmanager.h"
#include "sensors/tapmodel.h"
#include "ui/smartphonemodelfiles.h"
#include "ui/textfielddoublevalidator.h"
#include "ui/warningdialog.h"

#include <utils/theme/theme.h>

#include <QQmlContext>
#include <QQmlEngine>

namespace EmulationManagement::Internal {

const char qmlModule[] = "org.mirel";

void registerQmlTypes()
{
    qmlRegisterType<WarningDialog>(qmlModule, 1, 0, "WarningDialog");
    qmlRegisterType<SettingsManager>(qmlModule, 1, 0, "SettingsManager");
    qmlRegisterType<SensorsEmulationManager>(qmlModule, 1, 0, "SensorsEmulationManager");
    qmlRegisterType<TextFieldDoubleValidator>(qmlModule, 1, 0, "TextFieldDoubleValidator");
    // Under the names the invokables are declared with, so QML can call them.
    qRegisterMetaType<AlsModel::LightLevel>("AlsModel::LightLevel");
    qRegisterMetaType<TapModel::TapDirection>("TapModel::TapDirection");
    qmlRegisterUncreatableType<AlsModel>(
        qmlModule, 1, 0, "AlsModel", QStringLiteral("Could not create the AlsModel instance"));
    qmlRegisterUncreatableType<TapModel>(
        qmlModule, 1, 0, "TapModel", QStringLiteral("Could not create the TapModel instance"));
    qmlRegisterType<SmartphoneModelFiles>(qmlModule, 1, 0, "SmartphoneModelFiles");
    qmlRegisterType<TrackModel>(qmlModule, 1, 0, "TrackModel");
    qmlRegisterSingletonType<TrackParser>(
        qmlModule, 1, 0, "TrackParser", [](QQmlEngine *engine, QJSEngine *) {
            return new TrackParser(engine);
        });
}

void setThemeContextProperties(QQmlContext *context)
{
    const Utils::Theme *theme = Utils::creatorTheme();
    context->setContextProperty(QStringLiteral("themeBackgroundColorNormal"),
                                theme->color(Utils::Theme::BackgroundColorNormal));
    context->setContextProperty(QStringLiteral("themeHighlightColor"),
                                theme->color(Utils::Theme::HighlightColor));
    context->setContextProperty(QStringLiteral("themeSeparatorColor"),
                                theme->color(Utils::Theme::SeparatorColor));
    context->setContextProperty(QStringLiteral("darkUserInterface"),
                                theme->flag(Utils::Theme::DarkUserInterface));
}

} // namespace EmulationManagement::Internal
