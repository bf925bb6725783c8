#include "ui/smartphone3dmodelconfig.h"

#include <vesk/emulator.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace EmulationManagement::Internal;

namespace {

const QStringList deviceDirectories{
    QStringLiteral("configs"), QStringLiteral("meshes"), QStringLiteral("textures")};

QString applicationDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString configPath(const QString &fileName)
{
    return applicationDirectory() + QStringLiteral("/configs/") + fileName;
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(contents) == contents.size();
}

bool writeConfig(const QString &fileName, const QByteArray &contents)
{
    return QDir(applicationDirectory()).mkpath(QStringLiteral("configs"))
           && writeFile(configPath(fileName), contents);
}

// What the lookup must give for a file below the application directory.
QString expectedUrl(const QString &relativePath)
{
    return QUrl::fromLocalFile(applicationDirectory() + QLatin1Char('/') + relativePath).toString();
}

QByteArray config(const QByteArray &deviceName, const QByteArray &mesh, const QByteArray &texture)
{
    return "device-name=" + deviceName + "\nmesh=" + mesh + "\ntexture=" + texture + "\n";
}

} // namespace

class Smartphone3DModelConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectsTheDeviceModelOrTheDefault_data();
    void selectsTheDeviceModelOrTheDefault();
    void constructionSelectsTheDefault();
    void urlsPointBelowTheApplicationDirectory();
    void missingDirectoryGivesDirectoryUrls();
    void emptyDirectoryGivesDirectoryUrls();
    void missingDefaultGivesDirectoryUrls();
    void missingKeysReadAsEmpty();
    void fileWithoutDeviceNameIsTheEmptyName();
    void malformedFileIsAnEmptyEntryUnderTheEmptyName();
    void sameDeviceNameKeepsTheFileReadLast();
    void onlyTopLevelKeysCount();
    void onlyIniFilesAreRead();
    void filesNeedNotExist();
    void eachSelectionEmitsOneConfigurationSignal();
    void uriSignalsFollowChanges();
    void followsTheEmulatorsDeviceModel();
    void qmlInterface();
    void shippedModelsNameExistingFiles_data();
    void shippedModelsNameExistingFiles();
    void shippedSensorTable();

private:
    void removeDeviceDirectories();
    void writeStandardConfigs();
};

void Smartphone3DModelConfigTest::removeDeviceDirectories()
{
    for (const QString &name : deviceDirectories) {
        QDir directory(applicationDirectory() + QLatin1Char('/') + name);
        if (directory.exists())
            QVERIFY(directory.removeRecursively());
    }
}

void Smartphone3DModelConfigTest::init()
{
    removeDeviceDirectories();
}

void Smartphone3DModelConfigTest::cleanup()
{
    removeDeviceDirectories();
}

void Smartphone3DModelConfigTest::writeStandardConfigs()
{
    QVERIFY(writeConfig(QStringLiteral("phonex.ini"), config("Phone X", "x.json", "x.png")));
    QVERIFY(writeConfig(QStringLiteral("default.ini"), config("default", "d.json", "d.png")));
}

void Smartphone3DModelConfigTest::selectsTheDeviceModelOrTheDefault_data()
{
    QTest::addColumn<QString>("deviceModel");
    QTest::addColumn<QString>("mesh");
    QTest::addColumn<QString>("texture");

    QTest::newRow("configured model") << "Phone X"
                                      << "x.json"
                                      << "x.png";
    QTest::newRow("names match case-sensitively") << "phone x"
                                                  << "d.json"
                                                  << "d.png";
    QTest::newRow("names are not trimmed") << "Phone X "
                                           << "d.json"
                                           << "d.png";
    QTest::newRow("model without configuration") << "Phone Y"
                                                 << "d.json"
                                                 << "d.png";
    QTest::newRow("empty name without entry") << ""
                                              << "d.json"
                                              << "d.png";
    QTest::newRow("default by name") << "default"
                                     << "d.json"
                                     << "d.png";
}

void Smartphone3DModelConfigTest::selectsTheDeviceModelOrTheDefault()
{
    QFETCH(QString, deviceModel);
    QFETCH(QString, mesh);
    QFETCH(QString, texture);

    writeStandardConfigs();
    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));
    config.selectModelConfig(deviceModel);

    QVERIFY(config.smartphone3DModelMeshUri().endsWith(QStringLiteral("/meshes/") + mesh));
    QVERIFY(config.smartphone3DModelTextureUri().endsWith(QStringLiteral("/textures/") + texture));
    QVERIFY(config.smartphone3DModelConfigured());
}

