#pragma once

#include <QList>
#include <QString>

// The argument notation of remote D-Bus calls: "type:value" words joined by
// one space. Numbers always use the C locale, whatever the user's locale is.
namespace EmulationManagement::Internal::DBusArguments {

// The value texts alone, for the rows of an array argument.
QString number(double value);
QString fixedNumber(double value, int decimals);

QString int32(int value);
// Format 'g' with six significant digits: 4.3e-05, 1.14592, 0.
QString doubleValue(double value);
// Fixed-point with the given number of decimals: 150.00.
QString fixedDouble(double value, int decimals);
QString boolean(bool value);
QString string(const QString &value);

QString join(const QStringList &arguments);

} // namespace EmulationManagement::Internal::DBusArguments
