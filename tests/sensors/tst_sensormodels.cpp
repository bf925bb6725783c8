#include "sensors/accelerometermodel.h"
#include "sensors/alsmodel.h"
#include "sensors/compassmodel.h"
#include "sensors/gyroscopemodel.h"
#include "sensors/magneticfieldmodel.h"
#include "sensors/magnetometermodel.h"
#include "sensors/orientationmodel.h"
#include "sensors/positionmodel.h"
#include "sensors/proximitymodel.h"
#include "sensors/tapmodel.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace EmulationManagement::Internal;

class SensorModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void namesAndDefaults();
    void xyzPropertiesReadAndWrite();
    void settersNotifyAlsoWithoutChange();
    void restoreDefaultsGoesThroughTheSetters();
    void enumerationsAreVisibleToQml();

    void azimuth_data();
    void azimuth();
    void azimuthOfAFlatDeviceFollowsTheField();
    void azimuthWithoutDirectionIsZero_data();
    void azimuthWithoutDirectionIsZero();

    void orientation_data();
    void orientation();
    void orientationNotifiesEveryUpdate();

    void positionStartsAtZero();
    void positionSetValuesNotifiesInOrder();
    void positionSettersNotifyAlsoWithoutChange();
};

void SensorModelsTest::namesAndDefaults()
{
    const AccelerometerModel accelerometer;
    QCOMPARE(accelerometer.sensorName(), "accelerometer");
    QCOMPARE(accelerometer.x(), 0);
    QCOMPARE(accelerometer.y(), 0);
    QCOMPARE(accelerometer.z(), 1000);

    const GyroscopeModel gyroscope;
    QCOMPARE(gyroscope.sensorName(), "gyroscope");
    QCOMPARE(gyroscope.x(), 0.0);
    QCOMPARE(gyroscope.y(), 0.0);
    QCOMPARE(gyroscope.z(), 1.1459155902616465);

    const MagneticFieldModel magneticField;
    QCOMPARE(magneticField.sensorName(), "magneticField");
    QCOMPARE(magneticField.x(), 0.0);
    QCOMPARE(magneticField.y(), 5.95);
    QCOMPARE(magneticField.z(), -48.76);

    const MagnetometerModel magnetometer;
    QCOMPARE(magnetometer.sensorName(), "magnetometer");
    QCOMPARE(magnetometer.x(), 4.3e-05);
    QCOMPARE(magnetometer.y(), 0.0);
    QCOMPARE(magnetometer.z(), 0.0);
    QCOMPARE(magnetometer.calibrationLevel(), 0);

    const CompassModel compass;
    QCOMPARE(compass.sensorName(), "compass");
    QCOMPARE(compass.azimuth(), 270);
    QCOMPARE(compass.calibrationLevel(), 0);

    const AlsModel als;
    QCOMPARE(als.sensorName(), "als");
    QCOMPARE(als.lux(), 100);

    const OrientationModel orientation;
    QCOMPARE(orientation.sensorName(), "orientation");
    QCOMPARE(orientation.orientation(), QOrientationReading::FaceUp);

    const ProximityModel proximity;
    QCOMPARE(proximity.sensorName(), "proximity");
    QCOMPARE(proximity.reflectance(), 5);

    const TapModel tap;
    QCOMPARE(tap.sensorName(), "tap");
    QCOMPARE(tap.tapDirection(), TapModel::Undefined);
}

void SensorModelsTest::xyzPropertiesReadAndWrite()
{
    AccelerometerModel accelerometer;
    QSignalSpy y(&accelerometer, &IntXYZModel::yChanged);
    QVERIFY(accelerometer.setProperty("y", -981));
    QCOMPARE(accelerometer.y(), -981);
    QCOMPARE(accelerometer.property("y").toInt(), -981);
    QCOMPARE(y.size(), 1);

    MagnetometerModel magnetometer;
    QSignalSpy z(&magnetometer, &DoubleXYZModel::zChanged);
    XYZModel<double> &base = magnetometer;
    base.setZ(-2.5e-05); // through the template's virtual setter
    QCOMPARE(z.size(), 1);
    QCOMPARE(magnetometer.property("z").toDouble(), -2.5e-05);
    QVERIFY(magnetometer.setProperty("calibrationLevel", 3));
    QCOMPARE(magnetometer.calibrationLevel(), 3);
}

