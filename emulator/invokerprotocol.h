#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The texts the remote D-Bus invoker reads and writes on its WebSocket.
// A call is six fields joined by one space: bus, service, object path,
// interface, method and the argument text (which may itself hold spaces).
// A reply is five fields joined by ":": method, argument values joined by
// "|", result, D-Bus error name and error message.
namespace EmulationManagement::Emulator::InvokerProtocol {

using DoubleArrays = QList<QList<double>>;

struct Call
{
    QString bus;
    QString service;
    QString path;
    QString interface;
    QString method;
    QString argumentText;
};

struct Arguments
{
    QVariantList values;
    // Empty when every argument was read.
    QString error;
};

// Empty when the text has fewer than six fields.
std::optional<Call> parseCall(const QString &text);

// Reads "int32:", "double:", "boolean:", "string:" and "array:array:double:"
// words into int, double, bool, QString and DoubleArrays values.
Arguments parseArguments(const QString &argumentText);

// The value part of every argument word, for a reply to arguments that could
// not be read.
QStringList rawValues(const QString &argumentText);

// A value as the reply shows it: numbers in the C locale (doubles in their
// shortest exact form), booleans as "true"/"false", arrays of arrays as
// rows joined by ";" with values joined by ",".
QString valueText(const QVariant &value);

QString reply(const QString &method,
              const QStringList &argumentValues,
              const QString &result,
              const QString &errorName = {},
              const QString &errorMessage = {});

// The argument values of a call, each as valueText shows it.
QStringList valueTexts(const QVariantList &values);

} // namespace EmulationManagement::Emulator::InvokerProtocol
