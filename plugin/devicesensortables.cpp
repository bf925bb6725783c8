#include "devicesensortables.h"

#include "emulationmanagementconstants.h"

#include <QDir>
#include <QSettings>

namespace EmulationManagement::Internal {

static const char sensorsGroup[] = "sensors";

static QVariantMap readSensorTable(QSettings &ini,
                                   const QString &path,
                                   const QStringList &sensorNames)
{
    QVariantMap table;
    ini.beginGroup(QLatin1String(sensorsGroup));
    for (const QString &sensor : ini.childKeys()) {
        // Any other name would be switched in the emulator and then never
        // shown or updated by the pages.
        if (sensorNames.contains(sensor))
            table.insert(sensor, ini.value(sensor, true).toBool());
        else
            qWarning("Device sensor table %s: \"%s\" is not a switchable sensor, ignored",
                     qPrintable(path),
                     qPrintable(sensor));
    }
    ini.endGroup();
    return table;
}

QVariantMap readDeviceSensorTables(const QString &directory, const QStringList &sensorNames)
{
    QVariantMap tables;
    const QDir dir(directory);
    const QStringList files = dir.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Unsorted);
    for (const QString &file : files) {
        const QString path = QStringLiteral("%1/%2").arg(dir.path(), file);
        QSettings ini(path, QSettings::IniFormat);
        const QVariantMap table = readSensorTable(ini, path, sensorNames);
        tables.insert(ini.value(QLatin1String(Constants::deviceNameKey)).toString(), table);
    }
    return tables;
}

} // namespace EmulationManagement::Internal
