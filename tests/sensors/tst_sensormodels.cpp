#include "sensors/positionmodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace EmulationManagement::Internal;

class SensorModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void positionStartsAtZero();
    void positionSetValuesNotifiesInOrder();
    void positionSettersNotifyAlsoWithoutChange();
};

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
