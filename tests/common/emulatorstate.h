#pragma once

#include <QJsonValue>
#include <QString>

// The value at a "/"-separated path of object keys and array indices in the
// state file of the simulated emulator; undefined when the file or a key is
// missing.
QJsonValue emulatorStateAt(const QString &stateFile, const QString &path);
