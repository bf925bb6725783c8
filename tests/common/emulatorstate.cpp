#include "emulatorstate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QJsonValue emulatorStateAt(const QString &stateFile, const QString &path)
{
    QFile file(stateFile);
    QJsonValue value = file.open(QIODevice::ReadOnly)
                           ? QJsonDocument::fromJson(file.readAll()).object()
                           : QJsonObject();
    // A number picks an element of an array ("gps/track/3/2").
    for (const QString &key : path.split('/'))
        value = value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
    return value;
}
