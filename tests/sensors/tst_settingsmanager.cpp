#include "sensors/settingsmanager.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace EmulationManagement::Internal;

class SettingsManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsWhenNothingIsStored();
    void writersStoreUnderTheGroupWithTheirTypes();
    void oneInstanceReadsWhatAnotherWrote();
    void gpsPositionWritersAgree();
    void unconvertibleValueReadsAsZero();
    void valuesSurviveANewSettingsObject();

private:
    QString m_fileName;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
};

void SettingsManagerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fileName = m_dir->filePath(QStringLiteral("settings.ini"));
    m_settings = std::make_unique<Utils::QtcSettings>(m_fileName, QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
}

void SettingsManagerTest::cleanup()
{
    m_core.reset();
    m_settings.reset();
    m_dir.reset();
}

void SettingsManagerTest::defaultsWhenNothingIsStored()
{
    const SettingsManager settings;
    QCOMPARE(settings.readAccelerometerX(), 0);
    QCOMPARE(settings.readAccelerometerY(), 0);
    QCOMPARE(settings.readAccelerometerZ(), 1000);
    QCOMPARE(settings.readAlsLux(), 100);
    QCOMPARE(settings.readGyroscopeX(), 0.0);
    QCOMPARE(settings.readGyroscopeY(), 0.0);
    QCOMPARE(settings.readGyroscopeZ(), 1.1459155902616465);
    QCOMPARE(settings.readMagneticFieldX(), 0.0);
    QCOMPARE(settings.readMagneticFieldY(), 5.95);
    QCOMPARE(settings.readMagneticFieldZ(), -48.76);
    QCOMPARE(settings.readMagnetometerX(), 4.3e-05);
    QCOMPARE(settings.readMagnetometerY(), 0.0);
    QCOMPARE(settings.readMagnetometerZ(), 0.0);
    QCOMPARE(settings.readMagnetometerCalibrationLevel(), 0);
    QCOMPARE(settings.readProximityReflectance(), 5);
    QCOMPARE(settings.readTapDirection(), -1);
    QCOMPARE(settings.readGpsLatitude(), 0.0);
    QCOMPARE(settings.readGpsLongitude(), 0.0);
    QCOMPARE(settings.readGpsAltitude(), 0.0);
    QCOMPARE(settings.read3DModelRotationX(), 0.0);
    QCOMPARE(settings.read3DModelRotationY(), 0.0);
    QCOMPARE(settings.read3DModelRotationZ(), 0.0);
    QCOMPARE(settings.read3DModelPositionX(), 0.0);
    QCOMPARE(settings.read3DModelPositionY(), 0.0);
    QCOMPARE(settings.read3DModelPositionZ(), 0.0);
    QCOMPARE(settings.readDoNotShowAgainResetSensorsDialog(), false);
    QVERIFY(m_settings->allKeys().isEmpty());
}

