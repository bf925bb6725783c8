#include "ui/smartphonemodelfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace EmulationManagement::Internal;

namespace {

const QString shippedMesh = QStringLiteral(EM_DEVICE_CONFIGURATION_DIR "/meshes/default.mesh");
const QString shippedTexture = QStringLiteral(EM_DEVICE_CONFIGURATION_DIR "/textures/default.png");

// How a test file is made from a shipped one.
enum class Variant { Shipped, Missing, Text, Truncated, NewerVersion, NotLocal };

struct Row
{
    const char *tag;
    Variant mesh;
    Variant texture;
    const char *warning; // pattern of the one expected warning, or nullptr
};

const char badMesh[] = "\"file:.*/mesh\" is not a readable mesh file";
const char badTexture[] = "\"file:.*/texture\" is not a readable image";

// clang-format off
const Row rows[] = {
    {"both shipped files", Variant::Shipped, Variant::Shipped, nullptr},
    {"missing mesh", Variant::Missing, Variant::Shipped, badMesh},
    {"text as mesh", Variant::Text, Variant::Shipped, badMesh},
    {"truncated mesh", Variant::Truncated, Variant::Shipped, badMesh},
    {"mesh of a newer format", Variant::NewerVersion, Variant::Shipped, badMesh},
    {"mesh not a local file", Variant::NotLocal, Variant::Shipped, "\"http:.*/mesh\" is not a readable mesh file"},
    {"missing texture", Variant::Shipped, Variant::Missing, badTexture},
    {"text as texture", Variant::Shipped, Variant::Text, badTexture},
    {"truncated texture", Variant::Shipped, Variant::Truncated, badTexture},
    {"both bad: the mesh is named", Variant::Missing, Variant::Missing, badMesh},
};
// clang-format on

QString makeFile(const QTemporaryDir &dir,
                 const QString &name,
                 const QString &shipped,
                 Variant variant)
{
    const QString path = dir.filePath(name);
    if (variant == Variant::NotLocal)
        return QStringLiteral("http://127.0.0.1/") + name;
    if (variant != Variant::Missing) {
        QFile source(shipped);
        source.open(QIODevice::ReadOnly);
        QByteArray bytes = source.readAll();
        if (variant == Variant::Text)
            bytes = "o phone\nv 0 0 0\n";
        else if (variant == Variant::Truncated)
            bytes.chop(bytes.size() / 2);
        else if (variant == Variant::NewerVersion)
            bytes[4] = 6;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

class SmartphoneModelFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void checkWarnsOnceForTheFirstBadFile();
};

void SmartphoneModelFilesTest::checkWarnsOnceForTheFirstBadFile()
{
    for (const Row &row : rows) {
        QTemporaryDir dir;
        const QString mesh = makeFile(dir, QStringLiteral("mesh"), shippedMesh, row.mesh);
        const QString texture
            = makeFile(dir, QStringLiteral("texture"), shippedTexture, row.texture);
        if (row.warning)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QString::fromLatin1(row.warning)));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY2(SmartphoneModelFiles().check(mesh, texture) == !row.warning, row.tag);
    }
}

QTEST_GUILESS_MAIN(SmartphoneModelFilesTest)

#include "tst_smartphonemodelfiles.moc"
