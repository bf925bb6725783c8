#include "camerastreams.h"

#include "camera/cameraemulationmanager.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>

namespace EmulationManagement::Internal {

namespace {

} // namespace

CameraStreams::CameraStreams()
    : m_manager(std::make_unique<CameraEmulationManager>())
{
    m_manager->populateCameras();
    QObject::connect(m_manager.get(),
                     &CameraEmulationManager::streamFailed,
                     [this](const QString &message) { m_failure = message; });
}

CameraStreams::~CameraStreams() = default;

QStringList CameraStreams::describe(QJsonObject *json)
{
    QStringList lines;
    for (const QString &name : m_manager->cameras()) {
        m_manager->setCameraName(name);
        lines << name;
        QJsonArray resolutions;
        for (const QVariant &entry : m_manager->resolutions()) {
            const QVariantMap resolution = entry.toMap();
            const QString size = resolution.value("string").toString();
            const QStringList rates = resolution.value("framerates").toStringList();
            lines << QStringLiteral("    %1  %2").arg(size, rates.join(' '));
            resolutions.append(QJsonObject{{"resolution", size},
                                           {"framerates", QJsonArray::fromStringList(rates)}});
        }
        json->insert(name, resolutions);
    }
    if (lines.isEmpty())
        lines << tr("no cameras found");
    return lines;
}

bool CameraStreams::startFile(const QString &path, QString *error)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        *error = tr("cannot read %1").arg(path);
        return false;
    }
    m_failure.clear();
    bool playable = false;
    QString codec;
    const auto connection = QObject::connect(m_manager.get(),
                                             &CameraEmulationManager::videoFileCodecChecked,
                                             [&](bool success, const QString &name) {
                                                 playable = success;
                                                 codec = name;
                                             });
    m_manager->startVideoStream(file.absoluteFilePath());
    QObject::disconnect(connection);
    if (!playable) {
        *error = codec.isEmpty() ? tr("%1 is not a VP8 or VP9 video").arg(path)
                                 : tr("%1 is not a VP8 or VP9 video (%2)").arg(path, codec);
        return false;
    }
    m_file = true;
    return true;
}

bool CameraStreams::startCamera(const QString &name,
                                const QString &resolution,
                                const QString &framerate,
                                QString *error)
{
    if (!select(name, resolution, framerate, error))
        return false;
    m_failure.clear();
    m_manager->setCameraStreamSettings();
    m_manager->startCameraStream();
    m_file = false;
    return true;
}

bool CameraStreams::select(const QString &name,
                           const QString &resolution,
                           const QString &framerate,
                           QString *error)
{
    if (!m_manager->cameras().contains(name)) {
        *error
            = tr("unknown camera \"%1\"; cameras: %2").arg(name, m_manager->cameras().join(", "));
        return false;
    }
    m_manager->setCameraName(name);
    if (!resolution.isEmpty()) {
        const QVariantList resolutions = m_manager->resolutions();
        const auto found
            = std::find_if(resolutions.cbegin(), resolutions.cend(), [&](const QVariant &entry) {
                  return entry.toMap().value("string").toString() == resolution;
              });
        if (found == resolutions.cend()) {
            *error = tr("%1 does not offer %2").arg(name, resolution);
            return false;
        }
        m_manager->setResolutionIndex(int(found - resolutions.cbegin()));
    }
    if (!framerate.isEmpty()) {
        if (!m_manager->framerates().contains(framerate)) {
            *error = tr("%1 does not offer %2 at %3x%4; it offers %5")
                         .arg(name, framerate)
                         .arg(m_manager->width())
                         .arg(m_manager->height())
                         .arg(m_manager->framerates().join(", "));
            return false;
        }
        m_manager->setFramerate(framerate);
    }
    return true;
}

void CameraStreams::stop()
{
    // As the camera page: the stop that matches the source streaming.
    if (m_file)
        m_manager->stopVideoStream();
    else
        m_manager->stopCameraStream();
}

bool CameraStreams::isRunning() const
{
    return m_manager->streamRunning();
}

void CameraStreams::quitOnFailure(QEventLoop *loop)
{
    QObject::connect(m_manager.get(),
                     &CameraEmulationManager::streamFailed,
                     loop,
                     &QEventLoop::quit);
}

} // namespace EmulationManagement::Internal
