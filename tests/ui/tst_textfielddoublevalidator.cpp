#include "ui/textfielddoublevalidator.h"

#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <memory>

namespace {

QValidator::State validate(const QValidator &validator, QString input)
{
    int pos = int(input.size());
    return validator.validate(input, pos);
}

} // namespace

class TextFieldDoubleValidatorTest : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
    void inputAndCursorAreLeftAlone();
    void localeDoesNotMatter_data();
    void localeDoesNotMatter();
    void keepsTheBaseMetaObject();
    void qmlCanConfigureIt();
};

void TextFieldDoubleValidatorTest::validate_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    const auto add = [](const char *name,
                        double bottom,
                        double top,
                        int decimals,
                        const char *input,
                        QValidator::State expected) {
        QTest::newRow(name) << bottom << top << decimals << QString::fromUtf8(input) << expected;
    };
    using S = QValidator;

    add("empty", 10, 100, 2, "", S::Intermediate);
    add("minus alone", 10, 100, 2, "-", S::Intermediate);
    add("minus alone, no negatives allowed", 0, 100, 0, "-", S::Intermediate);
    add("below range while typing 15", 10, 100, 2, "1", S::Invalid);
    add("in range", 10, 100, 2, "50", S::Acceptable);
    add("bottom is inclusive", 10, 100, 2, "10", S::Acceptable);
    add("top is inclusive", 10, 100, 2, "100", S::Acceptable);
    add("above range", 10, 100, 2, "101", S::Invalid);
    add("just above top", 10, 100, 2, "100.01", S::Invalid);

    add("too many decimals", 0, 100, 2, "1.234", S::Invalid);
    add("as many decimals as allowed", 0, 100, 2, "1.23", S::Acceptable);
    add("fewer decimals", 0, 100, 2, "1.2", S::Acceptable);
    add("point at the end", 0, 100, 2, "1.", S::Acceptable);
    add("leading point", 0, 100, 2, ".5", S::Acceptable);
    add("point alone", 0, 100, 2, ".", S::Invalid);
    add("counted after the first point", 0, 100, 2, "1.2.", S::Invalid);
    add("two points within the limit", 0, 100, 3, "1.2.", S::Invalid);
    add("decimals too many even out of range", 0, 1, 1, "5.55", S::Invalid);
    add("no decimals allowed", -100, 100, 0, "5.5", S::Invalid);
    add("no decimals, point at the end", -100, 100, 0, "5.", S::Invalid);
    add("no decimals, whole number", -100, 100, 0, "5", S::Acceptable);
    add("no decimals, leading point", -100, 100, 0, ".5", S::Invalid);
    add("default decimals: any number", -inf, inf, -1, "3.14159265358979", S::Acceptable);

    add("comma", 0, 100, 2, "1,5", S::Invalid);
    add("group separator", 0, 10000, 2, "1,000", S::Invalid);
    add("letters", 0, 100, 2, "abc", S::Invalid);
    add("trailing letter", 0, 100, 2, "5x", S::Invalid);
    add("hexadecimal", 0, 100, 2, "0x10", S::Invalid);
    add("negative in range", -90, 90, 7, "-45.1234567", S::Acceptable);
    add("negative below range", -90, 90, 7, "-91", S::Invalid);
    add("negative where none allowed", 0, 100, 2, "-1", S::Invalid);
    add("minus zero", 0, 100, 2, "-0", S::Acceptable);
    add("exponent", 0, 100, 2, "1e1", S::Acceptable);
    add("plus sign", 0, 100, 2, "+5", S::Acceptable);
    add("not a number", 0, 100, 2, "nan", S::Invalid);
    add("infinity out of range", 0, 100, 2, "inf", S::Invalid);
}

void TextFieldDoubleValidatorTest::validate()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(int, decimals);
    QFETCH(QString, input);
    QFETCH(QValidator::State, expected);

    TextFieldDoubleValidator validator;
    validator.setBottom(bottom);
    validator.setTop(top);
    validator.setDecimals(decimals);
    QCOMPARE(validator.decimals(), decimals);
    QCOMPARE(::validate(validator, input), expected);
}

void TextFieldDoubleValidatorTest::inputAndCursorAreLeftAlone()
{
    TextFieldDoubleValidator validator;
    validator.setRange(10, 100, 2);
    for (const QString &text :
         {QStringLiteral("1"), QStringLiteral("50.5"), QStringLiteral("1,5")}) {
        QString input = text;
        int pos = 1;
        validator.validate(input, pos);
        QCOMPARE(input, text);
        QCOMPARE(pos, 1);
    }
}

void TextFieldDoubleValidatorTest::localeDoesNotMatter_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("ru_RU") << QLocale(QLocale::Russian, QLocale::Russia);
}

void TextFieldDoubleValidatorTest::localeDoesNotMatter()
{
    QFETCH(QLocale, locale);

    const QLocale previousDefault;
    QLocale::setDefault(locale);
    TextFieldDoubleValidator validator;
    validator.setLocale(locale);
    validator.setRange(0, 10000, 2);
    validator.setNotation(QDoubleValidator::StandardNotation);

    const QValidator::State comma = ::validate(validator, QStringLiteral("1,5"));
    const QValidator::State point = ::validate(validator, QStringLiteral("1.5"));
    const QValidator::State grouped = ::validate(validator, QStringLiteral("1,000.5"));
    QLocale::setDefault(previousDefault);

    QCOMPARE(comma, QValidator::Invalid);
    QCOMPARE(point, QValidator::Acceptable);
    QCOMPARE(grouped, QValidator::Invalid);
}

void TextFieldDoubleValidatorTest::keepsTheBaseMetaObject()
{
    // QML sees the base's properties: bottom, top, decimals and the others.
    const TextFieldDoubleValidator validator;
    QCOMPARE(validator.metaObject(), &QDoubleValidator::staticMetaObject);
    QVERIFY(validator.metaObject()->indexOfProperty("bottom") >= 0);
    QVERIFY(validator.metaObject()->indexOfProperty("top") >= 0);
    QVERIFY(validator.metaObject()->indexOfProperty("decimals") >= 0);
}

void TextFieldDoubleValidatorTest::qmlCanConfigureIt()
{
    qmlRegisterType<TextFieldDoubleValidator>(
        "EmulationManagement.Test", 1, 0, "TextFieldDoubleValidator");
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import EmulationManagement.Test 1.0
        TextFieldDoubleValidator { bottom: 10; top: 100; decimals: 1 })",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));

    auto validator = dynamic_cast<TextFieldDoubleValidator *>(object.get());
    QVERIFY(validator);
    QCOMPARE(validator->bottom(), 10.0);
    QCOMPARE(validator->top(), 100.0);
    QCOMPARE(validator->decimals(), 1);
    QCOMPARE(::validate(*validator, QStringLiteral("1")), QValidator::Invalid);
    QCOMPARE(::validate(*validator, QStringLiteral("15.5")), QValidator::Acceptable);
    QCOMPARE(::validate(*validator, QStringLiteral("15.55")), QValidator::Invalid);
}

QTEST_GUILESS_MAIN(TextFieldDoubleValidatorTest)

#include "tst_textfielddoublevalidator.moc"
