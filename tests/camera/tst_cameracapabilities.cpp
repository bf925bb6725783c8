#include "camera/cameracapabilities.h"
#include "camera/cameraselection.h"
#include "camera/videocodecprobe.h"

#include <QTest>

using namespace EmulationManagement::Internal;

using Fields = CameraCapabilities::StructureFields;
Q_DECLARE_METATYPE(Fields)

namespace {

QVariantMap resolution(int width, int height, const QStringList &framerates)
{
    return {{QStringLiteral("width"), width},
            {QStringLiteral("height"), height},
            {QStringLiteral("string"), QStringLiteral("%1x%2").arg(width).arg(height)},
            {QStringLiteral("framerates"), framerates}};
}

QStringList sizesOf(const QVariantList &resolutions)
{
    QStringList sizes;
    for (const QVariant &entry : resolutions)
        sizes.append(entry.toMap().value(QStringLiteral("string")).toString());
    return sizes;
}

} // namespace

class CameraCapabilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void framerateTexts_data();
    void framerateTexts();
    void rangeBounds_data();
    void rangeBounds();
    void openEndedRangesStayShort();
    void frameratesSortByNumeratorOnly();
    void resolutionsFromCaps();
    void sameSizeTwiceKeepsTheFirst();
    void unusableStructuresAreSkipped_data();
    void unusableStructuresAreSkipped();
    void resolutionsSortWidestFirstKeepingTies();
    void framerateValidity();
    void framerateKeptOrReplaced_data();
    void framerateKeptOrReplaced();
    void capsTexts_data();
    void capsTexts();
    void devicePropertyChoice_data();
    void devicePropertyChoice();
    void devicePropertyReadsOnlyWhatMatters();
    void sourceMapRoundTrip();
    void supportedCodecs_data();
    void supportedCodecs();
};

void CameraCapabilitiesTest::framerateTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("list") << "{ (fraction)30/1, (fraction)15/1 }" << QStringList{"30/1", "15/1"};
    QTest::newRow("list sorted") << "{ (fraction)5/1, (fraction)30/1, (fraction)15/1 }"
                                 << QStringList{"30/1", "15/1", "5/1"};
    QTest::newRow("list with NTSC rate becomes whole")
        << "{ (fraction)30000/1001, (fraction)15/1 }" << QStringList{"29/1", "15/1"};
    QTest::newRow("list with half rate truncates")
        << "{ (fraction)15/2, (fraction)30/1 }" << QStringList{"30/1", "7/1"};
    QTest::newRow("list with zero denominator divides by 1")
        << "{ (fraction)30/0 }" << QStringList{"30/1"};
    QTest::newRow("range 5-30") << "[ 5/1, 30/1 ]"
                                << QStringList{
                                       "30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"};
    QTest::newRow("range 1-30") << "[ 1/1, 30/1 ]"
                                << QStringList{
                                       "30/1", "25/1", "20/1", "15/1", "10/1", "5/1", "2/1", "1/1"};
    QTest::newRow("range 30-30") << "[ 30/1, 30/1 ]" << QStringList{"30/1"};
    QTest::newRow("range 1-24 overshoots to 25")
        << "[ 1/1, 24/1 ]" << QStringList{"25/1", "20/1", "15/1", "10/1", "5/1", "2/1", "1/1"};
    QTest::newRow("range 1-3 overshoots to 10")
        << "[ 1/1, 3/1 ]" << QStringList{"10/1", "5/1", "2/1", "1/1"};
    QTest::newRow("range with fractional lower bound")
        << "[ 15/2, 10/1 ]" << QStringList{"15/1", "10/1", "8/1", "7/1"};
    QTest::newRow("range from INT_MIN") << "[ -2147483648/1, 2/1 ]" << QStringList{"2/1", "1/1"};
    QTest::newRow("range from 0") << "[ 0/1, 5/1 ]" << QStringList{"10/1", "5/1", "2/1", "1/1"};
    QTest::newRow("range below 1") << "[ -2147483648/1, 0/1 ]" << QStringList{};
    QTest::newRow("range above 120") << "[ 240/1, 2147483647/1 ]" << QStringList{};
    QTest::newRow("inverted range") << "[ 30/1, 5/1 ]" << QStringList{};
    QTest::newRow("single NTSC rate kept") << "30000/1001" << QStringList{"30000/1001"};
    QTest::newRow("single rate") << "30/1" << QStringList{"30/1"};
    QTest::newRow("missing field") << "" << QStringList{};
}

