#include "smartphonemodelfiles.h"

#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QUrl>

namespace EmulationManagement::Internal {

namespace {

// Header of a Qt Quick 3D mesh file: identifier, version, flags, mesh size.
const quint32 meshFileId = 3365961549U;
const quint16 oldestMeshVersion = 3;
const quint16 newestMeshVersion = 5;
const qint64 meshHeaderSize = 12;

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
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&file);
    stream.setByteOrder(QDataStream::LittleEndian);
    quint32 fileId = 0;
    quint16 version = 0;
    quint16 flags = 0;
    quint32 meshSize = 0;
    stream >> fileId >> version >> flags >> meshSize;
    return stream.status() == QDataStream::Ok && fileId == meshFileId
           && version >= oldestMeshVersion && version <= newestMeshVersion && meshSize > 0
           && file.size() >= meshHeaderSize + meshSize;
}

bool SmartphoneModelFiles::isImageFile(const QString &path)
{
    return !path.isEmpty() && !QImageReader(path).read().isNull();
}

} // namespace EmulationManagement::Internal
