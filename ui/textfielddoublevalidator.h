#pragma once

#include <QDoubleValidator>

// The validator of the pages' numeric text fields. Stricter than its base:
// only "." is a decimal point, whatever the locale, and a number outside the
// range is refused at once rather than left as intermediate input.
class TextFieldDoubleValidator : public QDoubleValidator
{
public:
    explicit TextFieldDoubleValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    // Whether a "." followed by this many characters breaks the decimals limit.
    bool tooManyDecimals(qsizetype digitsAfterPoint) const;
};