void SensorModelsTest::settersNotifyAlsoWithoutChange()
{
    GyroscopeModel gyroscope;
    QSignalSpy x(&gyroscope, &DoubleXYZModel::xChanged);
    gyroscope.setX(gyroscope.x());
    QCOMPARE(x.size(), 1);

    CompassModel compass;
    QSignalSpy azimuth(&compass, &CompassModel::azimuthChanged);
    QSignalSpy calibration(&compass, &CompassModel::calibrationLevelChanged);
    compass.setAzimuth(compass.azimuth());
    compass.setCalibrationLevel(compass.calibrationLevel());
    QCOMPARE(azimuth.size(), 1);
    QCOMPARE(calibration.size(), 1);

    AlsModel als;
    QSignalSpy lux(&als, &AlsModel::luxChanged);
    als.setLux(100);
    QCOMPARE(lux.size(), 1);

    ProximityModel proximity;
    QSignalSpy reflectance(&proximity, &ProximityModel::reflectanceChanged);
    proximity.setReflectance(5);
    QCOMPARE(reflectance.size(), 1);

    TapModel tap;
    QSignalSpy direction(&tap, &TapModel::tapDirectionChanged);
    tap.setTapDirection(TapModel::Undefined);
    QCOMPARE(direction.size(), 1);

    OrientationModel orientation;
    QSignalSpy orientationSpy(&orientation, &OrientationModel::orientationChanged);
    orientation.setOrientation(QOrientationReading::FaceUp);
    QCOMPARE(orientationSpy.size(), 1);
}

void SensorModelsTest::restoreDefaultsGoesThroughTheSetters()
{
    AccelerometerModel accelerometer;
    accelerometer.setX(1);
    accelerometer.setY(2);
    accelerometer.setZ(3);
    QStringList order;
    connect(&accelerometer, &IntXYZModel::xChanged, this, [&] { order << "x"; });
    connect(&accelerometer, &IntXYZModel::yChanged, this, [&] { order << "y"; });
    connect(&accelerometer, &IntXYZModel::zChanged, this, [&] { order << "z"; });
    accelerometer.restoreDefaults();
    QCOMPARE(order, QStringList({"x", "y", "z"}));
    QCOMPARE(accelerometer.z(), 1000);

    GyroscopeModel gyroscope;
    gyroscope.setZ(0);
    gyroscope.restoreDefaults();
    QCOMPARE(gyroscope.z(), 1.1459155902616465);

    MagneticFieldModel magneticField;
    magneticField.setY(0);
    magneticField.setZ(0);
    magneticField.restoreDefaults();
    QCOMPARE(magneticField.y(), 5.95);
    QCOMPARE(magneticField.z(), -48.76);

    MagnetometerModel magnetometer;
    magnetometer.setX(1);
    magnetometer.setCalibrationLevel(3);
    order.clear();
    connect(&magnetometer, &DoubleXYZModel::zChanged, this, [&] { order << "z"; });
    connect(&magnetometer, &MagnetometerModel::calibrationLevelChanged, this, [&] {
        order << "calibrationLevel";
    });
    magnetometer.restoreDefaults();
    QCOMPARE(order, QStringList({"z", "calibrationLevel"}));
    QCOMPARE(magnetometer.x(), 4.3e-05);
    QCOMPARE(magnetometer.calibrationLevel(), 0);

    CompassModel compass;
    compass.setAzimuth(12);
    compass.setCalibrationLevel(2);
    order.clear();
    connect(&compass, &CompassModel::azimuthChanged, this, [&] { order << "azimuth"; });
    connect(&compass, &CompassModel::calibrationLevelChanged, this, [&] {
        order << "calibrationLevel";
    });
    compass.restoreDefaults();
    QCOMPARE(order, QStringList({"azimuth", "calibrationLevel"}));
    QCOMPARE(compass.azimuth(), 270);
    QCOMPARE(compass.calibrationLevel(), 0);

    AlsModel als;
    als.setLux(3);
    QSignalSpy lux(&als, &AlsModel::luxChanged);
    als.restoreDefaults();
    QCOMPARE(lux.size(), 1);
    QCOMPARE(als.lux(), 100);

    OrientationModel orientation;
    orientation.updateFromAccelerometer(0, 0, -1000);
    QCOMPARE(orientation.orientation(), QOrientationReading::FaceDown);
    orientation.restoreDefaults();
    QCOMPARE(orientation.orientation(), QOrientationReading::FaceUp);

    ProximityModel proximity;
    proximity.setReflectance(0);
    proximity.restoreDefaults();
    QCOMPARE(proximity.reflectance(), 5);

    TapModel tap;
    tap.setTapDirection(TapModel::Z_Pos);
    QSignalSpy direction(&tap, &TapModel::tapDirectionChanged);
    tap.restoreDefaults();
    QCOMPARE(direction.size(), 1);
    QCOMPARE(tap.tapDirection(), TapModel::Undefined);
}

