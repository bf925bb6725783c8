#include "smartphonemodelfiles.h"

#include "meshfilelayout.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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
    m_pool.setMaxThreadCount(1);
}

SmartphoneModelFiles::~SmartphoneModelFiles()
{
    // A waiting check is dropped; the pool's destructor waits for a running
    // one, whose answer then dies with this object.
    m_pool.clear();
}

void SmartphoneModelFiles::checkLater(const QString &meshUri, const QString &textureUri)
{
    const quint64 request = ++m_newestRequest;
    m_pool.clear();
    m_pool.start([this, request, meshUri, textureUri] {
        const Verdict result = verdict(meshUri, textureUri);
        QMetaObject::invokeMethod(
            this,
            [this, request, meshUri, textureUri, result] {
                answer(request, meshUri, textureUri, result);
            },
            Qt::QueuedConnection);
    });
    m_checking = true;
    emit checkingChanged();
}

bool SmartphoneModelFiles::checking() const
{
    return m_checking;
}

void SmartphoneModelFiles::answer(quint64 request,
                                  const QString &meshUri,
                                  const QString &textureUri,
                                  Verdict verdict)
{
    if (request != m_newestRequest)
        return;
    if (verdict == Verdict::BadMesh)
        qWarning("Phone model not shown: \"%s\" is not a readable mesh file", qPrintable(meshUri));
    else if (verdict == Verdict::BadTexture)
        qWarning("Phone model not shown: \"%s\" is not a readable image", qPrintable(textureUri));
    m_checking = false;
    emit checked(meshUri, textureUri, verdict == Verdict::Usable);
    emit checkingChanged();
}

SmartphoneModelFiles::Verdict SmartphoneModelFiles::verdict(const QString &meshUri,
                                                            const QString &textureUri)
{
    if (!isMeshFile(localPath(meshUri)))
        return Verdict::BadMesh;
    return isImageFile(localPath(textureUri)) ? Verdict::Usable : Verdict::BadTexture;
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
