#include "filepath.h"

#include <QDir>

namespace Utils {

FilePath FilePath::fromString(const QString &path)
{
    FilePath result;
    result.m_path = QDir::cleanPath(QDir::fromNativeSeparators(path));
    return result;
}

QString FilePath::toFSPathString() const
{
    return QDir::toNativeSeparators(m_path);
}

FilePath FilePath::pathAppended(const QString &relative) const
{
    if (relative.isEmpty())
        return *this;
    if (m_path.isEmpty())
        return fromString(relative);
    return fromString(m_path + QLatin1Char('/') + relative);
}

} // namespace Utils