void SensorModelsTest::enumerationsAreVisibleToQml()
{
    const QMetaEnum light = QMetaEnum::fromType<AlsModel::LightLevel>();
    QCOMPARE(light.enclosingMetaObject(), &AlsModel::staticMetaObject);
    const QList<std::pair<const char *, int>> levels = {{"Undefined", -1},
                                                        {"Dark", 0},
                                                        {"Twilight", 10},
                                                        {"Light", 80},
                                                        {"Bright", 400},
                                                        {"Sunny", 2500}};
    QCOMPARE(light.keyCount(), int(levels.size()));
    for (const auto &[key, value] : levels)
        QCOMPARE(light.keyToValue(key), value);

    const QMetaEnum tap = QMetaEnum::fromType<TapModel::TapDirection>();
    QCOMPARE(tap.enclosingMetaObject(), &TapModel::staticMetaObject);
    const QStringList directions = {"Undefined",
                                    "X_Both",
                                    "Y_Both",
                                    "Z_Both",
                                    "X_Pos",
                                    "X_Neg",
                                    "Z_Neg",
                                    "Z_Pos",
                                    "Y_Pos",
                                    "Y_Neg"};
    QCOMPARE(tap.keyCount(), int(directions.size()));
    for (int i = 0; i < directions.size(); ++i)
        QCOMPARE(tap.keyToValue(directions.at(i).toLatin1().constData()), i - 1);

    const QMetaEnum mode = QMetaEnum::fromType<OrientationModel::OrientationMode>();
    QCOMPARE(mode.enclosingMetaObject(), &OrientationModel::staticMetaObject);
    QCOMPARE(mode.keyToValue("Portrait"), 0);
    QCOMPARE(mode.keyToValue("Landscape"), 1);

    TapModel model;
    QVERIFY(model.setProperty("tapDirection", int(TapModel::Y_Neg)));
    QCOMPARE(model.tapDirection(), TapModel::Y_Neg);
    OrientationModel orientation;
    orientation.updateFromAccelerometer(0, 100, 0);
    QCOMPARE(orientation.property("orientation").toInt(), int(QOrientationReading::TopUp));
}

