#include "plugin/emulationmanagementpackageschecker.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Each case puts a stand-in for the ssh client program in place: a script
// that records its arguments and prints a fixed package list.
class PackagesCheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outputDecides_data();
    void outputDecides();
    void clientGetsTheLoginAndCommand();
    void hangingClientStillEndsTheCheck();
    void missingClientReportsEverythingMissing();
    void aSecondCheckStartsAfresh();

private:
    void installClient(const QByteArray &body);
    QSsh::SshConnectionParameters parameters(int timeout = 10) const;
    QList<QVariant> runCheck(int timeoutMs = 10000);

    QTemporaryDir m_dir;
};

static const QString allMissing = QStringLiteral(
    "Packages is not installed: \n"
    "sensorfw-qt5-emulator-plugins\nremote-dbus-invoker\ngeoclue-emulator\ngstreamer-emulator\n");

void PackagesCheckerTest::init()
{
    QVERIFY(m_dir.isValid());
}

void PackagesCheckerTest::installClient(const QByteArray &body)
{
    const QString path = m_dir.filePath(QStringLiteral("ssh"));
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n" + body);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSsh::SshSettings::setSshFilePath(path);
}

QSsh::SshConnectionParameters PackagesCheckerTest::parameters(int timeout) const
{
    QSsh::SshConnectionParameters params;
    params.setHost(QStringLiteral("127.0.0.1"));
    params.setPort(2223);
    params.setUserName(QStringLiteral("root"));
    params.privateKeyFile = QStringLiteral("/keys/root");
    params.timeout = timeout;
    return params;
}

QList<QVariant> PackagesCheckerTest::runCheck(int timeoutMs)
{
    EmulationManagementPackagesChecker checker;
    QSignalSpy finished(&checker, &EmulationManagementPackagesChecker::checkFinished);
    checker.checkPackages(parameters());
    if (!finished.wait(timeoutMs) || finished.size() != 1)
        return {};
    return finished.first();
}

void PackagesCheckerTest::outputDecides_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("details");

    const QString notFound = QStringLiteral("Necessary packages not found on emulator!");
    QTest::newRow("all four with versions")
        << QByteArray("bash-5.1-1.armv7hl\nsensorfw-qt5-emulator-plugins-0.12.6-1.i486\n"
                      "remote-dbus-invoker-1.0-1.i486\ngeoclue-emulator-0.1-1.i486\n"
                      "gstreamer-emulator-1.0-1.i486\n")
        << QString() << QString();
    QTest::newRow("camera package missing")
        << QByteArray("sensorfw-qt5-emulator-plugins-0.12\nremote-dbus-invoker-1.0\ngeoclue-"
                      "emulator-0.1\n")
        << notFound << QStringLiteral("Packages is not installed: \ngstreamer-emulator\n");
    QTest::newRow("part of a longer name counts")
        << QByteArray("sensorfw-qt5-emulator-plugins\nremote-dbus-invoker-devel-1.0\n"
                      "geoclue-emulator\ngstreamer-emulator\n")
        << QString() << QString();
    QTest::newRow("case matters")
        << QByteArray("SENSORFW-QT5-EMULATOR-PLUGINS\nremote-dbus-invoker\ngeoclue-emulator\n"
                      "gstreamer-emulator\n")
        << notFound
        << QStringLiteral("Packages is not installed: \nsensorfw-qt5-emulator-plugins\n");
    QTest::newRow("empty output") << QByteArray() << notFound << allMissing;
}

void PackagesCheckerTest::outputDecides()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, message);
    QFETCH(QString, details);

    installClient("printf '%s' '" + output + "'\n");
    const QList<QVariant> result = runCheck();
    QCOMPARE(result.size(), 2);
    QCOMPARE(result.at(0).toString(), message);
    QCOMPARE(result.at(1).toString(), details);
}

void PackagesCheckerTest::clientGetsTheLoginAndCommand()
{
    installClient("exit 255\n");
    QCOMPARE(runCheck().value(1).toString(), allMissing);
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
    installClient("echo remote-dbus-invoker\nexec sleep 60\n");
    EmulationManagementPackagesChecker checker;
    QSignalSpy finished(&checker, &EmulationManagementPackagesChecker::checkFinished);
    checker.checkPackages(parameters(1));
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toString(),
             QStringLiteral("Necessary packages not found on emulator!"));
    QVERIFY(finished.first().at(1).toString().startsWith(
        QStringLiteral("Packages is not installed: \n")));
}

void PackagesCheckerTest::missingClientReportsEverythingMissing()
{
    QSsh::SshSettings::setSshFilePath(m_dir.filePath(QStringLiteral("no-such-ssh")));
    const QList<QVariant> result = runCheck();
    QCOMPARE(result.size(), 2);
    QCOMPARE(result.at(1).toString(), allMissing);
}

void PackagesCheckerTest::aSecondCheckStartsAfresh()
{
    installClient("echo sensorfw-qt5-emulator-plugins remote-dbus-invoker geoclue-emulator\n");
    EmulationManagementPackagesChecker checker;
    QSignalSpy finished(&checker, &EmulationManagementPackagesChecker::checkFinished);
    checker.checkPackages(parameters());
    QVERIFY(finished.wait());
    QCOMPARE(finished.last().at(1).toString(),
             QStringLiteral("Packages is not installed: \ngstreamer-emulator\n"));

    installClient("echo sensorfw-qt5-emulator-plugins remote-dbus-invoker geoclue-emulator "
                  "gstreamer-emulator\n");
    checker.checkPackages(parameters());
    QVERIFY(finished.wait());
    QCOMPARE(finished.size(), 2);
    QCOMPARE(finished.last().at(0).toString(), QString());
    QCOMPARE(finished.last().at(1).toString(), QString());
}

QTEST_GUILESS_MAIN(PackagesCheckerTest)

#include "tst_packageschecker.moc"
