#include "id.h"

namespace Utils {

Id Id::fromName(const QByteArray &name)
{
    Id id;
    id.m_name = name;
    return id;
}

Id Id::fromString(const QString &name)
{
    return fromName(name.toUtf8());
}

} // namespace Utils
