#include "sensors/compassmodel.h"
#include "sensors/orientationmodel.h"
#include "sensors/tapmodel.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace EmulationManagement::Internal;

class SensorModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void azimuth();
    void azimuthOfAFlatDeviceFollowsTheField();
    void orientation();
    void qmlWritesEnumerationsAsInts();
};

void SensorModelsTest::azimuth()
{
    struct Row
    {
        int ax, ay, az;
        double mx, my, mz;
        int azimuth;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {0, 0, 1000, 4.3e-05, 0, 0, 270},
        {0, 0, 1000, 0, 4.3e-05, 0, 0}, // 360 wraps to 0
        {0, 0, 1000, 0, -4.3e-05, 0, 180},
        {0, 0, 1000, -4.3e-05, 0, 0, 90},
        {0, 0, 1000, 0, 48, 0, 0}, // any field length
        {0, 0, -1000, 4.3e-05, 0, 0, 90},
        {0, 0, 0, 4.3e-05, 0, 0, 0}, // no direction at all
        {0, 0, 1000, nan, 0, 0, 0},
        {0, 0, 1000, inf, 0, 0, 0},
    };
    for (const Row &r : rows)
        QCOMPARE(CompassModel::calculateAzimuth(r.ax, r.ay, r.az, r.mx, r.my, r.mz), r.azimuth);
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

void SensorModelsTest::orientation()
{
    struct Row
    {
        const char *readings; // accelerometer updates, one x,y,z triple each
        QOrientationReading::Orientation orientation;
    };
    using O = QOrientationReading;
    static const Row rows[] = {
        {"0,100,0", O::TopUp},
        {"0,-100,0", O::TopDown},
        {"-100,0,0", O::LeftUp},
        {"100,0,0", O::RightUp},
        {"0,0,300", O::FaceUp},
        {"0,0,-300", O::FaceDown},
        {"0,0,-300 0,0,100", O::FaceDown},             // weak z keeps the face
        {"0,0,-299", O::FaceUp},                       // too weak to turn it
        {"0,0,-300 -1000,0,-1000 0,0,100", O::FaceUp}, // a side resets the face
        {"-1000,0,-1000", O::LeftUp},                  // side wins over face
        {"600,700,0", O::RightUp},                     // x tilt wins over y tilt
        {"476,0,1000", O::FaceUp},                     // x tilt rounds to 25
        {"477,0,1000", O::RightUp},                    // 26
        {"-477,0,1000", O::LeftUp},
        {"0,373,1000", O::FaceUp}, // y tilt rounds to 20
        {"0,374,1000", O::TopUp},  // 21
        {"0,-374,1000", O::TopDown},
        {"0,0,-300 0,0,0", O::FaceDown}, // 0/0 tilts are within their thresholds
        {"0,0,0", O::FaceUp},
        {"0,0,-300 nan,0,0", O::FaceDown},
    };
    for (const Row &row : rows) {
        OrientationModel model;
        for (const QString &triple : QString::fromLatin1(row.readings).split(QLatin1Char(' '))) {
            const QStringList v = triple.split(QLatin1Char(','));
            model.updateFromAccelerometer(
                v.at(0).toDouble(), v.at(1).toDouble(), v.at(2).toDouble());
        }
        QCOMPARE(model.orientation(), row.orientation);
    }
}

void SensorModelsTest::qmlWritesEnumerationsAsInts()
{
    TapModel tap;
    QVERIFY(tap.setProperty("tapDirection", int(TapModel::Y_Neg)));
    QCOMPARE(tap.tapDirection(), TapModel::Y_Neg);
    OrientationModel orientation;
    orientation.updateFromAccelerometer(0, 100, 0);
    QCOMPARE(orientation.property("orientation").toInt(), int(QOrientationReading::TopUp));
}

QTEST_GUILESS_MAIN(SensorModelsTest)

#include "tst_sensormodels.moc"
