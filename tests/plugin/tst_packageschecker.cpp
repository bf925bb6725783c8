#include "plugin/emulationmanagementpackageschecker.h"
#include "testtimeouts.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Each case puts a stand-in for the ssh client program in place: a script
// that records its arguments and runs the given shell lines.
class PackagesCheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outputDecides();
    void clientGetsTheLoginAndCommand();
    void hangingClientStillEndsTheCheck();
    void missingClientReportsEverythingMissing();

private:
    bool installClient(const QByteArray &body);
    QStringList check(int timeout = 10);

    QTemporaryDir m_dir;
    EmulationManagementPackagesChecker m_checker;
};

static const char notFound[] = "Necessary packages not found on emulator!";
static const char allMissing[] = "Packages is not installed: \nsensorfw-qt5-emulator-plugins\n"
                                 "remote-dbus-invoker\ngeoclue-emulator\ngstreamer-emulator\n";

void PackagesCheckerTest::init()
{
    QVERIFY(m_dir.isValid());
}

bool PackagesCheckerTest::installClient(const QByteArray &body)
{
    const QString path = m_dir.filePath(QStringLiteral("ssh"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n" + body);
    script.close();
    QSsh::SshSettings::setSshFilePath(path);
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The message and details of the one checkFinished() a check must end with.
QStringList PackagesCheckerTest::check(int timeout)
{
    QSsh::SshConnectionParameters parameters;
    parameters.setHost(QStringLiteral("127.0.0.1"));
    parameters.setPort(2223);
    parameters.setUserName(QStringLiteral("root"));
    parameters.privateKeyFile = QStringLiteral("/keys/root");
    parameters.timeout = timeout;
    QSignalSpy finished(&m_checker, &EmulationManagementPackagesChecker::checkFinished);
    m_checker.checkPackages(parameters);
    const bool ended = finished.wait(eventTimeoutMs);
    QTest::qWait(50); // a second signal would come right after the first
    if (!ended || finished.size() != 1)
        return {QStringLiteral("%1 checkFinished() signals").arg(finished.size())};
    return {finished.first().at(0).toString(), finished.first().at(1).toString()};
}

void PackagesCheckerTest::outputDecides()
{
    struct Row
    {
        const char *output;
        const char *message;
        const char *details;
    };
    // clang-format off
    static const Row rows[] = {
        {"bash-5.1-1.armv7hl\nsensorfw-qt5-emulator-plugins-0.12.6-1.i486\nremote-dbus-invoker-1.0-1.i486\ngeoclue-emulator-0.1-1.i486\ngstreamer-emulator-1.0-1.i486\n", "", ""},
        {"sensorfw-qt5-emulator-plugins-0.12\nremote-dbus-invoker-1.0\ngeoclue-emulator-0.1\n", notFound, "Packages is not installed: \ngstreamer-emulator\n"},
        {"sensorfw-qt5-emulator-plugins\nremote-dbus-invoker-devel-1.0\ngeoclue-emulator\ngstreamer-emulator\n", "", ""},
        {"SENSORFW-QT5-EMULATOR-PLUGINS\nremote-dbus-invoker\ngeoclue-emulator\ngstreamer-emulator\n", notFound, "Packages is not installed: \nsensorfw-qt5-emulator-plugins\n"},
        {"gstreamer-emulator\nsensorfw-qt5-emulator-plugins\n", notFound, "Packages is not installed: \nremote-dbus-invoker\ngeoclue-emulator\n"},
        {"", notFound, allMissing},
    };
    // clang-format on
    // One checker for all rows: each check starts afresh.
    for (const Row &row : rows) {
        QVERIFY(installClient("printf '%s' '" + QByteArray(row.output) + "'\n"));
        QCOMPARE(check(), (QStringList{QLatin1String(row.message), QLatin1String(row.details)}));
    }
}

void PackagesCheckerTest::clientGetsTheLoginAndCommand()
{
    QVERIFY(installClient("exit 255\n"));
    QCOMPARE(check(), (QStringList{notFound, allMissing}));
    QFile arguments(m_dir.filePath(QStringLiteral("arguments")));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    const QStringList args = QString::fromUtf8(arguments.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(args.mid(args.size() - 8),
             (QStringList{"-p", "2223", "-i", "/keys/root", "-l", "root", "127.0.0.1", "rpm -qa"}));
    QVERIFY(args.contains(QStringLiteral("BatchMode=yes")));
    QVERIFY(args.contains(QStringLiteral("ConnectTimeout=10")));
}

void PackagesCheckerTest::hangingClientStillEndsTheCheck()
{
    QVERIFY(installClient("echo remote-dbus-invoker\nexec sleep 60\n"));
    QCOMPARE(check(1).value(0), QLatin1String(notFound));
}

void PackagesCheckerTest::missingClientReportsEverythingMissing()
{
    QSsh::SshSettings::setSshFilePath(m_dir.filePath(QStringLiteral("no-such-ssh")));
    QCOMPARE(check(), (QStringList{notFound, allMissing}));
}

QTEST_GUILESS_MAIN(PackagesCheckerTest)

#include "tst_packageschecker.moc"
