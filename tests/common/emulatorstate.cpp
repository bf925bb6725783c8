#include "emulatorstate.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

QJsonValue emulatorStateAt(const QString &stateFile, const QString &path)
{
    QFile file(stateFile);
    QJsonValue value = file.open(QIODevice::ReadOnly)
                           ? QJsonDocument::fromJson(file.readAll()).object()
                           : QJsonObject();
    for (const QString &key : path.split('/'))
        value = value.toObject().value(key);
    return value;
}
