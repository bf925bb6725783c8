#include "camera/cameracapabilities.h"
#include "camera/cameraselection.h"
#include "camera/videocodecprobe.h"

#include <QTest>

using namespace EmulationManagement::Internal;
using Fields = CameraCapabilities::StructureFields;

namespace {

QStringList sizesOf(const QVariantList &resolutions)
{
    QStringList sizes;
    for (const QVariant &entry : resolutions)
        sizes.append(entry.toMap().value(QStringLiteral("string")).toString() + QLatin1Char('@')
                     + entry.toMap().value("framerates").toStringList().join(' '));
    return sizes;
}

} // namespace

class CameraCapabilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void framerateTexts();
    void resolutionsFromCaps();
    void selectionRules();
    void supportedCodecs();
};

void CameraCapabilitiesTest::framerateTexts()
{
    // clang-format off
    const std::pair<const char *, QStringList> rows[] = {
        {"{ (fraction)5/1, (fraction)30/1, (fraction)15/1 }", {"30/1", "15/1", "5/1"}},
        {"{ (fraction)30000/1001, (fraction)15/1 }", {"29/1", "15/1"}}, // whole numbers in a list
        {"{ (fraction)15/2, (fraction)30/1 }", {"30/1", "7/1"}},
        {"{ (fraction)30/0 }", {"30/1"}}, // a zero denominator divides by 1
        {"[ 5/1, 30/1 ]", {"30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"}},
        {"[ 30/1, 30/1 ]", {"30/1"}},
        {"[ 1/1, 24/1 ]", {"25/1", "20/1", "15/1", "10/1", "5/1", "2/1", "1/1"}},
        {"[ 1/1, 3/1 ]", {"10/1", "5/1", "2/1", "1/1"}},
        {"[ 15/2, 10/1 ]", {"15/1", "10/1", "8/1", "7/1"}},
        {"[ 0/0, 2/1 ]", {"2/1", "1/1"}}, // absent bounds: 1 below, 120 above
        {"[ 100/1, 1/0 ]", {"120/1", "115/1", "110/1", "105/1", "101/1", "100/1"}},
        {"[ 5, 30/1 ]", {"30/1", "25/1", "20/1", "15/1", "10/1", "5/1", "2/1", "1/1"}}, // a bound that is no fraction is absent
        {"[ 5/1, 2147483647/1 ]", {"120/1", "115/1", "110/1", "105/1", "100/1", "95/1", "90/1", "85/1", "80/1", "75/1", "70/1", "65/1", "60/1", "55/1", "50/1", "45/1", "40/1", "35/1", "30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"}}, // an open-ended range stays short
        {"[ 100/1 ]", {"120/1", "115/1", "110/1", "105/1", "101/1", "100/1"}},
        {"[ -2147483648/1, 2/1 ]", {"2/1", "1/1"}}, // both bounds clamped to 1..120
        {"[ -2147483648/1, 0/1 ]", {}}, // nothing of the range in 1..120
        {"[ 240/1, 2147483647/1 ]", {}},
        {"[ 30/1, 5/1 ]", {}},
        {"30000/1001", {"30000/1001"}},
        {"", {}},
    };
    // clang-format on
    for (const auto &[text, expected] : rows)
        QCOMPARE(CameraCapabilities::parseFramerates(QString::fromLatin1(text)), expected);

    QStringList rates{"15/1", "30000/1001", "30/1", "60/2"};
    CameraCapabilities::sortFramerates(rates); // numerators only, ties keep their order
    QCOMPARE(rates, (QStringList{"30000/1001", "60/2", "30/1", "15/1"}));
}

