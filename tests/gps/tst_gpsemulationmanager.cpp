#include "managerfixture.h"
#include "testtimeouts.h"

#include "gps/gpsemulationmanager.h"

#include <utils/qtcsettings.h>

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace EmulationManagement::Internal;
using M = GPSEmulationManager;

namespace {

QStringList calls(const QStringList &texts)
{
    return ManagerFixture::calls(QStringLiteral("ru.quor.GeoclueEmulationManagement"), texts);
}

QVariantMap point(const QVariant &latitude,
                  const QVariant &longitude,
                  const QVariant &altitude,
                  const QVariant &interval)
{
    return {{QStringLiteral("latitude"), latitude},
            {QStringLiteral("longitude"), longitude},
            {QStringLiteral("altitude"), altitude},
            {QStringLiteral("interval"), interval}};
}

Utils::Key key(const char *name)
{
    return Utils::keyFromString(QStringLiteral("emulationmanagement/") + QLatin1String(name));
}

// The synchronisation every connection sends, with the given state.
QStringList resynchronisation(const char *looped,
                              const char *interval,
                              int speed,
                              const char *position)
{
    return calls({QStringLiteral("stopTrack "),
                  QStringLiteral("setTrackLooped boolean:") + looped,
                  QStringLiteral("setTrackIntervalMode boolean:") + interval,
                  QStringLiteral("setTrackSpeed int32:%1").arg(speed),
                  QStringLiteral("setPosition ") + position});
}

} // namespace

class GpsEmulationManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void callTable();
    void trackTexts();
    void trackIndex();
    void firstConnectionSendsTheStoredState();
    void everyConnectionResendsTheStateAndDropsTheTrack();

private:
    QString stored() const;
    QString shown() const;

    std::unique_ptr<ManagerFixture> m_fixture;
    std::unique_ptr<M> m_manager;
};

// Numbers on the wire must not follow a locale with a decimal comma.
void GpsEmulationManagerTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void GpsEmulationManagerTest::init()
{
    m_fixture = std::make_unique<ManagerFixture>();
    QVERIFY(m_fixture->isReady());
    m_manager = std::make_unique<M>();
    m_manager->setRdbusinvoker(m_fixture->invoker());
}

void GpsEmulationManagerTest::cleanup()
{
    m_manager.reset();
    m_fixture.reset();
}

QString GpsEmulationManagerTest::stored() const
{
    const Utils::QtcSettings *settings = m_fixture->settings();
    return QStringLiteral("%1 %2 %3")
        .arg(settings->value(key("gps_latitude")).toString(),
             settings->value(key("gps_longitude")).toString(),
             settings->value(key("gps_altitude")).toString());
}

QString GpsEmulationManagerTest::shown() const
{
    const PositionModel *position = m_manager->currentPosition();
    const QVariantList values{position->latitude(), position->longitude(), position->altitude()};
    return QStringLiteral("%1 %2 %3")
        .arg(values.at(0).toString(), values.at(1).toString(), values.at(2).toString());
}

void GpsEmulationManagerTest::callTable()
{
    struct Row
    {
        void (*step)(M &);
        const char *frame;    // empty: nothing sent
        const char *position; // shown and stored after the step; null: not checked
    };
    // clang-format off
    static const Row rows[] = {
        {[](M &m) { m.setPosition(-33.8688, 151.2093, -5); }, "setPosition double:-33.8688000 double:151.2093000 double:-5.00", "-33.8688 151.2093 -5"},
        {[](M &m) { m.setPosition(1e-8, 179.99999996, 0.005001); }, "setPosition double:0.0000000 double:180.0000000 double:0.01", "1e-08 179.99999996 0.005001"},
        {[](M &m) { m.setLatitude(-89.5); }, "setLatitude double:-89.5000000", "-89.5 179.99999996 0.005001"},
        {[](M &m) { m.setLongitude(12.3456789); }, "setLongitude double:12.3456789", "-89.5 12.3456789 0.005001"},
        {[](M &m) { m.setAltitude(10000); }, "setAltitude double:10000.00", "-89.5 12.3456789 10000"},
        {[](M &m) { m.setLocalPosition(48.1173, 11.5166667, 545.4); }, "", "48.1173 11.5166667 545.4"},
        {[](M &m) { m.stopTrack(); }, "stopTrack ", nullptr},
        {[](M &m) { m.setTrackLooped(true); }, "setTrackLooped boolean:1", nullptr},
        {[](M &m) { m.setTrackLooped(false); }, "setTrackLooped boolean:0", nullptr},
        {[](M &m) { m.setTrackIntervalMode(true); }, "setTrackIntervalMode boolean:1", nullptr},
        {[](M &m) { m.setTrackIntervalMode(false); }, "setTrackIntervalMode boolean:0", nullptr},
        {[](M &m) { m.goToPositionOnTrack(-1); }, "goToPositionOnTrack int32:-1", nullptr},
    };
    // clang-format on
    QVERIFY(m_fixture->connectInvoker());
    for (const Row &row : rows) {
        const QStringList frames = *row.frame ? calls({row.frame}) : QStringList();
        QCOMPARE(m_fixture->framesAfter([&] { row.step(*m_manager); }), frames);
        if (row.position) {
            QCOMPARE(shown(), QLatin1String(row.position));
            QCOMPARE(stored(), QLatin1String(row.position));
        }
    }
}

