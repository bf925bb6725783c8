#include "ui/textfielddoublevalidator.h"

#include <QLocale>
#include <QTest>

#include <limits>

class TextFieldDoubleValidatorTest : public QObject
{
    Q_OBJECT

private slots:
    void validate();
};

void TextFieldDoubleValidatorTest::validate()
{
    const double inf = std::numeric_limits<double>::infinity();
    using S = QValidator;
    // clang-format off
    const struct { double bottom, top; int decimals; const char *input; S::State expected; } rows[] = {
        {10, 100, 2, "", S::Intermediate},
        {0, 100, 0, "-", S::Intermediate},
        {10, 100, 2, "1", S::Invalid}, // below the range while typing 15
        {10, 100, 2, "10", S::Acceptable},
        {10, 100, 2, "100", S::Acceptable},
        {10, 100, 2, "100.01", S::Invalid},
        {0, 100, 2, "1.234", S::Invalid},
        {0, 100, 2, "1.23", S::Acceptable},
        {0, 100, 2, "1.", S::Acceptable},
        {0, 100, 2, ".5", S::Acceptable},
        {0, 100, 2, ".", S::Invalid},
        {0, 100, 3, "1.2.", S::Invalid},
        {-100, 100, 0, "5.", S::Invalid},
        {-100, 100, 0, "5", S::Acceptable},
        {-inf, inf, -1, "3.14159265358979", S::Acceptable}, // negative decimals: no limit
        {0, 100, 2, "1,5", S::Invalid},
        {0, 100, 2, "5x", S::Invalid},
        {-90, 90, 7, "-45.1234567", S::Acceptable},
        {0, 100, 2, "-1", S::Invalid},
        {0, 100, 2, "-0", S::Acceptable},
        {0, 100, 2, "1e1", S::Invalid}, // standard notation, as the command line reads it
        {0, 100, 0, "1E1", S::Invalid},
        {0, 100, 2, " 5", S::Invalid},
        {0, 100, 2, "+5", S::Acceptable},
        {0, 100, 2, "inf", S::Invalid},
    };
    // clang-format on
    // The user's locale must not turn a comma into the decimal point.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto &row : rows) {
        TextFieldDoubleValidator validator;
        validator.setLocale(QLocale());
        validator.setBottom(row.bottom);
        validator.setTop(row.top);
        validator.setDecimals(row.decimals);
        QString input = QLatin1String(row.input);
        int position = 1;
        QCOMPARE(validator.validate(input, position), row.expected);
        QCOMPARE(input, QLatin1String(row.input));
    }
    QLocale::setDefault(previous);
}

QTEST_GUILESS_MAIN(TextFieldDoubleValidatorTest)

#include "tst_textfielddoublevalidator.moc"
