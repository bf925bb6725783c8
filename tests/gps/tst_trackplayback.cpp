#include "gps/gpsemulationmanager.h"
#include "gps/playbackschedule.h"
#include "gps/trackmodel.h"
#include "gps/trackplayback.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace EmulationManagement::Internal;

namespace {

constexpr qint64 day = 24 * 3600 * 1000LL;

// A track whose points follow one another after these intervals.
QVariantList trackWithGaps(const QList<qint64> &gaps)
{
    QVariantList points{QVariantMap{{"latitude", 1.0}, {"interval", 0}}};
    for (qint64 gap : gaps)
        points.append(QVariantMap{{"latitude", 1.0 + points.size()}, {"interval", gap}});
    return points;
}

} // namespace

// The schedule alone, and the playback on a clock the test moves: no test
// here waits for time to pass.
class TrackPlaybackTest : public QObject
{
    Q_OBJECT

private slots:
    void nextWait_data();
    void nextWait();
    void timerSlices();
    void daysLongWaitPlaysOn();
    void lateStepShortensTheNextWait();
    void lastPointEndsPlayback();

private:
    void start(const QList<qint64> &gaps, int speed = 1);

    GPSEmulationManager m_gps;
    TrackModel m_track;
    TrackPlayback m_playback;
    qint64 m_now = 0;
};

void TrackPlaybackTest::nextWait_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("looped");
    QTest::addColumn<bool>("useDefaultInterval");
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("nextInterval");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("speed 4, 1000 ms") << 0 << false << false << 4 << 1000.0 << qint64(250);
    QTest::newRow("speed 3: the fraction dropped") << 0 << false << false << 3 << 1000.0 << qint64(333);
    QTest::newRow("0 ms waits 1 ms") << 0 << false << false << 1 << 0.0 << qint64(1);
    QTest::newRow("default interval at speed 2") << 1 << false << true << 2 << 7.0 << qint64(1000);
    QTest::newRow("loop: the whole default interval") << 3 << true << false << 5 << 7.0 << qint64(2000);
    QTest::newRow("last point: the end") << 3 << false << false << 1 << 7.0 << qint64(-1);
    QTest::newRow("30 days, beyond an int") << 0 << false << false << 1 << 30.0 * day << 30 * day;
    QTest::newRow("25 days at speed 1") << 2 << false << false << 1 << 25.0 * day << 25 * day;
}

void TrackPlaybackTest::nextWait()
{
    QFETCH(int, index);
    QFETCH(bool, looped);
    QFETCH(bool, useDefaultInterval);
    QFETCH(int, speed);
    QFETCH(double, nextInterval);
    QFETCH(qint64, wait);
    const std::optional<qint64> actual
        = PlaybackSchedule::nextWait(index, 4, looped, useDefaultInterval, speed, 2000, nextInterval);
    QCOMPARE(actual.value_or(-1), wait);
}

void TrackPlaybackTest::timerSlices()
{
    QCOMPARE(PlaybackSchedule::timerSlice(250), 250);
    QCOMPARE(PlaybackSchedule::timerSlice(0), 1);
    QCOMPARE(PlaybackSchedule::timerSlice(30 * day), std::numeric_limits<int>::max());
}

void TrackPlaybackTest::start(const QList<qint64> &gaps, int speed)
{
    m_now = 0;
    m_playback.setClock([this] { return m_now; });
    m_playback.setManager(&m_gps);
    m_playback.setTrack(&m_track);
    m_playback.setSettings(false, false, speed);
    m_track.setPoints(trackWithGaps(gaps));
    m_playback.loadTrack();
    m_playback.play();
}

// A wait of 24.8 days or more once ended playback at once, reported as done.
void TrackPlaybackTest::daysLongWaitPlaysOn()
{
    start({30 * day, 1000});
    QVERIFY(m_playback.isRunning());
    QCOMPARE(qint64(m_playback.interval()), 30 * day);
    m_now = std::numeric_limits<int>::max();
    m_playback.timerFired();
    QCOMPARE(m_gps.currentPositionIndex(), 0);
    QVERIFY(m_playback.isRunning());
    m_now = 30 * day;
    m_playback.timerFired();
    QCOMPARE(m_gps.currentPositionIndex(), 1);
    QCOMPARE(m_playback.interval(), 1000.0);
}

// Each point is due at the start plus the waits before it, on the playback's
// clock: a step 300 ms late leaves 700 ms to the next one.
void TrackPlaybackTest::lateStepShortensTheNextWait()
{
    start({1000, 1000, 1000}, 1);
    m_now = 1300;
    m_playback.timerFired();
    QCOMPARE(m_gps.currentPositionIndex(), 1);
    QCOMPARE(m_playback.interval(), 700.0);
    // A timer that fires early steps nothing.
    m_now = 1500;
    m_playback.timerFired();
    QCOMPARE(m_gps.currentPositionIndex(), 1);
}

void TrackPlaybackTest::lastPointEndsPlayback()
{
    start({1000});
    QSignalSpy finished(&m_playback, &TrackPlayback::finished);
    m_now = 1000;
    m_playback.timerFired();
    QCOMPARE(m_gps.currentPositionIndex(), 1);
    QCOMPARE(m_playback.isRunning(), false);
    QCOMPARE(finished.count(), 1);
}

QTEST_GUILESS_MAIN(TrackPlaybackTest)

#include "tst_trackplayback.moc"