void CameraCapabilitiesTest::framerateTexts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(CameraCapabilities::parseFramerates(text), expected);
}

void CameraCapabilitiesTest::rangeBounds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("value");

    QTest::newRow("lower") << "[ 15/2, 30/1 ]" << 0 << true << 7;
    QTest::newRow("upper") << "[ 15/2, 30/1 ]" << 1 << true << 30;
    QTest::newRow("zero denominator") << "[ 5/0, 30/1 ]" << 0 << false << 0;
    QTest::newRow("no denominator") << "[ 5, 30/1 ]" << 0 << false << 0;
    QTest::newRow("no upper fraction") << "[ 5/1 ]" << 1 << false << 0;
    QTest::newRow("open upper end") << "[ 1/1, 2147483647/1 ]" << 1 << true << 2147483647;
}

void CameraCapabilitiesTest::rangeBounds()
{
    QFETCH(QString, text);
    QFETCH(int, k);
    QFETCH(bool, present);
    QFETCH(int, value);
    const std::optional<int> bound = CameraCapabilities::rangeBound(text, k);
    QCOMPARE(bound.has_value(), present);
    if (present)
        QCOMPARE(*bound, value);
}

void CameraCapabilitiesTest::openEndedRangesStayShort()
{
    const QStringList open
        = CameraCapabilities::parseFramerates(QStringLiteral("[ 5/1, 2147483647/1 ]"));
    QCOMPARE(open.first(), QStringLiteral("120/1"));
    QCOMPARE(open.last(), QStringLiteral("5/1"));
    QCOMPARE(open.size(), 25);

    // A zero denominator counts as an absent bound: 1 below, 120 above.
    QCOMPARE(CameraCapabilities::parseFramerates(QStringLiteral("[ 0/0, 2/1 ]")),
             (QStringList{"2/1", "1/1"}));
    QCOMPARE(CameraCapabilities::parseFramerates(QStringLiteral("[ 100/1, 1/0 ]")),
             (QStringList{"120/1", "115/1", "110/1", "105/1", "101/1", "100/1"}));
}

void CameraCapabilitiesTest::frameratesSortByNumeratorOnly()
{
    QStringList rates{"15/1", "30000/1001", "30/1", "60/2"};
    CameraCapabilities::sortFramerates(rates);
    QCOMPARE(rates, (QStringList{"30000/1001", "60/2", "30/1", "15/1"}));
}

void CameraCapabilitiesTest::resolutionsFromCaps()
{
    const QVariantList resolutions = CameraCapabilities::resolutionsFromStructures(
        {Fields{QStringLiteral("{ (fraction)30/1, (fraction)15/1 }"),
                QStringLiteral("640"),
                QStringLiteral("480")},
         Fields{QStringLiteral("[ 5/1, 30/1 ]"), QStringLiteral("1280"), QStringLiteral("720")}});
    const QVariantList expected{
        resolution(1280, 720, {"30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"}),
        resolution(640, 480, {"30/1", "15/1"})};
    QCOMPARE(resolutions, expected);
}

void CameraCapabilitiesTest::sameSizeTwiceKeepsTheFirst()
{
    const QVariantList resolutions = CameraCapabilities::resolutionsFromStructures(
        {Fields{QStringLiteral("{ (fraction)30/1, (fraction)15/1 }"),
                QStringLiteral("640"),
                QStringLiteral("480")},
         Fields{QStringLiteral("{ (fraction)60/1, (fraction)30/1 }"),
                QStringLiteral("640"),
                QStringLiteral("480")}});
    QCOMPARE(resolutions, QVariantList{resolution(640, 480, {"30/1", "15/1"})});
}

