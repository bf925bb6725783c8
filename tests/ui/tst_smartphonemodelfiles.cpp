#include "ui/smartphonemodelfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace EmulationManagement::Internal;

namespace {

// How a test file is made from a shipped one.
enum class Variant { Shipped, Missing, Text, Truncated, NewerVersion, NotLocal };

const char badMesh[] = "\"file:.*/mesh\" is not a readable mesh file";
const char badTexture[] = "\"file:.*/texture\" is not a readable image";

// Warning: pattern of the one expected warning, or null.
// clang-format off
const struct Row { const char *tag; Variant mesh, texture; const char *warning; } rows[] = {
    {"both shipped files", Variant::Shipped, Variant::Shipped, nullptr},
    {"missing mesh", Variant::Missing, Variant::Shipped, badMesh},
    {"text as mesh", Variant::Text, Variant::Shipped, badMesh},
    {"truncated mesh", Variant::Truncated, Variant::Shipped, badMesh},
    {"mesh of a newer format", Variant::NewerVersion, Variant::Shipped, badMesh},
    {"mesh not a local file", Variant::NotLocal, Variant::Shipped, "\"http:.*/mesh\" is not a readable mesh file"},
    {"missing texture", Variant::Shipped, Variant::Missing, badTexture},
    {"truncated texture", Variant::Shipped, Variant::Truncated, badTexture},
    {"both bad: the mesh is named", Variant::Missing, Variant::Missing, badMesh},
};
// clang-format on

QString makeFile(const QTemporaryDir &dir, const char *name, const char *shipped, Variant variant)
{
    if (variant == Variant::NotLocal)
        return QStringLiteral("http://127.0.0.1/%1").arg(QLatin1String(name));
    const QString path = dir.filePath(QLatin1String(name));
    QFile source(QLatin1String(EM_DEVICE_CONFIGURATION_DIR) + QLatin1String(shipped));
    QFile file(path);
    if (variant != Variant::Missing && source.open(QIODevice::ReadOnly)
        && file.open(QIODevice::WriteOnly)) {
        QByteArray bytes = variant == Variant::Text ? "o phone\nv 0 0 0\n" : source.readAll();
        if (variant == Variant::Truncated)
            bytes.chop(bytes.size() / 2);
        if (variant == Variant::NewerVersion)
            bytes[4] = 6;
        file.write(bytes);
    }
    return QUrl::fromLocalFile(path).toString();
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
            const QString mesh = makeFile(dir, "mesh", "/meshes/default.mesh", row.mesh);
            const QString texture = makeFile(dir, "texture", "/textures/default.png", row.texture);
            if (row.warning)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1String(row.warning)));
            QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
            QVERIFY2(SmartphoneModelFiles().check(mesh, texture) == !row.warning, row.tag);
        }
    }
};

QTEST_GUILESS_MAIN(SmartphoneModelFilesTest)

#include "tst_smartphonemodelfiles.moc"
