#include "smartphone3dmodelconfig.h"

#include "ui/deviceconfigurationkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace EmulationManagement::Internal {

namespace {

const char defaultModelName[] = "default";
const char meshKey[] = "mesh";
const char textureKey[] = "texture";

// The device configuration lies beside the executable of the IDE hosting us.
QString applicationDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString configDirectoryPath()
{
    return QDir::fromNativeSeparators(
        QStringLiteral("%1/%2/configs").arg(applicationDirectory(), QString()));
}

QString meshFilePath(const QString &mesh)
{
    return QStringLiteral("%1/%2/meshes/%3").arg(applicationDirectory(), QString(), mesh);
}

QString textureFilePath(const QString &texture)
{
    return QStringLiteral("%1/%2/textures/%3").arg(applicationDirectory(), QString(), texture);
}

QString fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString();
}

} // namespace

Smartphone3DModelConfig::Smartphone3DModelConfig(QObject *parent)
    : QObject(parent)
{
    loadModelConfigs();
    selectModelConfig(QLatin1String(defaultModelName));
}

bool Smartphone3DModelConfig::smartphone3DModelConfigured() const
{
    return !m_meshUri.isEmpty() && !m_textureUri.isEmpty();
}

void Smartphone3DModelConfig::selectModelConfig(const QString &deviceModelName)
{
    const QString name
        = m_configs.contains(deviceModelName) ? deviceModelName : QLatin1String(defaultModelName);
    const QVariantMap config = m_configs.value(name).toMap();
    const QString meshUri = fileUrl(meshFilePath(config.value(QLatin1String(meshKey)).toString()));
    const QString textureUri
        = fileUrl(textureFilePath(config.value(QLatin1String(textureKey)).toString()));

    const bool meshChanged = meshUri != m_meshUri;
    const bool textureChanged = textureUri != m_textureUri;
    m_meshUri = meshUri;
    m_textureUri = textureUri;
    // The per-URI signals keep QML bindings on the properties current; readers
    // that re-read both on the configuration signal get the same values.
    if (meshChanged)
        emit smartphone3DModelMeshUriChanged();
    if (textureChanged)
        emit smartphone3DModelTextureUriChanged();
    emit smartphone3DModelConfigChanged();
}

void Smartphone3DModelConfig::loadModelConfigs()
{
    m_configs.clear();
    const QDir directory(configDirectoryPath());
    const QStringList fileNames
        = directory.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Unsorted);
    for (const QString &fileName : fileNames) {
        const QSettings file(QStringLiteral("%1/%2").arg(directory.path(), fileName),
                             QSettings::IniFormat);
        const QVariantMap config{
            {QLatin1String(meshKey), file.value(QLatin1String(meshKey)).toString()},
            {QLatin1String(textureKey), file.value(QLatin1String(textureKey)).toString()},
        };
        m_configs.insert(file.value(QLatin1String(Constants::deviceNameKey)).toString(), config);
    }
}

} // namespace EmulationManagement::Internal