void CameraCapabilitiesTest::unusableStructuresAreSkipped_data()
{
    QTest::addColumn<Fields>("fields");

    QTest::newRow("list of frame-rate ranges") << Fields{
        QStringLiteral("{ (GstFractionRange)[ 1/1, 10/1 ], (GstFractionRange)[ 15/1, 30/1 ] }"),
        QStringLiteral("640"),
        QStringLiteral("480")};
    QTest::newRow("width range") << Fields{
        QStringLiteral("30/1"), QStringLiteral("[ 1, 4096 ]"), QStringLiteral("480")};
    QTest::newRow("height list") << Fields{
        QStringLiteral("30/1"), QStringLiteral("640"), QStringLiteral("{ 480, 720 }")};
    QTest::newRow("missing width")
        << Fields{QStringLiteral("30/1"), std::nullopt, QStringLiteral("480")};
    QTest::newRow("missing height")
        << Fields{QStringLiteral("30/1"), QStringLiteral("640"), std::nullopt};
    QTest::newRow("zero width") << Fields{
        QStringLiteral("30/1"), QStringLiteral("0"), QStringLiteral("480")};
}

void CameraCapabilitiesTest::unusableStructuresAreSkipped()
{
    QFETCH(Fields, fields);
    QVERIFY(CameraCapabilities::resolutionsFromStructures({fields}).isEmpty());
}

void CameraCapabilitiesTest::resolutionsSortWidestFirstKeepingTies()
{
    const QVariantList resolutions = CameraCapabilities::resolutionsFromStructures(
        {Fields{std::nullopt, QStringLiteral("640"), QStringLiteral("360")},
         Fields{std::nullopt, QStringLiteral("1920"), QStringLiteral("1080")},
         Fields{std::nullopt, QStringLiteral("640"), QStringLiteral("480")},
         Fields{std::nullopt, QStringLiteral("800"), QStringLiteral("600")}});
    QCOMPARE(sizesOf(resolutions), (QStringList{"1920x1080", "800x600", "640x360", "640x480"}));
    // Without a frame-rate field a size offers no frame rates.
    QCOMPARE(resolutions.first().toMap().value(QStringLiteral("framerates")).toStringList(),
             QStringList());
}

void CameraCapabilitiesTest::framerateValidity()
{
    QCOMPARE(CameraSelection::validFramerate(QStringLiteral("30")), QString());
    QCOMPARE(CameraSelection::validFramerate(QStringLiteral("30/1")), QStringLiteral("30/1"));
    QCOMPARE(CameraSelection::validFramerate(QString()), QString());
}

void CameraCapabilitiesTest::framerateKeptOrReplaced_data()
{
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("expected");

    QTest::newRow("offered rate kept") << QStringList{"30/1", "15/1"} << "15/1"
                                       << "15/1";
    QTest::newRow("other rate replaced by the first") << QStringList{"30/1", "15/1"} << "25/1"
                                                      << "30/1";
    QTest::newRow("no rate yet takes the first") << QStringList{"30/1", "15/1"} << ""
                                                 << "30/1";
    QTest::newRow("match is exact") << QStringList{"30/1"} << "30/01"
                                    << "30/1";
    QTest::newRow("first without slash gives none") << QStringList{"30", "15/1"} << "25/1"
                                                    << "";
    QTest::newRow("nothing offered keeps the rate") << QStringList{} << "25/1"
                                                    << "25/1";
}

void CameraCapabilitiesTest::framerateKeptOrReplaced()
{
    QFETCH(QStringList, offered);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    QCOMPARE(CameraSelection::pickFramerate(offered, current), expected);
}

