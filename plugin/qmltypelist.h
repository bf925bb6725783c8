#pragma once

// The native QML types of the plug-in's module, in registration order: the
// one list from which both the run-time registration (qmlregistration.cpp)
// and the description for the QML tools (qmltypeinfo.h) are expanded. A user
// of the list passes three macros:
//   TYPE(Name, Class): QML creates Class as Name;
//   TYPE_AS(Name, Class, MetaClass): the same for a class without a
//     meta-object of its own, which QML sees as MetaClass;
//   ENUMS(Name, Class, Enum): QML cannot create Class but reads its
//     enumeration Enum as Name.Value, and invokables take it as "Name::Enum";
//   SINGLETON(Name, Class): one Class per engine, made with the engine as
//     its parent.
// clang-format off
#define EM_QML_TYPES(TYPE, TYPE_AS, ENUMS, SINGLETON) \
    TYPE(WarningDialog, EmulationManagement::Internal::WarningDialog) \
    TYPE(SettingsManager, EmulationManagement::Internal::SettingsManager) \
    TYPE(SensorsEmulationManager, EmulationManagement::Internal::SensorsEmulationManager) \
    TYPE_AS(TextFieldDoubleValidator, TextFieldDoubleValidator, QDoubleValidator) \
    ENUMS(AlsModel, EmulationManagement::Internal::AlsModel, LightLevel) \
    ENUMS(TapModel, EmulationManagement::Internal::TapModel, TapDirection) \
    TYPE(SmartphoneModelFiles, EmulationManagement::Internal::SmartphoneModelFiles) \
    TYPE(TrackModel, EmulationManagement::Internal::TrackModel) \
    TYPE(TrackPlayback, EmulationManagement::Internal::TrackPlayback) \
    SINGLETON(TrackParser, EmulationManagement::Internal::TrackParser) \
    SINGLETON(SensorReadings, EmulationManagement::Internal::SensorReadingTable)
// clang-format on

// Why QML may not create an ENUMS type.
#define EM_QML_UNCREATABLE_REASON(Name) "Could not create the " #Name " instance"