void Smartphone3DModelConfigTest::constructionSelectsTheDefault()
{
    writeStandardConfigs();
    const Smartphone3DModelConfig config;
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.json")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/d.png")));
}

void Smartphone3DModelConfigTest::urlsPointBelowTheApplicationDirectory()
{
    writeStandardConfigs();
    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));

    // The doubled "/" of the path templates does not reach the URL.
    const QString mesh = config.smartphone3DModelMeshUri();
    QCOMPARE(mesh, expectedUrl(QStringLiteral("meshes/x.json")));
    QVERIFY(mesh.startsWith(QLatin1String("file:///")));
    QVERIFY(!mesh.mid(int(qstrlen("file:///"))).contains(QLatin1String("//")));
    QCOMPARE(QUrl(mesh).toLocalFile(), applicationDirectory() + QStringLiteral("/meshes/x.json"));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/x.png")));
}

void Smartphone3DModelConfigTest::missingDirectoryGivesDirectoryUrls()
{
    const Smartphone3DModelConfig config;
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
    // Non-empty URLs, even though they name directories.
    QVERIFY(config.smartphone3DModelConfigured());
}

void Smartphone3DModelConfigTest::emptyDirectoryGivesDirectoryUrls()
{
    QVERIFY(QDir(applicationDirectory()).mkpath(QStringLiteral("configs")));
    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
    QVERIFY(config.smartphone3DModelConfigured());
}

void Smartphone3DModelConfigTest::missingDefaultGivesDirectoryUrls()
{
    QVERIFY(writeConfig(QStringLiteral("phonex.ini"), config("Phone X", "x.json", "x.png")));
    Smartphone3DModelConfig config;
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));

    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/x.json")));

    config.selectModelConfig(QStringLiteral("Phone Y"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
}

void Smartphone3DModelConfigTest::missingKeysReadAsEmpty()
{
    QVERIFY(writeConfig(QStringLiteral("default.ini"), "device-name=default\nmesh=d.obj\n"));
    const Smartphone3DModelConfig config;
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.obj")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
}

void Smartphone3DModelConfigTest::fileWithoutDeviceNameIsTheEmptyName()
{
    writeStandardConfigs();
    QVERIFY(writeConfig(QStringLiteral("nameless.ini"), "mesh=e.json\ntexture=e.png\n"));
    Smartphone3DModelConfig config;
    config.selectModelConfig(QString());
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/e.json")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/e.png")));
}

void Smartphone3DModelConfigTest::malformedFileIsAnEmptyEntryUnderTheEmptyName()
{
    writeStandardConfigs();
    QVERIFY(writeConfig(QStringLiteral("broken.ini"),
                        QByteArray("[unterminated\n\xff\xfe") + '\0' + "junk=\n"));
    Smartphone3DModelConfig config;

    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/x.json")));

    // The empty name now has an entry of its own, so no fallback to the default.
    config.selectModelConfig(QString());
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
}

void Smartphone3DModelConfigTest::sameDeviceNameKeepsTheFileReadLast()
{
    QVERIFY(writeConfig(QStringLiteral("a.ini"), "device-name=Phone X\nmesh=a.json\n"));
    QVERIFY(writeConfig(QStringLiteral("b.ini"), "device-name=Phone X\ntexture=b.png\n"));
    // The files are read in the order the file system lists them.
    const QStringList order
        = QDir(applicationDirectory() + QStringLiteral("/configs"))
              .entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Unsorted);
    QCOMPARE(order.size(), 2);

    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));
    // The later file replaces the earlier entry as a whole; nothing is merged.
    if (order.last() == QLatin1String("a.ini")) {
        QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/a.json")));
        QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/")));
    } else {
        QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
        QCOMPARE(config.smartphone3DModelTextureUri(),
                 expectedUrl(QStringLiteral("textures/b.png")));
    }
}