void GpsEmulationManagerTest::trackTexts()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QVariantMap onlyInterval{{QStringLiteral("interval"), 500}};
    const struct
    {
        QVariantList points;
        const char *argument;
    } rows[] = {
        // clang-format off
        {{point(55.75, 37.61, 150, 0), point(55.76, 37.62, 151.5, 1000)}, "55.7500000,37.6100000,150.00,0;55.7600000,37.6200000,151.50,1000"},
        {{}, ""},
        {{point(0, 0, 0, 1e6), point(0, 0, 0, 2.5), point(0, 0, 0, 1234567)}, "0.0000000,0.0000000,0.00,1e+06;0.0000000,0.0000000,0.00,2.5;0.0000000,0.0000000,0.00,1.23457e+06"},
        {{point("48.1173000", "-11.5166667", "545.40", 2000)}, "48.1173000,-11.5166667,545.40,2000"},
        {{point("1.0000000", "2.0000000", "1,000.00", 0)}, "1.0000000,2.0000000,0.00,0"},
        {{onlyInterval, point("abc", "12,5", QString(), 0)}, "0.0000000,0.0000000,0.00,500;0.0000000,0.0000000,0.00,0"},
        {{point(nan, inf, "nan", "inf")}, "0.0000000,0.0000000,0.00,0"},
        // clang-format on
    };
    QVERIFY(m_fixture->connectInvoker());
    for (const auto &row : rows) {
        QCOMPARE(m_fixture->framesAfter([&] { m_manager->loadTrack(row.points); }),
                 calls({QStringLiteral("loadTrack array:array:double:") + row.argument}));
    }
}

void GpsEmulationManagerTest::trackIndex()
{
    QVERIFY(m_fixture->connectInvoker());
    QSignalSpy indexChanged(m_manager.get(), &M::currentPositionIndexChanged);
    QCOMPARE(m_fixture->framesAfter([&] { m_manager->setProperty("currentPositionIndex", 7); }),
             QStringList());
    m_manager->loadTrack({point(1, 2, 3, 0)});
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(indexChanged.size(), 1);

    m_manager->goToPositionOnTrack(9);
    m_manager->pauseTrack();
    m_manager->startTrack();
    QCOMPARE(m_manager->currentPositionIndex(), 9);
    QCOMPARE(indexChanged.size(), 2);
    m_manager->stopTrack();
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(indexChanged.size(), 3);
}

void GpsEmulationManagerTest::firstConnectionSendsTheStoredState()
{
    m_fixture->settings()->setValue(key("gps_latitude"), 59.9342802);
    m_fixture->settings()->setValue(key("gps_longitude"), -30.3350986);
    m_fixture->settings()->setValue(key("gps_altitude"), 12.5);
    m_manager->setCurrentPositionIndex(4);
    QCOMPARE(m_fixture->framesAfter([&] { QVERIFY(m_fixture->connectInvoker()); }),
             resynchronisation("0", "0", 1, "double:59.9342802 double:-30.3350986 double:12.50"));
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(shown(), QStringLiteral("59.9342802 -30.3350986 12.5"));

    // Nothing stored: the position is 0, 0, 0, and it is stored from then on.
    cleanup();
    init();
    QCOMPARE(m_fixture->framesAfter([&] { QVERIFY(m_fixture->connectInvoker()); }).last(),
             calls({"setPosition double:0.0000000 double:0.0000000 double:0.00"}).first());
    QCOMPARE(stored(), QStringLiteral("0 0 0"));
}

void GpsEmulationManagerTest::everyConnectionResendsTheStateAndDropsTheTrack()
{
    QSignalSpy connected(m_manager.get(), &EmulationManager::emulatorConnected);
    QVERIFY(m_fixture->connectInvoker());
    m_manager->setTrackLooped(true);
    m_manager->setTrackIntervalMode(true);
    m_manager->setTrackSpeed(4);
    m_manager->setPosition(-33.8688, 151.2093, -5);
    m_manager->setLocalPosition(1, 2, 3);
    m_manager->loadTrack({point(1, 2, 3, 0), point(4, 5, 6, 1000)});
    m_manager->goToPositionOnTrack(1);

    for (int connection = 2; connection <= 3; ++connection) {
        QCOMPARE(m_fixture->framesAfter([&] {
            m_fixture->server().dropClients();
            QTRY_COMPARE_WITH_TIMEOUT(connected.size(), connection, eventTimeoutMs);
        }),
                 resynchronisation("1", "1", 4, "double:1.0000000 double:2.0000000 double:3.00"));
        QCOMPARE(m_manager->currentPositionIndex(), 0);
        QVERIFY(!m_manager->trackLoaded());
    }
}

QTEST_GUILESS_MAIN(GpsEmulationManagerTest)

#include "tst_gpsemulationmanager.moc"