void SensorModelsTest::azimuth_data()
{
    QTest::addColumn<int>("ax");
    QTest::addColumn<int>("ay");
    QTest::addColumn<int>("az");
    QTest::addColumn<double>("mx");
    QTest::addColumn<double>("my");
    QTest::addColumn<double>("mz");
    QTest::addColumn<int>("azimuth");

    QTest::newRow("flat, field along x") << 0 << 0 << 1000 << 4.3e-05 << 0.0 << 0.0 << 270;
    QTest::newRow("flat, field along y wraps 360 to 0")
        << 0 << 0 << 1000 << 0.0 << 4.3e-05 << 0.0 << 0;
    QTest::newRow("flat, field against y") << 0 << 0 << 1000 << 0.0 << -4.3e-05 << 0.0 << 180;
    QTest::newRow("flat, field against x") << 0 << 0 << 1000 << -4.3e-05 << 0.0 << 0.0 << 90;
    QTest::newRow("any field length") << 0 << 0 << 1000 << 0.0 << 48.0 << 0.0 << 0;
    QTest::newRow("face down, field along x") << 0 << 0 << -1000 << 4.3e-05 << 0.0 << 0.0 << 90;
}

void SensorModelsTest::azimuth()
{
    QFETCH(int, ax);
    QFETCH(int, ay);
    QFETCH(int, az);
    QFETCH(double, mx);
    QFETCH(double, my);
    QFETCH(double, mz);
    QFETCH(int, azimuth);
    QCOMPARE(CompassModel::calculateAzimuth(ax, ay, az, mx, my, mz), azimuth);
}

void SensorModelsTest::azimuthOfAFlatDeviceFollowsTheField()
{
    const double k = std::sqrt(19.0) / 100000;
    for (int a = 0; a < 360; ++a) {
        const double angle = -a * 0.017453292519943295;
        QCOMPARE(
            CompassModel::calculateAzimuth(0, 0, 1000, k * std::sin(angle), k * std::cos(angle), 0),
            a);
    }
}

void SensorModelsTest::azimuthWithoutDirectionIsZero_data()
{
    QTest::addColumn<int>("ax");
    QTest::addColumn<int>("ay");
    QTest::addColumn<int>("az");
    QTest::addColumn<double>("mx");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("zero accelerometer") << 0 << 0 << 0 << 4.3e-05;
    QTest::newRow("not a number in the field") << 0 << 0 << 1000 << nan;
}

void SensorModelsTest::azimuthWithoutDirectionIsZero()
{
    QFETCH(int, ax);
    QFETCH(int, ay);
    QFETCH(int, az);
    QFETCH(double, mx);
    QCOMPARE(CompassModel::calculateAzimuth(ax, ay, az, mx, 0, 0), 0);
}

void SensorModelsTest::orientation_data()
{
    QTest::addColumn<QList<double>>("readings");
    QTest::addColumn<int>("orientation");

    using O = QOrientationReading;
    QTest::newRow("top up") << QList<double>{0, 100, 0} << int(O::TopUp);
    QTest::newRow("top down") << QList<double>{0, -100, 0} << int(O::TopDown);
    QTest::newRow("left up") << QList<double>{-100, 0, 0} << int(O::LeftUp);
    QTest::newRow("right up") << QList<double>{100, 0, 0} << int(O::RightUp);
    QTest::newRow("face up") << QList<double>{0, 0, 300} << int(O::FaceUp);
    QTest::newRow("face down") << QList<double>{0, 0, -300} << int(O::FaceDown);
    QTest::newRow("weak z keeps face down")
        << QList<double>{0, 0, -300, 0, 0, 100} << int(O::FaceDown);
    QTest::newRow("weak negative z keeps face up") << QList<double>{0, 0, -299} << int(O::FaceUp);
    QTest::newRow("side with negative z resets face to up")
        << QList<double>{0, 0, -300, -1000, 0, -1000, 0, 0, 100} << int(O::FaceUp);
    QTest::newRow("side wins over face") << QList<double>{-1000, 0, -1000} << int(O::LeftUp);
    QTest::newRow("x tilt wins over y tilt") << QList<double>{600, 700, 0} << int(O::RightUp);
    QTest::newRow("x tilt rounding to 25 is flat") << QList<double>{476, 0, 1000} << int(O::FaceUp);
    QTest::newRow("x tilt rounding to 26 is a side")
        << QList<double>{477, 0, 1000} << int(O::RightUp);
    QTest::newRow("negative x tilt rounding to 26")
        << QList<double>{-477, 0, 1000} << int(O::LeftUp);
    QTest::newRow("y tilt rounding to 20 is flat") << QList<double>{0, 373, 1000} << int(O::FaceUp);
    QTest::newRow("y tilt rounding to 21 is a side")
        << QList<double>{0, 374, 1000} << int(O::TopUp);
    QTest::newRow("negative y tilt rounding to 21")
        << QList<double>{0, -374, 1000} << int(O::TopDown);
    QTest::newRow("zero reading keeps face down")
        << QList<double>{0, 0, -300, 0, 0, 0} << int(O::FaceDown);
    QTest::newRow("zero reading on a fresh model") << QList<double>{0, 0, 0} << int(O::FaceUp);
    QTest::newRow("not a number keeps the face")
        << QList<double>{0, 0, -300, std::numeric_limits<double>::quiet_NaN(), 0, 0}
        << int(O::FaceDown);
}

