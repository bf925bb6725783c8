#include "smartphonemodelfiles.h"

#include "meshfilelayout.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPromise>
#include <QThreadPool>
#include <QUrl>

namespace EmulationManagement::Internal {

namespace {

QString localPath(const QString &uri)
{
    const QUrl url(uri);
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Larger than any phone's model; Qt Quick 3D would read it all into memory.
const qint64 maxMeshFileSize = qint64(256) << 20;

} // namespace

SmartphoneModelFiles::SmartphoneModelFiles(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        emit checkingChanged();
        emit checked(m_meshUri, m_textureUri, m_watcher.future().result());
    });
}

void SmartphoneModelFiles::checkLater(const QString &meshUri, const QString &textureUri)
{
    // The watcher lets go of a replaced check's future, so only the newest
    // result arrives; a replaced check still runs to its end on its thread.
    auto promise = std::make_shared<QPromise<bool>>();
    m_meshUri = meshUri;
    m_textureUri = textureUri;
    m_watcher.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, meshUri, textureUri] {
        promise->addResult(check(meshUri, textureUri));
        promise->finish();
    });
    emit checkingChanged();
}

bool SmartphoneModelFiles::checking() const
{
    return m_watcher.isRunning();
}

bool SmartphoneModelFiles::check(const QString &meshUri, const QString &textureUri)
{
    if (!isMeshFile(localPath(meshUri))) {
        qWarning("Phone model not shown: \"%s\" is not a readable mesh file", qPrintable(meshUri));
        return false;
    }
    if (!isImageFile(localPath(textureUri))) {
        qWarning("Phone model not shown: \"%s\" is not a readable image", qPrintable(textureUri));
        return false;
    }
    return true;
}

bool SmartphoneModelFiles::isMeshFile(const QString &path)
{
    // Not a pipe or a device, which opening could block on.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0
        || file.size() > maxMeshFileSize)
        return false;
    // Mapped, not read: the check walks the file once and keeps nothing.
    const uchar *data = file.map(0, file.size());
    return data
           && isWholeMeshFile(QByteArrayView(reinterpret_cast<const char *>(data), file.size()));
}

bool SmartphoneModelFiles::isImageFile(const QString &path)
{
    return !path.isEmpty() && !QImageReader(path).read().isNull();
}

} // namespace EmulationManagement::Internal
