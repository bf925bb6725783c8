#include "fuzzcheck.h"

#include "plugin/devicesensortables.h"
#include "ui/smartphone3dmodelconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace EmulationManagement::Internal;

namespace {

// Device configuration files are a few lines each.
const size_t cap = 64 << 10;
const EmulationManagement::Fuzz::TimeBudget budget{100, 20000};

const QStringList sensorNames = {"accelerometer", "als", "compass", "gyroscope",
                                 "magnetometer", "orientation", "proximity", "tap"};

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void write(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), bytes.size());
}

// Each file is one table; only switchable sensors, each on or off.
void checkSensorTables(QByteArrayView bytes)
{
    static QTemporaryDir dir;
    static int run = 0;
    // A new name each time: QSettings keeps what it read of a file.
    const QString path = dir.filePath(QStringLiteral("%1.ini").arg(++run));
    write(path, bytes);
    const QVariantMap tables = readDeviceSensorTables(dir.path(), sensorNames);
    QFile::remove(path);
    FUZZ_CHECK(tables.size() == 1);
    const QVariantMap table = tables.first().toMap();
    for (auto entry = table.cbegin(); entry != table.cend(); ++entry) {
        FUZZ_CHECK(sensorNames.contains(entry.key()));
        FUZZ_CHECK(entry.value().typeId() == QMetaType::Bool);
    }
}

// Beside a fixed default, whatever the file holds: an unknown device gets
// the default's files, and every selection is announced once.
void checkModelConfig(QByteArrayView bytes)
{
    const QString configs = QCoreApplication::applicationDirPath() + QStringLiteral("/configs");
    static const bool made = QDir().mkpath(configs);
    FUZZ_CHECK(made);
    static int run = 0;
    const QString path = QStringLiteral("%1/fuzzed-%2.ini").arg(configs).arg(++run);
    write(configs + QStringLiteral("/0-default.ini"), "device-name=default\nmesh=d.mesh\ntexture=d.png\n");
    write(path, bytes);
    Smartphone3DModelConfig config;
    QFile::remove(path);
    FUZZ_CHECK(config.smartphone3DModelConfigured());
    int changed = 0;
    QObject::connect(&config, &Smartphone3DModelConfig::smartphone3DModelConfigChanged, [&changed] {
        ++changed;
    });
    config.selectModelConfig(QStringLiteral("default"));
    const QString mesh = config.smartphone3DModelMeshUri();
    const QString texture = config.smartphone3DModelTextureUri();
    config.selectModelConfig(QStringLiteral("no such device"));
    FUZZ_CHECK(changed == 2);
    FUZZ_CHECK(config.smartphone3DModelMeshUri() == mesh);
    FUZZ_CHECK(config.smartphone3DModelTextureUri() == texture);
    FUZZ_CHECK(mesh.startsWith(QLatin1String("file:")) && texture.startsWith(QLatin1String("file:")));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler(quiet);
    return 0;
}

// The first byte picks the kind of file; the rest is its text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return EmulationManagement::Fuzz::checkInput(data, size, cap, budget, [](QByteArrayView bytes) {
        if (bytes.isEmpty())
            return -1;
        if (bytes.front() % 2 == 0)
            checkSensorTables(bytes.sliced(1));
        else
            checkModelConfig(bytes.sliced(1));
        return 0;
    });
}
