#include "pseudotranslation.h"

#include <QBuffer>
#include <QTest>

class PseudoTranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void translate_data();
    void translate();
    void catalogue();
    void brokenCatalogue();
};

void PseudoTranslationTest::translate_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *source, const char16_t *expected) {
        QTest::newRow(source) << QString::fromUtf8(source) << QString::fromUtf16(expected);
    };
    row("Sensors", u"[Šéñšöŕš~]");
    row("A", u"[Å]");
    row("", u"");
    row("%1 of %2", u"[%1 öƒ %2~~]");
    row("%L1 and %n files", u"[%L1 åñđ %n ƒîĺéš~~~~~]");
    row("100%", u"[100%]");
    row("&Open", u"[&Oþéñ]");
    row("Tom && Jerry", u"[Ţöɱ && Ĵéŕŕý~~~]");
    row("Next…", u"[Ñéẋţ…]");
    row("Line one\nLine two", u"[Ĺîñé öñé\nĹîñé ţŵö~~~~~]");
    row("<b>Bold</b> text", u"<b>[Ɓöĺđ</b> ţéẋţ~~]");
    row("<p>a&amp;b<br/>c</p>", u"<p>[å&amp;ƀ<br/>ç~~]</p>");
    row("a < b", u"[å < ƀ]");
    row("<b></b>", u"<b></b>");
}

void PseudoTranslationTest::translate()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(pseudoTranslation(source), expected);
}

void PseudoTranslationTest::catalogue()
{
    QByteArray catalogue = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Page</name>
    <message>
        <source>Set &amp; go</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation type="unfinished">
            <numerusform>old</numerusform>
        </translation>
    </message>
</context>
</TS>
)";
    QBuffer in(&catalogue);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QCOMPARE(pseudoTranslateCatalogue(in, out), QString());
    const QString written = QString::fromUtf8(out.data());
    QVERIFY2(written.contains(u"<source>Set &amp; go</source>\n"
                              u"        <translation>[Šéţ &amp; ĝö~~]</translation>"), qPrintable(written));
    QVERIFY2(written.contains(u"<translation><numerusform>[%n þöîñţš~~]</numerusform>"
                              u"<numerusform>[%n þöîñţš~~]</numerusform></translation>"), qPrintable(written));
    QVERIFY(written.contains(u"<!DOCTYPE TS>"));
}

void PseudoTranslationTest::brokenCatalogue()
{
    QByteArray catalogue = "<TS><context><message><source>x</message></TS>";
    QBuffer in(&catalogue);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QVERIFY(!pseudoTranslateCatalogue(in, out).isEmpty());
}

QTEST_GUILESS_MAIN(PseudoTranslationTest)
#include "tst_pseudotranslation.moc"
