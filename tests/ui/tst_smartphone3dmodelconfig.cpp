#include "ui/smartphone3dmodelconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace EmulationManagement::Internal;

namespace {

QString applicationDirectory()
{
    return QCoreApplication::applicationDirPath();
}

// What the lookup must give for a path below the application directory.
QString url(const QString &relativePath)
{
    return QUrl::fromLocalFile(applicationDirectory() + QLatin1Char('/') + relativePath).toString();
}

void removeDeviceDirectories()
{
    for (const char *name : {"configs", "meshes", "textures"})
        QDir(applicationDirectory() + QLatin1Char('/') + QLatin1String(name)).removeRecursively();
}

const char standardConfigs[] = "phonex.ini=device-name=Phone X\nmesh=x.json\ntexture=x.png\n|"
                               "default.ini=device-name=default\nmesh=d.json\ntexture=d.png\n";

// Files below configs/ as "name=contents" separated by "|"; "+" first stands
// for the standard configs.
bool writeConfigs(QString files)
{
    if (files.startsWith(QLatin1Char('+')))
        files.replace(0, 1, QLatin1String(standardConfigs) + QLatin1Char('|'));
    const QDir configs(applicationDirectory() + QStringLiteral("/configs"));
    for (const QString &file : files.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString name = file.section(QLatin1Char('='), 0, 0);
        QFile out(configs.filePath(name));
        if (!configs.mkpath(QFileInfo(name).path()))
            return false;
        if (!out.open(QIODevice::WriteOnly)
            || out.write(file.section(QLatin1Char('='), 1).toLatin1()) < 0)
            return false;
    }
    return true;
}

} // namespace

class Smartphone3DModelConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { removeDeviceDirectories(); }
    void cleanup() { removeDeviceDirectories(); }
    void lookup();
    void sameDeviceNameKeepsTheFileReadLast();
    void signalsFollowChanges();
    void shippedConfigsNameShippedFiles();
};

void Smartphone3DModelConfigTest::lookup()
{
    // Null files: no configs/ folder at all; null model: only constructed.
    // clang-format off
    static const struct { const char *files, *deviceModel, *mesh, *texture; } rows[] = {
        {"+", nullptr, "d.json", "d.png"},
        {"+", "Phone X", "x.json", "x.png"},
        {"+", "phone x", "d.json", "d.png"},
        {nullptr, "Phone X", "", ""},
        {"phonex.ini=device-name=Phone X\nmesh=x.json\ntexture=x.png\n", "Phone Y", "", ""},
        {"default.ini=device-name=default\nmesh=d.obj\n", nullptr, "d.obj", ""},
        {"+|nameless.ini=mesh=e.json\ntexture=e.png\n", "", "e.json", "e.png"},
        {"+|broken.ini=[unterminated\n\xff\xfejunk=\n", "Phone X", "x.json", "x.png"},
        {"+|g.ini=[General]\ndevice-name=Phone G\nmesh=g.json\ntexture=g.png\n[model]\nmesh=o.json\ndevice-name=Other\n", "Other", "d.json", "d.png"},
        {"+|y.txt=device-name=Phone Y\nmesh=y.json\n|z.ini.bak=device-name=Phone Y\nmesh=z.json\n", "Phone Y", "d.json", "d.png"},
        {"+|nested/w.ini=device-name=Phone W\nmesh=w.json\n", "Phone W", "d.json", "d.png"},
    };
    // clang-format on
    for (const auto &row : rows) {
        removeDeviceDirectories();
        QVERIFY(!row.files || writeConfigs(QLatin1String(row.files)));
        Smartphone3DModelConfig config;
        if (row.deviceModel) {
            config.selectModelConfig(QStringLiteral("Phone X"));
            config.selectModelConfig(QLatin1String(row.deviceModel));
        }
        QCOMPARE(config.smartphone3DModelMeshUri(),
                 url(QStringLiteral("meshes/") + QLatin1String(row.mesh)));
        QCOMPARE(config.smartphone3DModelTextureUri(),
                 url(QStringLiteral("textures/") + QLatin1String(row.texture)));
        QVERIFY(config.smartphone3DModelConfigured());
    }
}

// Files are read in the order the file system lists them; the later one
// replaces the earlier entry as a whole, nothing is merged.
void Smartphone3DModelConfigTest::sameDeviceNameKeepsTheFileReadLast()
{
    QVERIFY(writeConfigs(QStringLiteral(
        "a.ini=device-name=Phone X\nmesh=a.json\n|b.ini=device-name=Phone X\ntexture=b.png\n")));
    const bool aLast = QDir(applicationDirectory() + QStringLiteral("/configs"))
                           .entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Unsorted)
                           .last()
                       == QLatin1String("a.ini");
    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(config.smartphone3DModelMeshUri(), url(aLast ? "meshes/a.json" : "meshes/"));
    QCOMPARE(config.smartphone3DModelTextureUri(), url(aLast ? "textures/" : "textures/b.png"));
}

void Smartphone3DModelConfigTest::signalsFollowChanges()
{
    QVERIFY(
        writeConfigs(QStringLiteral("+|t.ini=device-name=Phone T\nmesh=x.json\ntexture=t.png\n")));
    Smartphone3DModelConfig config;
    QSignalSpy changed(&config, &Smartphone3DModelConfig::smartphone3DModelConfigChanged);
    QSignalSpy mesh(&config, &Smartphone3DModelConfig::smartphone3DModelMeshUriChanged);
    QSignalSpy texture(&config, &Smartphone3DModelConfig::smartphone3DModelTextureUriChanged);
    QString seenOnChange;
    connect(&config, &Smartphone3DModelConfig::smartphone3DModelConfigChanged, this, [&] {
        seenOnChange = config.smartphone3DModelTextureUri();
    });
    // clang-format off
    const struct { const char *deviceModel; int changedCount, meshCount, textureCount; const char *textureFile; } steps[] = {
        {"Phone X", 1, 1, 1, "x.png"}, {"Phone X", 2, 1, 1, "x.png"}, {"Phone T", 3, 1, 2, "t.png"}, {"Unknown", 4, 2, 3, "d.png"}};
    // clang-format on
    for (const auto &step : steps) {
        config.selectModelConfig(QLatin1String(step.deviceModel));
        QCOMPARE(changed.size(), step.changedCount);
        QCOMPARE(mesh.size(), step.meshCount);
        QCOMPARE(texture.size(), step.textureCount);
        QCOMPARE(seenOnChange, url(QStringLiteral("textures/") + QLatin1String(step.textureFile)));
    }
}

// Every configuration the host ships names a mesh and a texture it ships too.
void Smartphone3DModelConfigTest::shippedConfigsNameShippedFiles()
{
    const QDir shipped(QStringLiteral(EM_DEVICE_CONFIGURATION_DIR));
    const QFileInfoList files = QDir(shipped.filePath(QStringLiteral("configs")))
                                    .entryInfoList({QStringLiteral("*.ini")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QFileInfo &file : files) {
        const QSettings config(file.filePath(), QSettings::IniFormat);
        for (const auto &[key, folder] :
             {std::pair("mesh", "meshes/"), std::pair("texture", "textures/")}) {
            const QString path = shipped.filePath(QLatin1String(folder)
                                                  + config.value(QLatin1String(key)).toString());
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
    }
}

QTEST_GUILESS_MAIN(Smartphone3DModelConfigTest)

#include "tst_smartphone3dmodelconfig.moc"