void SensorModelsTest::orientation()
{
    QFETCH(QList<double>, readings);
    QFETCH(int, orientation);

    OrientationModel model;
    for (int i = 0; i + 2 < readings.size(); i += 3)
        model.updateFromAccelerometer(readings.at(i), readings.at(i + 1), readings.at(i + 2));
    QCOMPARE(int(model.orientation()), orientation);
}

void SensorModelsTest::orientationNotifiesEveryUpdate()
{
    OrientationModel model;
    QSignalSpy changed(&model, &OrientationModel::orientationChanged);
    model.updateFromAccelerometer(0, 0, 1000);
    model.updateFromAccelerometer(0, 0, 1000);
    QCOMPARE(changed.size(), 2);
}

void SensorModelsTest::positionStartsAtZero()
{
    const PositionModel position;
    QCOMPARE(position.latitude(), 0.0);
    QCOMPARE(position.longitude(), 0.0);
    QCOMPARE(position.altitude(), 0.0);
}

void SensorModelsTest::positionSetValuesNotifiesInOrder()
{
    PositionModel position;
    QStringList order;
    connect(&position, &PositionModel::latitudeChanged, this, [&] { order << "latitude"; });
    connect(&position, &PositionModel::longitudeChanged, this, [&] {
        QCOMPARE(position.latitude(), 59.93);
        order << "longitude";
    });
    connect(&position, &PositionModel::altitudeChanged, this, [&] { order << "altitude"; });

    QVERIFY(QMetaObject::invokeMethod(
        &position, "setValues", Q_ARG(double, 59.93), Q_ARG(double, 30.31), Q_ARG(double, -4.5)));
    QCOMPARE(order, QStringList({"latitude", "longitude", "altitude"}));
    QCOMPARE(position.latitude(), 59.93);
    QCOMPARE(position.longitude(), 30.31);
    QCOMPARE(position.altitude(), -4.5);
}

void SensorModelsTest::positionSettersNotifyAlsoWithoutChange()
{
    PositionModel position;
    QSignalSpy latitude(&position, &PositionModel::latitudeChanged);
    QVERIFY(position.setProperty("latitude", 0.0));
    QCOMPARE(latitude.size(), 1);
    QVERIFY(position.setProperty("longitude", 12.0));
    QVERIFY(position.setProperty("altitude", 3.0));
    QCOMPARE(position.property("longitude").toDouble(), 12.0);
    QCOMPARE(position.property("altitude").toDouble(), 3.0);
}

QTEST_GUILESS_MAIN(SensorModelsTest)

#include "tst_sensormodels.moc"
