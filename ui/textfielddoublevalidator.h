#pragma once

#include <QDoubleValidator>

// The validator of the pages' numeric text fields. Stricter than its base:
// a plain decimal number as the command line takes it (ui/decimalnumber.h),
// and a number outside the range is refused at once rather than left as
// intermediate input.
class TextFieldDoubleValidator : public QDoubleValidator
{
public:
    explicit TextFieldDoubleValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};
