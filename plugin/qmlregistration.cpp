#include "qmlregistration.h"

#include "gps/trackmodel.h"
#include "gps/trackparser.h"
#include "gps/trackplayback.h"
#include "plugin/emulationmanagementconstants.h"
#include "plugin/qmltypelist.h"
#include "sensors/alsmodel.h"
#include "sensors/sensorreadings.h"
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

// Inside registerQmlTypes(), one registration per entry of the list.
#define EM_REGISTER_TYPE(Name, Class) \
    qmlRegisterType<Class>(qmlModule, qmlModuleMajorVersion, qmlModuleMinorVersion, #Name);
#define EM_REGISTER_TYPE_AS(Name, Class, MetaClass) EM_REGISTER_TYPE(Name, Class)
#define EM_REGISTER_ENUMS(Name, Class, Enum) \
    qRegisterMetaType<Class::Enum>(#Name "::" #Enum); \
    qmlRegisterUncreatableType<Class>(qmlModule, \
                                      qmlModuleMajorVersion, \
                                      qmlModuleMinorVersion, \
                                      #Name, \
                                      QStringLiteral(EM_QML_UNCREATABLE_REASON(Name)));
#define EM_REGISTER_SINGLETON(Name, Class) \
    qmlRegisterSingletonType<Class>(qmlModule, \
                                    qmlModuleMajorVersion, \
                                    qmlModuleMinorVersion, \
                                    #Name, \
                                    [](QQmlEngine *engine, QJSEngine *) { return new Class(engine); });

void registerQmlTypes()
{
    using namespace Constants;
    EM_QML_TYPES(EM_REGISTER_TYPE, EM_REGISTER_TYPE_AS, EM_REGISTER_ENUMS, EM_REGISTER_SINGLETON)
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
