#include "textfielddoublevalidator.h"

TextFieldDoubleValidator::TextFieldDoubleValidator(QObject *parent)
    : QDoubleValidator(parent)
{}

bool TextFieldDoubleValidator::tooManyDecimals(qsizetype digitsAfterPoint) const
{
    if (decimals() == 0)
        return true;
    // A negative count means any number of decimals, as for the base class.
    return decimals() > 0 && digitsAfterPoint > decimals();
}

QValidator::State TextFieldDoubleValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (input.isEmpty() || input == QLatin1String("-"))
        return Intermediate;

    const qsizetype point = input.indexOf(QLatin1Char('.'));
    if (point >= 0 && tooManyDecimals(input.size() - point - 1))
        return Invalid;

    bool ok = false;
    const double value = input.toDouble(&ok);
    if (!ok)
        return Invalid;
    return bottom() <= value && value <= top() ? Acceptable : Invalid;
}
