#include "cameraselection.h"

namespace EmulationManagement::Internal::CameraSelection {

QString validFramerate(const QString &framerate)
{
    return framerate.contains(QLatin1Char('/')) ? framerate : QString();
}

QString pickFramerate(const QStringList &offered, const QString &current)
{
    if (offered.isEmpty() || offered.contains(current))
        return validFramerate(current);
    return validFramerate(offered.first());
}

QString capsText(int width, int height, const QString &framerate)
{
    QString text = QStringLiteral("video/x-raw");
    if (width >= 0 && height >= 0)
        text += QStringLiteral(",width=%1,height=%2").arg(width).arg(height);
    if (!framerate.isEmpty())
        text += QStringLiteral(",framerate=%1").arg(framerate);
    return text;
}

DeviceProperty chooseDeviceProperty(const QStringList &propertyNames,
                                    const std::function<QString(const QString &)> &valueOf)
{
    QString path;
    for (const QString &name : propertyNames) {
        if (name == QLatin1String("device-path"))
            path = valueOf(name);
        else if (name == QLatin1String("device") || name == QLatin1String("device-index"))
            return {name, valueOf(name)};
    }
    if (!path.isEmpty())
        return {QStringLiteral("device-path"), path};
    return {};
}

QVariantMap sourceMap(const DeviceProperty &property)
{
    return {{QStringLiteral("name"), property.name}, {QStringLiteral("value"), property.value}};
}

DeviceProperty deviceProperty(const QVariantMap &source)
{
    return {source.value(QStringLiteral("name")).toString(),
            source.value(QStringLiteral("value")).toString()};
}

} // namespace EmulationManagement::Internal::CameraSelection