void CameraCapabilitiesTest::resolutionsFromCaps()
{
    // clang-format off
    const std::pair<QList<Fields>, QStringList> rows[] = {
        {{{"{ (fraction)30/1, (fraction)15/1 }", "640", "480"}, {"[ 5/1, 30/1 ]", "1280", "720"}}, {"1280x720@30/1 25/1 20/1 15/1 10/1 6/1 5/1", "640x480@30/1 15/1"}},
        {{{"{ (fraction)30/1, (fraction)15/1 }", "640", "480"}, {"60/1", "640", "480"}}, {"640x480@30/1 15/1"}}, // the first of a size decides
        {{{std::nullopt, "640", "360"}, {std::nullopt, "1920", "1080"}, {std::nullopt, "640", "480"}, {std::nullopt, "800", "600"}}, {"1920x1080@", "800x600@", "640x360@", "640x480@"}},
        {{{"{ (GstFractionRange)[ 1/1, 10/1 ], (GstFractionRange)[ 15/1, 30/1 ] }", "640", "480"}}, {}},
        {{{"30/1", "[ 1, 4096 ]", "480"}, {"30/1", "640", "{ 480, 720 }"}}, {}},
        {{{"30/1", std::nullopt, "480"}, {"30/1", "640", std::nullopt}, {"30/1", "0", "480"}}, {}},
    };
    // clang-format on
    for (const auto &[structures, sizes] : rows)
        QCOMPARE(sizesOf(CameraCapabilities::resolutionsFromStructures(structures)), sizes);
}

void CameraCapabilitiesTest::selectionRules()
{
    // clang-format off
    const std::tuple<QStringList, const char *, const char *> rates[] = {
        {{"30/1", "15/1"}, "15/1", "15/1"},
        {{"30/1", "15/1"}, "25/1", "30/1"},
        {{"30/1"}, "30/01", "30/1"},
        {{"30", "15/1"}, "25/1", ""}, // not N/D: no frame rate
        {{}, "25/1", "25/1"},
        {{}, "30", ""},
    };
    const std::tuple<int, int, const char *, const char *> caps[] = {
        {1280, 720, "30/1", "video/x-raw,width=1280,height=720,framerate=30/1"},
        {-1, -1, "", "video/x-raw"},
        {-1, 480, "15/1", "video/x-raw,framerate=15/1"},
        {0, 0, "", "video/x-raw,width=0,height=0"},
    };
    const std::tuple<QStringList, const char *, const char *> properties[] = {
        {{"name", "device-path", "device-index", "device"}, "device-index", "2"},
        {{"device", "device-index"}, "device", "/dev/video2"},
        {{"name", "device-path"}, "device-path", "/dev/path-of-device"},
        {{"name", "parent", "device-name"}, "", ""},
    };
    // clang-format on
    for (const auto &[offered, current, expected] : rates)
        QCOMPARE(CameraSelection::pickFramerate(offered, current), QString::fromLatin1(expected));
    for (const auto &[width, height, framerate, expected] : caps)
        QCOMPARE(CameraSelection::capsText(width, height, framerate),
                 QString::fromLatin1(expected));
    const QMap<QString, QString> values{
        {"device-path", "/dev/path-of-device"}, {"device-index", "2"}, {"device", "/dev/video2"}};
    for (const auto &[names, name, value] : properties) {
        const auto property = CameraSelection::chooseDeviceProperty(
            names, [&](const QString &n) { return values.value(n); });
        QCOMPARE(property.name, QString::fromLatin1(name));
        QCOMPARE(property.value, QString::fromLatin1(value));
    }
    // An empty path is no choice.
    QCOMPARE(CameraSelection::chooseDeviceProperty({"device-path"},
                                                   [](const QString &) { return QString(); })
                 .name,
             QString());
}

void CameraCapabilitiesTest::supportedCodecs()
{
    // clang-format off
    const std::pair<const char *, bool> rows[] = {{"VP8 video", true}, {"VP9 video", true}, {"Theora", false}, {"vp8 video", false}, {"", false}};
    // clang-format on
    for (const auto &[codec, supported] : rows)
        QCOMPARE(VideoCodecProbe::isSupportedCodec(QString::fromLatin1(codec)), supported);
}

QTEST_GUILESS_MAIN(CameraCapabilitiesTest)
#include "tst_cameracapabilities.moc"
