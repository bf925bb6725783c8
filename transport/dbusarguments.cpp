#include "dbusarguments.h"

#include <QStringList>

namespace EmulationManagement::Internal::DBusArguments {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString fixedNumber(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString int32(int value)
{
    return QStringLiteral("int32:%1").arg(value);
}

QString doubleValue(double value)
{
    return QStringLiteral("double:") + number(value);
}

QString fixedDouble(double value, int decimals)
{
    return QStringLiteral("double:") + fixedNumber(value, decimals);
}

QString boolean(bool value)
{
    return QStringLiteral("boolean:%1").arg(value ? 1 : 0);
}

QString string(const QString &value)
{
    return QStringLiteral("string:%1").arg(value);
}

QString join(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

} // namespace EmulationManagement::Internal::DBusArguments