void Smartphone3DModelConfigTest::onlyTopLevelKeysCount()
{
    QVERIFY(writeConfig(QStringLiteral("general.ini"),
                        "[General]\ndevice-name=Phone G\nmesh=g.json\ntexture=g.png\n"
                        "[model]\nmesh=other.json\ndevice-name=Other\n"));
    QVERIFY(writeConfig(QStringLiteral("grouped.ini"),
                        "[model]\ndevice-name=Phone H\nmesh=h.json\ntexture=h.png\n"));
    QVERIFY(writeConfig(QStringLiteral("default.ini"),
                        "device-name=default\nmesh=d.json\ntexture=d.png\ncolour=red\n"));
    Smartphone3DModelConfig config;

    config.selectModelConfig(QStringLiteral("Phone G"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/g.json")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/g.png")));

    config.selectModelConfig(QStringLiteral("Other"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.json")));

    config.selectModelConfig(QStringLiteral("Phone H"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.json")));

    // The grouped file has no top-level keys: an empty entry under the empty name.
    config.selectModelConfig(QString());
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/")));
}

void Smartphone3DModelConfigTest::onlyIniFilesAreRead()
{
    writeStandardConfigs();
    QVERIFY(writeConfig(QStringLiteral("phoney.txt"), config("Phone Y", "y.json", "y.png")));
    QVERIFY(writeConfig(QStringLiteral("phonez.ini.bak"), config("Phone Z", "z.json", "z.png")));
    QVERIFY(QDir(applicationDirectory()).mkpath(QStringLiteral("configs/folder.ini")));
    QVERIFY(QDir(applicationDirectory()).mkpath(QStringLiteral("configs/nested")));
    QVERIFY(writeFile(configPath(QStringLiteral("nested/phonew.ini")),
                      config("Phone W", "w.json", "w.png")));
    Smartphone3DModelConfig config;

    for (const QString &model :
         {QStringLiteral("Phone Y"), QStringLiteral("Phone Z"), QStringLiteral("Phone W")}) {
        config.selectModelConfig(model);
        QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.json")));
    }
}

void Smartphone3DModelConfigTest::filesNeedNotExist()
{
    writeStandardConfigs();
    Smartphone3DModelConfig config;
    config.selectModelConfig(QStringLiteral("Phone X"));
    QVERIFY(!QFile::exists(applicationDirectory() + QStringLiteral("/meshes/x.json")));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/x.json")));
}

void Smartphone3DModelConfigTest::eachSelectionEmitsOneConfigurationSignal()
{
    writeStandardConfigs();
    Smartphone3DModelConfig config;
    QSignalSpy changed(&config, &Smartphone3DModelConfig::smartphone3DModelConfigChanged);

    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(changed.count(), 1);
    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(changed.count(), 2);
    config.selectModelConfig(QStringLiteral("Unknown"));
    QCOMPARE(changed.count(), 3);
}

void Smartphone3DModelConfigTest::uriSignalsFollowChanges()
{
    writeStandardConfigs();
    QVERIFY(writeConfig(QStringLiteral("phonet.ini"), config("Phone T", "x.json", "t.png")));
    Smartphone3DModelConfig config;
    QSignalSpy mesh(&config, &Smartphone3DModelConfig::smartphone3DModelMeshUriChanged);
    QSignalSpy texture(&config, &Smartphone3DModelConfig::smartphone3DModelTextureUriChanged);
    QStringList seenOnConfigChange;
    connect(&config, &Smartphone3DModelConfig::smartphone3DModelConfigChanged, this, [&] {
        seenOnConfigChange
            = {config.smartphone3DModelMeshUri(), config.smartphone3DModelTextureUri()};
    });

    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(mesh.count(), 1);
    QCOMPARE(texture.count(), 1);
    QCOMPARE(seenOnConfigChange,
             QStringList({expectedUrl(QStringLiteral("meshes/x.json")),
                          expectedUrl(QStringLiteral("textures/x.png"))}));

    config.selectModelConfig(QStringLiteral("Phone X"));
    QCOMPARE(mesh.count(), 1);
    QCOMPARE(texture.count(), 1);

    config.selectModelConfig(QStringLiteral("Phone T"));
    QCOMPARE(mesh.count(), 1);
    QCOMPARE(texture.count(), 2);
    QCOMPARE(seenOnConfigChange.last(), expectedUrl(QStringLiteral("textures/t.png")));
}

void Smartphone3DModelConfigTest::followsTheEmulatorsDeviceModel()
{
    writeStandardConfigs();
    Vesk::Emulator emulator(QStringLiteral("Strova OS Emulator"), QStringLiteral("Phone Y"));
    Smartphone3DModelConfig config;
    connect(&emulator,
            &Vesk::Emulator::deviceModelNameChanged,
            &config,
            &Smartphone3DModelConfig::selectModelConfig);
    config.selectModelConfig(emulator.deviceModel().name);
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/d.json")));

    emulator.setDeviceModelName(QStringLiteral("Phone X"));
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/x.json")));
    QCOMPARE(config.smartphone3DModelTextureUri(), expectedUrl(QStringLiteral("textures/x.png")));
}

void Smartphone3DModelConfigTest::qmlInterface()
{
    const QMetaObject &meta = Smartphone3DModelConfig::staticMetaObject;

    const QList<QPair<const char *, const char *>> properties{
        {"smartphone3DModelMeshUri", "smartphone3DModelMeshUriChanged()"},
        {"smartphone3DModelTextureUri", "smartphone3DModelTextureUriChanged()"},
    };
    for (const auto &[name, notify] : properties) {
        const QMetaProperty property = meta.property(meta.indexOfProperty(name));
        QVERIFY2(property.isValid(), name);
        QCOMPARE(property.metaType(), QMetaType::fromType<QString>());
        QVERIFY(property.isReadable());
        QVERIFY(!property.isWritable());
        QCOMPARE(property.notifySignal().methodSignature(), QByteArray(notify));
    }

    QStringList signalOrder;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            signalOrder.append(QString::fromLatin1(meta.method(i).methodSignature()));
    }
    QCOMPARE(signalOrder,
             QStringList({"smartphone3DModelConfigChanged()",
                          "smartphone3DModelMeshUriChanged()",
                          "smartphone3DModelTextureUriChanged()"}));

    const QMetaMethod configured = meta.method(meta.indexOfMethod("smartphone3DModelConfigured()"));
    QCOMPARE(configured.methodType(), QMetaMethod::Method);
    QCOMPARE(configured.returnMetaType(), QMetaType::fromType<bool>());
    QVERIFY(meta.indexOfMethod("selectModelConfig(QString)") < 0);
}

void Smartphone3DModelConfigTest::shippedModelsNameExistingFiles_data()
{
    QTest::addColumn<QString>("deviceModel");
    QTest::addColumn<QString>("mesh");
    QTest::addColumn<QString>("texture");
    QTest::newRow("demo device") << "Strova Phone 5"
                                 << "strova-phone-5.mesh"
                                 << "strova-phone-5.png";
    QTest::newRow("other device") << "Strova Phone 4"
                                  << "default.mesh"
                                  << "default.png";
}

void Smartphone3DModelConfigTest::shippedModelsNameExistingFiles()
{
    QFETCH(QString, deviceModel);
    QFETCH(QString, mesh);
    QFETCH(QString, texture);

    const QDir shipped(QStringLiteral(EM_DEVICE_CONFIGURATION_DIR));
    for (const QString &name : deviceDirectories) {
        QVERIFY(QDir(applicationDirectory()).mkpath(name));
        const QStringList files = QDir(shipped.filePath(name)).entryList(QDir::Files);
        QVERIFY2(!files.isEmpty(), qPrintable(name));
        for (const QString &file : files) {
            QVERIFY(QFile::copy(shipped.filePath(name + QLatin1Char('/') + file),
                                applicationDirectory() + QLatin1Char('/') + name + QLatin1Char('/')
                                    + file));
        }
    }

    Smartphone3DModelConfig config;
    config.selectModelConfig(deviceModel);
    QCOMPARE(config.smartphone3DModelMeshUri(), expectedUrl(QStringLiteral("meshes/") + mesh));
    QCOMPARE(config.smartphone3DModelTextureUri(),
             expectedUrl(QStringLiteral("textures/") + texture));
    QVERIFY(QFileInfo(QUrl(config.smartphone3DModelMeshUri()).toLocalFile()).isFile());
    QVERIFY(QFileInfo(QUrl(config.smartphone3DModelTextureUri()).toLocalFile()).isFile());
}

void Smartphone3DModelConfigTest::shippedSensorTable()
{
    const QSettings table(QStringLiteral(EM_DEVICE_CONFIGURATION_DIR "/strova-phone-5.ini"),
                          QSettings::IniFormat);
    QCOMPARE(table.status(), QSettings::NoError);
    QCOMPARE(table.value(QStringLiteral("device-name")).toString(),
             QStringLiteral("Strova Phone 5"));

    const QStringList sensorNames{"accelerometer",
                                  "als",
                                  "compass",
                                  "gyroscope",
                                  "magneticField",
                                  "magnetometer",
                                  "orientation",
                                  "proximity",
                                  "tap"};
    QStringList keys = table.allKeys();
    keys.sort();
    QStringList expectedKeys{QStringLiteral("device-name")};
    for (const QString &name : sensorNames)
        expectedKeys.append(QStringLiteral("sensors/") + name);
    expectedKeys.sort();
    QCOMPARE(keys, expectedKeys);

    QStringList unavailable;
    for (const QString &name : sensorNames) {
        if (!table.value(QStringLiteral("sensors/") + name, true).toBool())
            unavailable.append(name);
    }
    QCOMPARE(unavailable, QStringList{QStringLiteral("proximity")});
}

QTEST_GUILESS_MAIN(Smartphone3DModelConfigTest)

#include "tst_smartphone3dmodelconfig.moc"
