#include "testtimeouts.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// lupdate over the sources into a copy of each shipped catalogue: a text the
// sources hold that the catalogue lacks or leaves untranslated fails, and so
// does one the catalogue holds that the sources no longer do.

namespace {

// A message by context, source text and disambiguation, and whether its
// translation (each plural form of it) is done.
using Messages = QMap<QString, bool>;

QString key(const QString &context, const QString &source, const QString &comment)
{
    QString key = QStringLiteral("context \"%1\": \"%2\"").arg(context, source);
    if (!comment.isEmpty())
        key += QStringLiteral(" (%1)").arg(comment);
    return key;
}

// A long text by its first line, so that the report has one line for each.
QString shown(const QString &key)
{
    return key.contains('\n') ? key.section('\n', 0, 0) + "…\"" : key;
}

// The translation element at the reader: done when it is not marked
// unfinished, vanished or obsolete and no form of it is empty.
bool translated(QXmlStreamReader &reader)
{
    const bool marked = !reader.attributes().value("type").isEmpty();
    bool empty = false;
    bool forms = false;
    QString text;
    while (
        !reader.atEnd()
        && (reader.readNext() != QXmlStreamReader::EndElement || reader.name() != u"translation")) {
        if (reader.isStartElement() && reader.name() == u"numerusform") {
            forms = true;
            empty = empty || reader.readElementText().isEmpty();
        } else if (reader.isCharacters()) {
            text += reader.text();
        }
    }
    return !marked && !empty && (forms || !text.trimmed().isEmpty());
}

Messages readCatalogue(const QString &file, QString *error)
{
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly)) {
        *error = ts.errorString();
        return {};
    }
    Messages messages;
    QXmlStreamReader reader(&ts);
    QString context, source, comment;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"name")
            context = reader.readElementText();
        else if (reader.name() == u"message")
            comment.clear();
        else if (reader.name() == u"source")
            source = reader.readElementText();
        else if (reader.name() == u"comment")
            comment = reader.readElementText();
        else if (reader.name() == u"translation")
            messages.insert(key(context, source, comment), translated(reader));
    }
    if (reader.hasError())
        *error = reader.errorString();
    return messages;
}

} // namespace

class CataloguesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
};

void CataloguesTest::everyTextTranslated_data()
{
    QTest::addColumn<QString>("catalogue");
    const QDir folder(QStringLiteral(CATALOGUE_DIR));
    const QStringList files = folder.entryList({"EmulationManagement_*.ts"}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void CataloguesTest::everyTextTranslated()
{
    QFETCH(QString, catalogue);
    const QString name = QFileInfo(catalogue).fileName();
    QTemporaryDir dir;
    const QString copy = dir.filePath(name);
    QVERIFY(QFile::copy(catalogue, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PROGRAM),
                  QStringLiteral(LUPDATE_OPTIONS).split('|')
                      << QStringLiteral("@" SOURCE_LIST) << "-ts" << copy);
    QVERIFY(lupdate.waitForFinished(eventTimeoutMs));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QString error;
    const Messages shipped = readCatalogue(catalogue, &error);
    const Messages current = readCatalogue(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        if (!shipped.contains(it.key()))
            problems << shown(it.key()) + QStringLiteral(": not in the catalogue");
        else if (!it.value())
            problems << shown(it.key()) + QStringLiteral(": not translated");
    }
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        if (!current.contains(it.key()))
            problems << shown(it.key()) + QStringLiteral(": no longer in the sources");
    }
    // One line each, as a failure message would cut a long list short.
    for (const QString &problem : std::as_const(problems))
        qWarning().noquote() << name + ": " + problem;
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("%1 texts of %2 need work (listed above); build "
                                       "\"update_translations\", then translate them")
                            .arg(problems.size())
                            .arg(name)));
}

QTEST_GUILESS_MAIN(CataloguesTest)

#include "tst_catalogues.moc"
