#include "emulator/frameratemeter.h"

#include <QTest>

using namespace EmulationManagement::Emulator;

// The rate the emulator shows for the camera stream it receives.
class FrameRateMeterTest : public QObject
{
    Q_OBJECT

private slots:
    void frameRateOverTheWindow();
};

void FrameRateMeterTest::frameRateOverTheWindow()
{
    FrameRateMeter meter(1000);
    meter.sample(0, 0);
    QCOMPARE(meter.framesPerSecond(), 0.0); // one sample is no rate
    for (int ms = 200; ms <= 2000; ms += 200)
        meter.sample(ms, quint64(ms * 30 / 1000));
    QCOMPARE(meter.framesPerSecond(), 30.0);
    meter.sample(2200, 70); // ten frames more: 34 in the last second
    QCOMPARE(meter.framesPerSecond(), 34.0);
    meter.sample(3200, 70);
    QCOMPARE(meter.framesPerSecond(), 0.0); // frames stopped
}

QTEST_GUILESS_MAIN(FrameRateMeterTest)

#include "tst_frameratemeter.moc"
