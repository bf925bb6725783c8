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

} // namespace

SmartphoneModelFiles::SmartphoneModelFiles(QObject *parent)
    : QObject(parent)
{}

bool SmartphoneModelFiles::check(const QString &meshUri, const QString &textureUri) const
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
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0)
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
