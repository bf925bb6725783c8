#include "qtcsettings.h"

namespace Utils {

Key keyFromString(const QString &key)
{
    return Key(key.toUtf8());
}

QString stringFromKey(const Key &key)
{
    return key.toString();
}

QVariant QtcSettings::value(const Key &key, const QVariant &defaultValue) const
{
    return QSettings::value(key.toString(), defaultValue);
}

void QtcSettings::setValue(const Key &key, const QVariant &value)
{
    QSettings::setValue(key.toString(), value);
}

bool QtcSettings::contains(const Key &key) const
{
    return QSettings::contains(key.toString());
}

void QtcSettings::remove(const Key &key)
{
    QSettings::remove(key.toString());
}

} // namespace Utils
