#include "ui/warningdialog.h"

#include <coreplugin/icore.h>
#include <utils/filepath.h>
#include <utils/qtcsettings.h>

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMetaProperty>
#include <QPointer>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace EmulationManagement::Internal;

namespace {

// Answers the next modal message box from inside its own event loop, so that
// show() never waits for a person. Should no box appear, or the answer not
// close it, it closes whatever is modal after a while and says so.
class BoxAnswerer : public QObject
{
public:
    using Answer = std::function<void(QMessageBox *)>;

    explicit BoxAnswerer(Answer answer)
        : m_answer(std::move(answer))
        , m_deadline(10000)
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_timer.start(5);
    }

    bool answered() const { return m_answered; }
    bool timedOut() const { return m_timedOut; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (m_deadline.hasExpired()) {
            m_timedOut = true;
            m_timer.stop();
            if (modal)
                modal->close();
            return;
        }
        auto box = qobject_cast<QMessageBox *>(modal);
        if (!box || m_answered)
            return;
        m_answered = true;
        m_answer(box);
    }

    Answer m_answer;
    QDeadlineTimer m_deadline;
    QTimer m_timer;
    bool m_answered = false;
    bool m_timedOut = false;
};

BoxAnswerer::Answer click(QMessageBox::StandardButton button, bool checkTheBox = false)
{
    return [button, checkTheBox](QMessageBox *box) {
        if (checkTheBox)
            box->checkBox()->setChecked(true);
        box->button(button)->click();
    };
}

// The offscreen platform says this for every box it shows; it tells nothing.
QtMessageHandler previousHandler = nullptr;

void dropSizeHintNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    previousHandler(type, context, message);
}

} // namespace

class WarningDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void defaults();
    void settersEmitOnEveryCall();
    void boxShowsTheDialogsState_data();
    void boxShowsTheDialogsState();
    void boxWithoutMainWindow();
    void resultSignals_data();
    void resultSignals();
    void signalsComeBeforeShowReturns();
    void escapeRejects();
    void checkBoxOnlyCountsWhenShown();
    void mainWindowClosingTheBoxEmitsNothing();
    void survivesBeingDestroyedWhileOpen();
    void qmlCanDriveIt();

private:
    std::unique_ptr<QTemporaryDir> m_settingsDir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<QMainWindow> m_mainWindow;
    std::unique_ptr<Core::ICore> m_core;
};

void WarningDialogTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(dropSizeHintNotice);
}

void WarningDialogTest::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void WarningDialogTest::init()
{
    m_settingsDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_settingsDir->isValid());
    m_settings = std::make_unique<Utils::QtcSettings>(
        m_settingsDir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    m_mainWindow = std::make_unique<QMainWindow>();
    m_core = std::make_unique<Core::ICore>(m_mainWindow.get(), m_settings.get(), Utils::FilePath());
}

void WarningDialogTest::cleanup()
{
    m_core.reset();
    m_mainWindow.reset();
    m_settings.reset();
    m_settingsDir.reset();
}

