#pragma once

#include "gps/trackmodel.h"
#include "gps/trackparser.h"
#include "sensors/alsmodel.h"
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
namespace EmulationManagement::Internal::QmlTypeInfo {

struct WarningDialogInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::WarningDialog)
    QML_NAMED_ELEMENT(WarningDialog)
};

struct SettingsManagerInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::SettingsManager)
    QML_NAMED_ELEMENT(SettingsManager)
};

struct SensorsEmulationManagerInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::SensorsEmulationManager)
    QML_NAMED_ELEMENT(SensorsEmulationManager)
};

struct TextFieldDoubleValidatorInfo
{
    Q_GADGET
    QML_FOREIGN(QDoubleValidator)
    QML_NAMED_ELEMENT(TextFieldDoubleValidator)
};

struct AlsModelInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::AlsModel)
    QML_NAMED_ELEMENT(AlsModel)
    QML_UNCREATABLE("Could not create the AlsModel instance")
};

struct TapModelInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::TapModel)
    QML_NAMED_ELEMENT(TapModel)
    QML_UNCREATABLE("Could not create the TapModel instance")
};

struct SmartphoneModelFilesInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::SmartphoneModelFiles)
    QML_NAMED_ELEMENT(SmartphoneModelFiles)
};

struct TrackModelInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::TrackModel)
    QML_NAMED_ELEMENT(TrackModel)
};

struct TrackParserInfo
{
    Q_GADGET
    QML_FOREIGN(EmulationManagement::Internal::TrackParser)
    QML_NAMED_ELEMENT(TrackParser)
    QML_SINGLETON
};

} // namespace EmulationManagement::Internal::QmlTypeInfo