void SettingsManagerTest::writersStoreUnderTheGroupWithTheirTypes()
{
    SettingsManager settings;
    settings.saveAccelerometerValues(1, -2, 3);
    settings.saveAlsLux(400);
    settings.saveGyroscopeValues(0.5, -1.5, 2.25);
    settings.saveMagneticFieldValues(7, 8, 9);
    settings.saveMagnetometerValues(1e-5, 2e-5, -3e-5);
    settings.saveMagnetometerCalibrationLevel(3);
    settings.saveProximityReflectance(10);
    settings.saveTapDirection(6);
    settings.saveGpsPosition(59.9, 30.3, 12.5);
    settings.save3DModelRotationValues(10, 20, 30);
    settings.save3DModelPositionValues(-1, -2, -3);
    settings.saveDoNotShowAgainResetSensorsDialog(true);

    const QStringList expectedKeys
        = {"accelerometer_x",       "accelerometer_y",
           "accelerometer_z",       "als",
           "gyroscope_x",           "gyroscope_y",
           "gyroscope_z",           "magnetic_field_x",
           "magnetic_field_y",      "magnetic_field_z",
           "magnetometer_x",        "magnetometer_y",
           "magnetometer_z",        "magnetometer_calib_level",
           "proximity_reflectance", "tap",
           "gps_latitude",          "gps_longitude",
           "gps_altitude",          "model_rotation_x",
           "model_rotation_y",      "model_rotation_z",
           "model_position_x",      "model_position_y",
           "model_position_z",      "do_not_show_again_reset_sensors_dialog"};
    QStringList stored = m_settings->allKeys();
    stored.sort();
    QStringList expected;
    for (const QString &key : expectedKeys)
        expected.append(QStringLiteral("emulationmanagement/") + key);
    expected.sort();
    QCOMPARE(stored, expected);

    QCOMPARE(m_settings->value(Utils::Key("emulationmanagement/accelerometer_y")).typeId(),
             QMetaType::Int);
    QCOMPARE(m_settings->value(Utils::Key("emulationmanagement/gyroscope_z")).typeId(),
             QMetaType::Double);
    QCOMPARE(
        m_settings->value(Utils::Key("emulationmanagement/do_not_show_again_reset_sensors_dialog"))
            .typeId(),
        QMetaType::Bool);

    QCOMPARE(settings.readAccelerometerX(), 1);
    QCOMPARE(settings.readAccelerometerY(), -2);
    QCOMPARE(settings.readAccelerometerZ(), 3);
    QCOMPARE(settings.readAlsLux(), 400);
    QCOMPARE(settings.readGyroscopeX(), 0.5);
    QCOMPARE(settings.readGyroscopeY(), -1.5);
    QCOMPARE(settings.readGyroscopeZ(), 2.25);
    QCOMPARE(settings.readMagneticFieldX(), 7.0);
    QCOMPARE(settings.readMagneticFieldY(), 8.0);
    QCOMPARE(settings.readMagneticFieldZ(), 9.0);
    QCOMPARE(settings.readMagnetometerX(), 1e-5);
    QCOMPARE(settings.readMagnetometerY(), 2e-5);
    QCOMPARE(settings.readMagnetometerZ(), -3e-5);
    QCOMPARE(settings.readMagnetometerCalibrationLevel(), 3);
    QCOMPARE(settings.readProximityReflectance(), 10);
    QCOMPARE(settings.readTapDirection(), 6);
    QCOMPARE(settings.readGpsLatitude(), 59.9);
    QCOMPARE(settings.readGpsLongitude(), 30.3);
    QCOMPARE(settings.readGpsAltitude(), 12.5);
    QCOMPARE(settings.read3DModelRotationX(), 10.0);
    QCOMPARE(settings.read3DModelRotationY(), 20.0);
    QCOMPARE(settings.read3DModelRotationZ(), 30.0);
    QCOMPARE(settings.read3DModelPositionX(), -1.0);
    QCOMPARE(settings.read3DModelPositionY(), -2.0);
    QCOMPARE(settings.read3DModelPositionZ(), -3.0);
    QCOMPARE(settings.readDoNotShowAgainResetSensorsDialog(), true);
}

void SettingsManagerTest::oneInstanceReadsWhatAnotherWrote()
{
    SettingsManager writer;
    const SettingsManager reader;
    writer.saveAlsLux(2500);
    QCOMPARE(reader.readAlsLux(), 2500);
    writer.saveMagnetometerValues(1, 2, 3);
    QCOMPARE(reader.readMagnetometerY(), 2.0);
    writer.saveDoNotShowAgainResetSensorsDialog(true);
    QVERIFY(reader.readDoNotShowAgainResetSensorsDialog());
}

void SettingsManagerTest::gpsPositionWritersAgree()
{
    SettingsManager settings;
    settings.saveGpsLatitude(1.5);
    settings.saveGpsLongitude(-2.5);
    settings.saveGpsAltitude(3.5);
    QCOMPARE(settings.readGpsLatitude(), 1.5);
    QCOMPARE(settings.readGpsLongitude(), -2.5);
    QCOMPARE(settings.readGpsAltitude(), 3.5);
    settings.saveGpsPosition(-33.8688, 151.2093, -5);
    QCOMPARE(settings.readGpsLatitude(), -33.8688);
    QCOMPARE(settings.readGpsLongitude(), 151.2093);
    QCOMPARE(settings.readGpsAltitude(), -5.0);
}

void SettingsManagerTest::unconvertibleValueReadsAsZero()
{
    m_settings->setValue(Utils::Key("emulationmanagement/tap"), QStringLiteral("abc"));
    m_settings->setValue(Utils::Key("emulationmanagement/gyroscope_z"), QStringLiteral("abc"));
    const SettingsManager settings;
    QCOMPARE(settings.readTapDirection(), 0);
    QCOMPARE(settings.readGyroscopeZ(), 0.0);
}

void SettingsManagerTest::valuesSurviveANewSettingsObject()
{
    {
        SettingsManager settings;
        settings.saveGyroscopeValues(0.1, 0.2, 1.1459155902616465);
        settings.saveTapDirection(5);
    }
    m_core.reset();
    m_settings.reset();
    m_settings = std::make_unique<Utils::QtcSettings>(m_fileName, QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());

    const SettingsManager settings;
    QCOMPARE(settings.readGyroscopeY(), 0.2);
    QCOMPARE(settings.readGyroscopeZ(), 1.1459155902616465);
    QCOMPARE(settings.readTapDirection(), 5);
}

QTEST_GUILESS_MAIN(SettingsManagerTest)

#include "tst_settingsmanager.moc"