void CameraCapabilitiesTest::capsTexts_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("framerate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("full selection") << 1280 << 720 << "30/1"
                                    << "video/x-raw,width=1280,height=720,framerate=30/1";
    QTest::newRow("nothing chosen") << -1 << -1 << ""
                                    << "video/x-raw";
    QTest::newRow("size only") << 640 << 480 << ""
                               << "video/x-raw,width=640,height=480";
    QTest::newRow("rate only") << -1 << 480 << "15/1"
                               << "video/x-raw,framerate=15/1";
    QTest::newRow("zero size still written") << 0 << 0 << ""
                                             << "video/x-raw,width=0,height=0";
}

void CameraCapabilitiesTest::capsTexts()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, framerate);
    QFETCH(QString, expected);
    QCOMPARE(CameraSelection::capsText(width, height, framerate), expected);
}

void CameraCapabilitiesTest::devicePropertyChoice_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    QTest::newRow("index preferred over an earlier path")
        << QStringList{"name", "device-path", "device-index", "device"} << "device-index"
        << "2";
    QTest::newRow("first of device and index") << QStringList{"device", "device-index"} << "device"
                                               << "/dev/video2";
    QTest::newRow("path only") << QStringList{"name", "device-path"} << "device-path"
                               << "/dev/path-of-device";
    QTest::newRow("neither") << QStringList{"name", "parent", "device-name"} << ""
                             << "";
    QTest::newRow("no properties") << QStringList{} << ""
                                   << "";
}

void CameraCapabilitiesTest::devicePropertyChoice()
{
    QFETCH(QStringList, names);
    QFETCH(QString, name);
    QFETCH(QString, value);
    const QMap<QString, QString> values{
        {"device-path", "/dev/path-of-device"}, {"device-index", "2"}, {"device", "/dev/video2"}};
    const auto property = CameraSelection::chooseDeviceProperty(
        names, [&values](const QString &n) { return values.value(n); });
    QCOMPARE(property.name, name);
    QCOMPARE(property.value, value);
}

void CameraCapabilitiesTest::devicePropertyReadsOnlyWhatMatters()
{
    QStringList read;
    const auto reader = [&read](const QString &name) {
        read.append(name);
        return QString();
    };
    // An empty path is no choice.
    const auto property
        = CameraSelection::chooseDeviceProperty({"name", "device-path", "brightness"}, reader);
    QCOMPARE(property.name, QString());
    QCOMPARE(property.value, QString());
    QCOMPARE(read, QStringList{"device-path"});
}

void CameraCapabilitiesTest::sourceMapRoundTrip()
{
    const QVariantMap map
        = CameraSelection::sourceMap({QStringLiteral("device-index"), QStringLiteral("0")});
    QCOMPARE(
        map,
        (QVariantMap{{"name", QStringLiteral("device-index")}, {"value", QStringLiteral("0")}}));
    const auto property = CameraSelection::deviceProperty(map);
    QCOMPARE(property.name, QStringLiteral("device-index"));
    QCOMPARE(property.value, QStringLiteral("0"));
    QCOMPARE(CameraSelection::deviceProperty({}).name, QString());
}

void CameraCapabilitiesTest::supportedCodecs_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<bool>("supported");

    QTest::newRow("VP8") << "VP8 video" << true;
    QTest::newRow("VP9") << "VP9 video" << true;
    QTest::newRow("Theora") << "Theora" << false;
    QTest::newRow("H.264") << "H.264 (Main Profile)" << false;
    QTest::newRow("case matters") << "vp8 video" << false;
    QTest::newRow("undetermined") << "" << false;
}

void CameraCapabilitiesTest::supportedCodecs()
{
    QFETCH(QString, codec);
    QFETCH(bool, supported);
    QCOMPARE(VideoCodecProbe::isSupportedCodec(codec), supported);
}

QTEST_GUILESS_MAIN(CameraCapabilitiesTest)
#include "tst_cameracapabilities.moc"
