#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace EmulationManagement::Emulator {

// The program's command line.
struct EmulatorOptions
{
    Q_DECLARE_TR_FUNCTIONS(EmulatorOptions)

public:
    quint16 webSocketPort = 5454;
    quint16 cameraPort = 34343;
    QString stateFile;
    QString logFile;
    QString frameFile;
    bool showCamera = false;
    QStringList switchedOffSensors;

    // Empty with the reason in error when the arguments (program name
    // first) are not valid; helpRequested is set for --help.
    static std::optional<EmulatorOptions> parse(const QStringList &arguments,
                                                QString *error,
                                                bool *helpRequested);
    static QString helpText();
};

} // namespace EmulationManagement::Emulator
