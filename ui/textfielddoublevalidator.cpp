#include "textfielddoublevalidator.h"

#include "ui/decimalnumber.h"

TextFieldDoubleValidator::TextFieldDoubleValidator(QObject *parent)
    : QDoubleValidator(parent)
{}

QValidator::State TextFieldDoubleValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (input.isEmpty() || input == QLatin1String("-"))
        return Intermediate;
    const std::optional<double> value
        = EmulationManagement::Internal::readDecimalNumber(input, decimals());
    return value && bottom() <= *value && *value <= top() ? Acceptable : Invalid;
}