void WarningDialogTest::defaults()
{
    const WarningDialog dialog;
    QCOMPARE(dialog.text(), QString());
    QCOMPARE(dialog.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(dialog.withDoNotShowAgainCheckBox(), false);
}

void WarningDialogTest::settersEmitOnEveryCall()
{
    WarningDialog dialog;
    QSignalSpy text(&dialog, &WarningDialog::textChanged);
    QSignalSpy buttons(&dialog, &WarningDialog::standardButtonsChanged);
    QSignalSpy checkBox(&dialog, &WarningDialog::withDoNotShowAgainCheckBoxChanged);

    dialog.setText(QStringLiteral("Leave the page?"));
    dialog.setText(QStringLiteral("Leave the page?"));
    QCOMPARE(dialog.text(), QStringLiteral("Leave the page?"));
    QCOMPARE(text.count(), 2);

    dialog.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    dialog.setStandardButtons(QMessageBox::Apply | QMessageBox::Discard);
    QCOMPARE(dialog.standardButtons(), QMessageBox::Apply | QMessageBox::Discard);
    QCOMPARE(buttons.count(), 2);

    dialog.setWithDoNotShowAgainCheckBox(false);
    dialog.setWithDoNotShowAgainCheckBox(true);
    dialog.setWithDoNotShowAgainCheckBox(true);
    QCOMPARE(dialog.withDoNotShowAgainCheckBox(), true);
    QCOMPARE(checkBox.count(), 3);

    QCOMPARE(text.count(), 2);
    QCOMPARE(buttons.count(), 2);
}

void WarningDialogTest::boxShowsTheDialogsState_data()
{
    QTest::addColumn<bool>("withCheckBox");
    QTest::newRow("without check box") << false;
    QTest::newRow("with check box") << true;
}

void WarningDialogTest::boxShowsTheDialogsState()
{
    QFETCH(bool, withCheckBox);

    WarningDialog dialog;
    dialog.setText(QStringLiteral("The track is lost. Go on?"));
    dialog.setStandardButtons(QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Yes);
    dialog.setWithDoNotShowAgainCheckBox(withCheckBox);

    QMessageBox *seen = nullptr;
    bool checkBoxVisible = !withCheckBox;
    BoxAnswerer answerer([&](QMessageBox *box) {
        seen = box;
        checkBoxVisible = box->checkBox() && box->checkBox()->isVisible();
        QCOMPARE(box->parentWidget(), m_mainWindow.get());
        QCOMPARE(box->windowTitle(), QStringLiteral("Warning"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->text(), QStringLiteral("The track is lost. Go on?"));
        QCOMPARE(box->standardButtons(),
                 QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Yes);
        QVERIFY(box->windowFlags().testFlag(Qt::Dialog));
        QVERIFY(box->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(box->isModal());
        QVERIFY(box->checkBox());
        QCOMPARE(box->checkBox()->text(), QStringLiteral("Do not show again"));
        QCOMPARE(box->checkBox()->isChecked(), false);
        QVERIFY(box->isAncestorOf(box->checkBox()));
    });
    // The checks above may return early; close the box whatever happened.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (answerer.answered() && seen)
            seen->button(QMessageBox::Discard)->click();
    });
    closer.start(5);

    dialog.show();
    QVERIFY(answerer.answered());
    QVERIFY(!answerer.timedOut());
    QCOMPARE(checkBoxVisible, withCheckBox);
}

void WarningDialogTest::boxWithoutMainWindow()
{
    m_core.reset();
    QCOMPARE(Core::ICore::mainWindow(), nullptr);

    WarningDialog dialog;
    QSignalSpy accepted(&dialog, &WarningDialog::accepted);
    QWidget *parent = m_mainWindow.get();
    BoxAnswerer answerer([&](QMessageBox *box) {
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    dialog.show();
    QVERIFY(answerer.answered());
    QCOMPARE(parent, nullptr);
    QCOMPARE(accepted.count(), 1);
}

void WarningDialogTest::resultSignals_data()
{
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("clicked");
    QTest::addColumn<bool>("withCheckBox");
    QTest::addColumn<bool>("checkTheBox");
    QTest::addColumn<QVariantList>("accepted");
    QTest::addColumn<int>("rejected");

    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const QMessageBox::StandardButtons applyDiscard = QMessageBox::Apply | QMessageBox::Discard;
    QTest::newRow("ok without check box")
        << okCancel << QMessageBox::Ok << false << false << QVariantList{false} << 0;
    QTest::newRow("ok, box left unchecked")
        << okCancel << QMessageBox::Ok << true << false << QVariantList{false} << 0;
    QTest::newRow("ok, box checked")
        << okCancel << QMessageBox::Ok << true << true << QVariantList{true} << 0;
    QTest::newRow("apply, box left unchecked")
        << applyDiscard << QMessageBox::Apply << true << false << QVariantList{false} << 0;
    QTest::newRow("apply, box checked")
        << applyDiscard << QMessageBox::Apply << true << true << QVariantList{true} << 0;
    QTest::newRow("apply without check box")
        << applyDiscard << QMessageBox::Apply << false << false << QVariantList{false} << 0;
    QTest::newRow("cancel") << okCancel << QMessageBox::Cancel << false << false << QVariantList{}
                            << 1;
    QTest::newRow("cancel, box checked")
        << okCancel << QMessageBox::Cancel << true << true << QVariantList{} << 1;
    QTest::newRow("discard") << applyDiscard << QMessageBox::Discard << true << false
                             << QVariantList{} << 1;

    const QList<QPair<const char *, QMessageBox::StandardButton>> silent{
        {"yes", QMessageBox::Yes},
        {"no", QMessageBox::No},
        {"save", QMessageBox::Save},
        {"save all", QMessageBox::SaveAll},
        {"open", QMessageBox::Open},
        {"close", QMessageBox::Close},
        {"retry", QMessageBox::Retry},
        {"ignore", QMessageBox::Ignore},
        {"abort", QMessageBox::Abort},
        {"yes to all", QMessageBox::YesToAll},
        {"no to all", QMessageBox::NoToAll},
        {"reset", QMessageBox::Reset},
        {"restore defaults", QMessageBox::RestoreDefaults},
    };
    for (const auto &[name, button] : silent) {
        QTest::newRow(name) << (QMessageBox::Ok | QMessageBox::Cancel | button) << button << true
                            << true << QVariantList{} << 0;
    }
}

void WarningDialogTest::resultSignals()
{
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, clicked);
    QFETCH(bool, withCheckBox);
    QFETCH(bool, checkTheBox);
    QFETCH(QVariantList, accepted);
    QFETCH(int, rejected);

    WarningDialog dialog;
    dialog.setStandardButtons(buttons);
    dialog.setWithDoNotShowAgainCheckBox(withCheckBox);
    QSignalSpy acceptedSpy(&dialog, &WarningDialog::accepted);
    QSignalSpy rejectedSpy(&dialog, &WarningDialog::rejected);

    BoxAnswerer answerer(click(clicked, checkTheBox));
    dialog.show();

    QVERIFY(answerer.answered());
    QVERIFY(!answerer.timedOut());
    QVariantList acceptedFlags;
    for (const QList<QVariant> &arguments : std::as_const(acceptedSpy))
        acceptedFlags.append(arguments.at(0));
    QCOMPARE(acceptedFlags, accepted);
    QCOMPARE(rejectedSpy.count(), rejected);
}

void WarningDialogTest::signalsComeBeforeShowReturns()
{
    WarningDialog dialog;
    QStringList events;
    connect(&dialog, &WarningDialog::accepted, this, [&] { events << QStringLiteral("accepted"); });
    connect(&dialog, &WarningDialog::rejected, this, [&] { events << QStringLiteral("rejected"); });

    BoxAnswerer okAnswerer(click(QMessageBox::Ok));
    dialog.show();
    events << QStringLiteral("returned");
    BoxAnswerer cancelAnswerer(click(QMessageBox::Cancel));
    dialog.show();
    events << QStringLiteral("returned");

    QCOMPARE(events, QStringList({"accepted", "returned", "rejected", "returned"}));
}

void WarningDialogTest::escapeRejects()
{
    WarningDialog dialog;
    dialog.setWithDoNotShowAgainCheckBox(true);
    QSignalSpy accepted(&dialog, &WarningDialog::accepted);
    QSignalSpy rejected(&dialog, &WarningDialog::rejected);

    BoxAnswerer answerer([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    dialog.show();

    QVERIFY(!answerer.timedOut());
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 1);
}

void WarningDialogTest::checkBoxOnlyCountsWhenShown()
{
    // Turning the check box on while the box is open does not change the box
    // the user answers, nor the answer.
    WarningDialog dialog;
    QSignalSpy accepted(&dialog, &WarningDialog::accepted);
    BoxAnswerer answerer([&dialog](QMessageBox *box) {
        dialog.setWithDoNotShowAgainCheckBox(true);
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::Ok)->click();
    });
    dialog.show();

    QVERIFY(answerer.answered());
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.at(0).at(0).toBool(), false);
}

void WarningDialogTest::mainWindowClosingTheBoxEmitsNothing()
{
    WarningDialog dialog;
    QSignalSpy accepted(&dialog, &WarningDialog::accepted);
    QSignalSpy rejected(&dialog, &WarningDialog::rejected);
    QPointer<QMessageBox> shown;

    BoxAnswerer answerer([&](QMessageBox *box) {
        shown = box;
        m_mainWindow.reset();
    });
    dialog.show();

    QVERIFY(answerer.answered());
    QVERIFY(!answerer.timedOut());
    QVERIFY(shown.isNull());
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 0);
}

