#include "sensors/settingsmanager.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace EmulationManagement::Internal;
using S = SettingsManager;

class SettingsManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyValueHasItsKeyAndType();
    void oneInstanceReadsWhatAnotherWrote();
    void unconvertibleValueReadsAsZero();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
};

void SettingsManagerTest::init()
{
    QVERIFY(m_dir.isValid());
    m_settings = std::make_unique<Utils::QtcSettings>(m_dir.filePath(QStringLiteral("s.ini")),
                                                      QSettings::IniFormat);
    m_settings->clear();
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
}

void SettingsManagerTest::cleanup()
{
    m_core.reset();
    m_settings.reset();
}

void SettingsManagerTest::everyValueHasItsKeyAndType()
{
    S settings;
    settings.saveAccelerometerValues(1, 2, 3);
    settings.saveAlsLux(4);
    settings.saveGyroscopeValues(5.5, 6.5, 7.5);
    settings.saveMagneticFieldValues(8.5, 9.5, 10.5);
    settings.saveMagnetometerValues(1e-5, 2e-5, 3e-5);
    settings.saveMagnetometerCalibrationLevel(11);
    settings.saveProximityReflectance(12);
    settings.saveTapDirection(13);
    settings.saveGpsPosition(14.5, 15.5, 16.5);
    settings.save3DModelRotationValues(17.5, 18.5, 19.5);
    settings.save3DModelPositionValues(20.5, 21.5, 22.5);
    settings.saveDoNotShowAgainResetSensorsDialog(true);
    S gps;
    gps.saveGpsLatitude(-1.5);
    gps.saveGpsLongitude(-2.5);
    gps.saveGpsAltitude(-3.5);

    struct Row
    {
        const char *key;
        QVariant (*read)(const S &);
        QVariant value;
    };
    // clang-format off
    const Row rows[] = {
        {"accelerometer_x", [](const S &s) { return QVariant(s.readAccelerometerX()); }, 1},
        {"accelerometer_y", [](const S &s) { return QVariant(s.readAccelerometerY()); }, 2},
        {"accelerometer_z", [](const S &s) { return QVariant(s.readAccelerometerZ()); }, 3},
        {"als", [](const S &s) { return QVariant(s.readAlsLux()); }, 4},
        {"gyroscope_x", [](const S &s) { return QVariant(s.readGyroscopeX()); }, 5.5},
        {"gyroscope_y", [](const S &s) { return QVariant(s.readGyroscopeY()); }, 6.5},
        {"gyroscope_z", [](const S &s) { return QVariant(s.readGyroscopeZ()); }, 7.5},
        {"magnetic_field_x", [](const S &s) { return QVariant(s.readMagneticFieldX()); }, 8.5},
        {"magnetic_field_y", [](const S &s) { return QVariant(s.readMagneticFieldY()); }, 9.5},
        {"magnetic_field_z", [](const S &s) { return QVariant(s.readMagneticFieldZ()); }, 10.5},
        {"magnetometer_x", [](const S &s) { return QVariant(s.readMagnetometerX()); }, 1e-5},
        {"magnetometer_y", [](const S &s) { return QVariant(s.readMagnetometerY()); }, 2e-5},
        {"magnetometer_z", [](const S &s) { return QVariant(s.readMagnetometerZ()); }, 3e-5},
        {"magnetometer_calib_level", [](const S &s) { return QVariant(s.readMagnetometerCalibrationLevel()); }, 11},
        {"proximity_reflectance", [](const S &s) { return QVariant(s.readProximityReflectance()); }, 12},
        {"tap", [](const S &s) { return QVariant(s.readTapDirection()); }, 13},
        {"gps_latitude", [](const S &s) { return QVariant(s.readGpsLatitude()); }, -1.5},
        {"gps_longitude", [](const S &s) { return QVariant(s.readGpsLongitude()); }, -2.5},
        {"gps_altitude", [](const S &s) { return QVariant(s.readGpsAltitude()); }, -3.5},
        {"model_rotation_x", [](const S &s) { return QVariant(s.read3DModelRotationX()); }, 17.5},
        {"model_rotation_y", [](const S &s) { return QVariant(s.read3DModelRotationY()); }, 18.5},
        {"model_rotation_z", [](const S &s) { return QVariant(s.read3DModelRotationZ()); }, 19.5},
        {"model_position_x", [](const S &s) { return QVariant(s.read3DModelPositionX()); }, 20.5},
        {"model_position_y", [](const S &s) { return QVariant(s.read3DModelPositionY()); }, 21.5},
        {"model_position_z", [](const S &s) { return QVariant(s.read3DModelPositionZ()); }, 22.5},
        {"do_not_show_again_reset_sensors_dialog", [](const S &s) { return QVariant(s.readDoNotShowAgainResetSensorsDialog()); }, true},
    };
    // clang-format on
    QStringList keys;
    for (const Row &row : rows) {
        const QString key = QStringLiteral("emulationmanagement/") + QLatin1String(row.key);
        keys.append(key);
        const QVariant stored = m_settings->value(Utils::keyFromString(key));
        QCOMPARE(stored, row.value);
        QCOMPARE(stored.typeId(), row.value.typeId());
        QCOMPARE(row.read(settings), row.value);
    }
    QStringList stored = m_settings->allKeys();
    stored.sort();
    keys.sort();
    QCOMPARE(stored, keys);
}

void SettingsManagerTest::oneInstanceReadsWhatAnotherWrote()
{
    S writer;
    const S reader;
    writer.saveAlsLux(2500);
    QCOMPARE(reader.readAlsLux(), 2500);
    writer.saveDoNotShowAgainResetSensorsDialog(true);
    QVERIFY(reader.readDoNotShowAgainResetSensorsDialog());
}

void SettingsManagerTest::unconvertibleValueReadsAsZero()
{
    m_settings->setValue(Utils::Key("emulationmanagement/tap"), QStringLiteral("abc"));
    m_settings->setValue(Utils::Key("emulationmanagement/gyroscope_z"), QStringLiteral("abc"));
    const S settings;
    QCOMPARE(settings.readTapDirection(), 0);
    QCOMPARE(settings.readGyroscopeZ(), 0.0);
}

QTEST_GUILESS_MAIN(SettingsManagerTest)

#include "tst_settingsmanager.moc"
