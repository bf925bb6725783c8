#include "ui/smartphonemodelfiles.h"

#include "testtimeouts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

#include <memory>

using namespace EmulationManagement::Internal;

namespace {

// How a test file is made from a shipped one. Patched: cut by `cut` bytes,
// then the 32-bit word written at `at` (from the end when negative; `subset`
// stands for the first subset's element count). Sized: the shipped mesh at
// the end of a file of `at` bytes.
enum class Variant { Shipped, Missing, Text, NotLocal, Patched, Empty, NamedOften, Sized };
const qint64 subset = 1 << 30;

const char badMesh[] = "\"file:.*/mesh\" is not a readable mesh file";
const char badTexture[] = "\"file:.*/texture\" is not a readable image";

// Warning: pattern of the one expected warning, or null. Mesh words from 12
// on: vertex entries' offset, count, stride, data offset, size; index type,
// data offset, size; subsets' offset, count; joints; draw mode, winding. The
// footer: identifier, version, entries' offset, mesh count, after the mesh
// list of offset (64 bits), id and padding.
// clang-format off
const struct Row { const char *tag; Variant mesh, texture; qint64 cut, at; quint32 word; const char *warning; } rows[] = {
    {"both shipped files", Variant::Shipped, Variant::Shipped, 0, 0, 0, nullptr},
    {"missing mesh", Variant::Missing, Variant::Shipped, 0, 0, 0, badMesh},
    {"text as mesh", Variant::Text, Variant::Shipped, 0, 0, 0, badMesh},
    {"mesh not a local file", Variant::NotLocal, Variant::Shipped, 0, 0, 0, "\"http:.*/mesh\" is not a readable mesh file"},
    {"mesh cut by a byte", Variant::Patched, Variant::Shipped, 1, 0, 0, badMesh},
    {"mesh cut to half", Variant::Patched, Variant::Shipped, 604, 0, 0, badMesh},
    {"mesh of a newer format", Variant::Patched, Variant::Shipped, 0, 4, 6, badMesh},
    {"mesh size past the footer", Variant::Patched, Variant::Shipped, 0, 8, 0x7fffffff, badMesh},
    {"vertex entries past the end", Variant::Patched, Variant::Shipped, 0, 16, 100000000, badMesh},
    {"stride 0", Variant::Patched, Variant::Shipped, 0, 20, 0, badMesh},
    {"vertex data past the end", Variant::Patched, Variant::Shipped, 0, 28, 0x10000000, badMesh},
    {"8-bit indices", Variant::Patched, Variant::Shipped, 0, 32, 1, badMesh},
    {"index data past the end", Variant::Patched, Variant::Shipped, 0, 40, 0x7ffffff0, badMesh},
    {"subsets past the end", Variant::Patched, Variant::Shipped, 0, 48, 0x40000000, badMesh},
    {"no subset", Variant::Patched, Variant::Shipped, 0, 48, 0, badMesh},
    {"unknown draw mode", Variant::Patched, Variant::Shipped, 0, 60, 8, badMesh},
    {"unknown component type", Variant::Patched, Variant::Shipped, 0, 72, 12, badMesh},
    {"attribute outside the vertex", Variant::Patched, Variant::Shipped, 0, 80, 24, badMesh},
    {"name past the end", Variant::Patched, Variant::Shipped, 0, 120, 0xffffff00, badMesh},
    {"indices past the vertices: one vertex", Variant::Patched, Variant::Shipped, 0, 20, 768, badMesh},
    {"subset past the indices", Variant::Patched, Variant::Shipped, 0, subset, 37, badMesh},
    {"footer identifier", Variant::Patched, Variant::Shipped, 0, -16, 0, badMesh},
    {"footer version", Variant::Patched, Variant::Shipped, 0, -12, 2, badMesh},
    {"no mesh listed", Variant::Patched, Variant::Shipped, 0, -4, 0, badMesh},
    {"mesh list past the start", Variant::Patched, Variant::Shipped, 0, -4, 0x10000000, badMesh},
    {"mesh offset outside the file", Variant::Patched, Variant::Shipped, 0, -32, 0xfffffff0, badMesh},
    {"mesh without vertices, attributes or elements", Variant::Empty, Variant::Shipped, 0, 0, 0, badMesh},
    {"one mesh named by 50000 entries", Variant::NamedOften, Variant::Shipped, 0, 0, 0, nullptr},
    {"mesh of 256 MB", Variant::Sized, Variant::Shipped, 0, 256 << 20, 0, nullptr},
    {"mesh over 256 MB", Variant::Sized, Variant::Shipped, 0, (256 << 20) + 1, 0, badMesh},
    {"missing texture", Variant::Shipped, Variant::Missing, 0, 0, 0, badTexture},
    {"truncated texture", Variant::Shipped, Variant::Patched, 51, 0, 0, badTexture},
    {"both bad: the mesh is named", Variant::Missing, Variant::Missing, 0, 0, 0, badMesh},
};
// clang-format on

QByteArray patched(QByteArray bytes, const Row &row)
{
    bytes.chop(row.cut);
    qsizetype at = row.at < 0 ? bytes.size() + row.at : row.at;
    if (row.at == subset) {
        // The subset's element count and offset: the index count and 0,
        // which no index or name repeats.
        QByteArray countAndOffset(8, 0);
        qToLittleEndian(qFromLittleEndian<quint32>(bytes.constData() + 40) / 4, countAndOffset.data());
        at = bytes.lastIndexOf(countAndOffset);
    }
    if (row.at)
        qToLittleEndian(row.word, bytes.data() + at);
    return bytes;
}

QByteArray words(std::initializer_list<quint32> values)
{
    QByteArray bytes(qsizetype(values.size()) * 4, 0);
    char *at = bytes.data();
    for (const quint32 value : values) {
        qToLittleEndian(value, at);
        at += 4;
    }
    return bytes;
}

// The footer naming the mesh at `meshOffset` `count` times.
QByteArray footer(quint32 count, quint32 entriesOffset, quint32 meshOffset = 0)
{
    QByteArray bytes;
    for (quint32 i = 0; i < count; ++i)
        bytes += words({meshOffset, 0, 1, 0});
    return bytes + words({555777497U, 1, entriesOffset, count});
}

// A version 3 mesh with no attribute, no vertex, no index and one subset of
// no element: block, padding, three empty blocks' padding, the subset, its
// padding and its empty name's padding.
QByteArray emptyMesh()
{
    const QByteArray mesh = words({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 4, 1}) + QByteArray(12, 0)
                            + QByteArray(40, 0) + QByteArray(8, 0);
    return words({3365961549U, 3, 0}) + mesh;
}

QByteArray built(const QByteArray &shipped, Variant variant)
{
    if (variant == Variant::Empty) {
        QByteArray bytes = emptyMesh();
        qToLittleEndian(quint32(bytes.size() - 12), bytes.data() + 8);
        return bytes + footer(1, quint32(bytes.size()));
    }
    const QByteArray mesh = shipped.chopped(32);
    return mesh + footer(50000, quint32(mesh.size()));
}

// The mesh after a gap that the file system stores as a hole.
void writeSized(QFile &file, const QByteArray &shipped, qint64 size)
{
    const QByteArray mesh = shipped.chopped(32);
    const qint64 offset = size - mesh.size() - 32;
    if (file.seek(offset))
        file.write(mesh + footer(1, quint32(offset + mesh.size()), quint32(offset)));
}

QString makeFile(const QTemporaryDir &dir, const char *name, const char *shipped, Variant variant, const Row &row)
{
    if (variant == Variant::NotLocal)
        return QStringLiteral("http://127.0.0.1/%1").arg(QLatin1String(name));
    const QString path = dir.filePath(QLatin1String(name));
    QFile source(QLatin1String(EM_DEVICE_CONFIGURATION_DIR) + QLatin1String(shipped));
    QFile file(path);
    if (variant != Variant::Missing && source.open(QIODevice::ReadOnly)
        && file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = source.readAll();
        if (variant == Variant::Sized)
            writeSized(file, bytes, row.at);
        else
            file.write(variant == Variant::Text      ? QByteArray("o phone\nv 0 0 0\n")
                       : variant == Variant::Patched ? patched(bytes, row)
                       : variant == Variant::Shipped ? bytes
                                                     : built(bytes, variant));
    }
    return QUrl::fromLocalFile(path).toString();
}

// The answers to requests of mesh and texture files, once the last request
// is answered; the object is destroyed first when `destroyed`. Answers come
// in the order of their requests, so none may follow the last one's.
QList<QVariantList> answers(const QList<QStringList> &requests, bool destroyed = false)
{
    auto files = std::make_unique<SmartphoneModelFiles>();
    QSignalSpy checked(files.get(), &SmartphoneModelFiles::checked);
    for (const QStringList &request : requests)
        files->checkLater(request[0], request[1]);
    if (!files->checking())
        return {};
    if (destroyed) {
        files.reset();
        QCoreApplication::processEvents();
    } else if (!checked.wait(eventTimeoutMs) || files->checking()) {
        return {};
    }
    return checked;
}

} // namespace

class SmartphoneModelFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void checkWarnsOnceForTheFirstBadFile()
    {
        for (const Row &row : rows) {
            QTemporaryDir dir;
            const QString mesh = makeFile(dir, "mesh", "/meshes/strova-phone-5.mesh", row.mesh, row);
            const QString texture = makeFile(dir, "texture", "/textures/default.png", row.texture, row);
            if (row.warning)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1String(row.warning)));
            QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
            const QList<QVariantList> expected{{mesh, texture, !row.warning}};
            QVERIFY2(answers({{mesh, texture}}) == expected, row.tag);
        }
    }

    // Requests of the good files (g), a missing mesh (m) or texture (t): only
    // the last is answered, and warned about, unless the object is gone.
    void onlyTheNewestRequestIsAnswered_data()
    {
        QTest::addColumn<QString>("requests");
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("bad mesh, then good files") << "mg" << false;
        QTest::newRow("good files, then a bad texture") << "gt" << false;
        QTest::newRow("two bad, then good files") << "mtg" << false;
        QTest::newRow("destroyed before the answer") << "m" << true;
        QTest::newRow("destroyed after a replaced request") << "tm" << true;
    }
    void onlyTheNewestRequestIsAnswered()
    {
        QFETCH(QString, requests);
        QFETCH(bool, destroyed);
        QTemporaryDir dir;
        const Row row = rows[0];
        const QString mesh = makeFile(dir, "mesh", "/meshes/strova-phone-5.mesh", Variant::Shipped, row);
        const QString texture = makeFile(dir, "texture", "/textures/default.png", Variant::Shipped, row);
        const QString missing = QUrl::fromLocalFile(dir.filePath("missing")).toString();
        QList<QStringList> sent;
        for (const QChar kind : std::as_const(requests))
            sent.append({kind == u'm' ? missing : mesh, kind == u't' ? missing : texture});
        QList<QVariantList> expected{{sent.last()[0], sent.last()[1], requests.endsWith(u'g')}};
        if (destroyed)
            expected.clear();
        else if (!requests.endsWith(u'g'))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("missing\" is not a readable"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QCOMPARE(answers(sent, destroyed), expected);
    }
};

QTEST_GUILESS_MAIN(SmartphoneModelFilesTest)

#include "tst_smartphonemodelfiles.moc"