void WarningDialogTest::survivesBeingDestroyedWhileOpen()
{
    QPointer<WarningDialog> dialog = new WarningDialog;
    int signalCount = 0;
    connect(dialog, &WarningDialog::accepted, this, [&] { ++signalCount; });
    connect(dialog, &WarningDialog::rejected, this, [&] { ++signalCount; });

    // As QML destroys objects: deferred, here while the box's loop runs.
    bool deletedWhileOpen = false;
    QTimer clicker;
    BoxAnswerer answerer([&](QMessageBox *box) {
        dialog->deleteLater();
        connect(&clicker, &QTimer::timeout, box, [&, box] {
            if (dialog.isNull()) {
                deletedWhileOpen = true;
                box->button(QMessageBox::Ok)->click();
            }
        });
        clicker.start(5);
    });
    dialog->show();

    QVERIFY(!answerer.timedOut());
    QVERIFY(deletedWhileOpen);
    QVERIFY(dialog.isNull());
    QCOMPARE(signalCount, 0);
}

void WarningDialogTest::qmlCanDriveIt()
{
    const QMetaProperty buttons = WarningDialog::staticMetaObject.property(
        WarningDialog::staticMetaObject.indexOfProperty("standardButtons"));
    QVERIFY(buttons.isFlagType());
    QCOMPARE(buttons.metaType(), QMetaType::fromType<QMessageBox::StandardButtons>());

    WarningDialog dialog;
    QSignalSpy accepted(&dialog, &WarningDialog::accepted);
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("warningDialog"), &dialog);
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml
        QtObject {
            property int buttonsRead
            function ask() {
                warningDialog.text = "Stop the track?"
                warningDialog.standardButtons = 0x00000400 | 0x02000000
                warningDialog.withDoNotShowAgainCheckBox = true
                buttonsRead = warningDialog.standardButtons
                warningDialog.show()
            }
        })",
                      QUrl());
    std::unique_ptr<QObject> page(component.create());
    QVERIFY2(page, qPrintable(component.errorString()));

    QMessageBox::StandardButtons shownButtons;
    BoxAnswerer answerer([&](QMessageBox *box) {
        shownButtons = box->standardButtons();
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::Apply)->click();
    });
    QVERIFY(QMetaObject::invokeMethod(page.get(), "ask"));

    QVERIFY(answerer.answered());
    QCOMPARE(dialog.text(), QStringLiteral("Stop the track?"));
    QCOMPARE(shownButtons, QMessageBox::Ok | QMessageBox::Apply);
    QCOMPARE(page->property("buttonsRead").toInt(), 0x00000400 | 0x02000000);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.at(0).at(0).toBool(), true);
}

QTEST_MAIN(WarningDialogTest)

#include "tst_warningdialog.moc"
