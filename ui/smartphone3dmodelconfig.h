#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace EmulationManagement::Internal {

// Finds the mesh and texture files of the emulated phone's 3D model. One INI
// file per device model lies in "configs" beside the IDE executable; the files
// it names lie in "meshes" and "textures" there. The model named "default" is
// the fallback for devices without a configuration of their own.
class Smartphone3DModelConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString smartphone3DModelMeshUri READ smartphone3DModelMeshUri NOTIFY
                   smartphone3DModelMeshUriChanged)
    Q_PROPERTY(QString smartphone3DModelTextureUri READ smartphone3DModelTextureUri NOTIFY
                   smartphone3DModelTextureUriChanged)

public:
    explicit Smartphone3DModelConfig(QObject *parent = nullptr);

    QString smartphone3DModelMeshUri() const { return m_meshUri; }
    QString smartphone3DModelTextureUri() const { return m_textureUri; }

    Q_INVOKABLE bool smartphone3DModelConfigured() const;

    // Not a slot on purpose: QML has no business choosing the device model.
    void selectModelConfig(const QString &deviceModelName);

signals:
    void smartphone3DModelConfigChanged();
    void smartphone3DModelMeshUriChanged();
    void smartphone3DModelTextureUriChanged();

private:
    void loadModelConfigs();

    QVariantMap m_configs;
    QString m_meshUri;
    QString m_textureUri;
};

} // namespace EmulationManagement::Internal
