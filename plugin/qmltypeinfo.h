#pragma once

#include "gps/trackmodel.h"
#include "gps/trackparser.h"
#include "gps/trackplayback.h"
#include "plugin/qmltypelist.h"
#include "sensors/alsmodel.h"
#include "sensors/sensorreadings.h"
#include "sensors/sensorsemulationmanager.h"
#include "sensors/settingsmanager.h"
#include "sensors/tapmodel.h"
#include "ui/smartphonemodelfiles.h"
#include "ui/warningdialog.h"

#include <QDoubleValidator>
#include <QtQml/qqml.h>

// Describes the types of "org.mirel" to the QML tools (qmllint, qmlcachegen).
// The plug-in registers them itself when it initializes; nothing links the
// registration that these declarations would generate.
#define EM_DESCRIBE_TYPE(Name, Class) EM_DESCRIBE_TYPE_AS(Name, Class, Class)
#define EM_DESCRIBE_TYPE_AS(Name, Class, MetaClass) \
    struct Name##Info \
    { \
        Q_GADGET \
        QML_FOREIGN(MetaClass) \
        QML_NAMED_ELEMENT(Name) \
    };
#define EM_DESCRIBE_ENUMS(Name, Class, Enum) \
    struct Name##Info \
    { \
        Q_GADGET \
        QML_FOREIGN(Class) \
        QML_NAMED_ELEMENT(Name) \
        QML_UNCREATABLE(EM_QML_UNCREATABLE_REASON(Name)) \
    };
#define EM_DESCRIBE_SINGLETON(Name, Class) \
    struct Name##Info \
    { \
        Q_GADGET \
        QML_FOREIGN(Class) \
        QML_NAMED_ELEMENT(Name) \
        QML_SINGLETON \
    };

namespace EmulationManagement::Internal::QmlTypeInfo {

EM_QML_TYPES(EM_DESCRIBE_TYPE, EM_DESCRIBE_TYPE_AS, EM_DESCRIBE_ENUMS, EM_DESCRIBE_SINGLETON)

} // namespace EmulationManagement::Internal::QmlTypeInfo
