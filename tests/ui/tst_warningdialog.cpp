#include "modalanswerer.h"
#include "ui/warningdialog.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace EmulationManagement::Internal;
using Host::ModalAnswerer;
using B = QMessageBox;

namespace {

// What the dialog reported, in order: "accepted(true)", "rejected".
QStringList results(WarningDialog &dialog)
{
    QStringList results;
    const QObject context;
    QObject::connect(&dialog, &WarningDialog::accepted, &context, [&results](bool doNotShowAgain) {
        results << QStringLiteral("accepted(%1)").arg(doNotShowAgain ? "true" : "false");
    });
    QObject::connect(&dialog, &WarningDialog::rejected, &context, [&results] {
        results << QStringLiteral("rejected");
    });
    dialog.show();
    return results;
}

// Instead of answering the box, acts on it once while it is open.
void whileOpen(QTimer &timer, const std::function<void(QMessageBox *)> &action)
{
    timer.callOnTimeout([&timer, action] {
        if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            timer.stop();
            action(box);
        }
    });
    timer.start(5);
}

} // namespace

class WarningDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void results();
    void noMainWindow();
    void mainWindowClosingTheBoxReportsNothing();
    void destroyedWhileOpenReportsNothing();

private:
    QTemporaryDir m_dir;
    Utils::QtcSettings m_settings{m_dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat};
    std::unique_ptr<QMainWindow> m_mainWindow;
    std::unique_ptr<Core::ICore> m_core;
};

void WarningDialogTest::init()
{
    m_mainWindow = std::make_unique<QMainWindow>();
    m_core = std::make_unique<Core::ICore>(m_mainWindow.get(), &m_settings, Utils::FilePath());
}

void WarningDialogTest::cleanup()
{
    m_core.reset();
    m_mainWindow.reset();
}

// The box shows the dialog's state; only Ok and Apply accept, only Cancel and
// Discard reject, and the check box counts only when it was shown.
void WarningDialogTest::results()
{
    // clang-format off
    static const struct { B::StandardButtons buttons; B::StandardButton clicked; bool withCheckBox, checked; const char *results; } rows[] = {
        {B::Ok | B::Cancel, B::Ok, true, true, "accepted(true)"},
        {B::Ok | B::Cancel, B::Ok, false, true, "accepted(false)"},
        {B::Apply | B::Discard, B::Apply, true, false, "accepted(false)"},
        {B::Ok | B::Cancel, B::Cancel, true, true, "rejected"},
        {B::Apply | B::Discard, B::Discard, false, false, "rejected"},
        {B::Ok | B::Cancel | B::Yes, B::Yes, true, true, ""},
    };
    // clang-format on
    for (const auto &row : rows) {
        WarningDialog dialog;
        dialog.setText(QStringLiteral("The track is lost. Go on?"));
        dialog.setStandardButtons(row.buttons);
        dialog.setWithDoNotShowAgainCheckBox(row.withCheckBox);
        ModalAnswerer answerer(row.clicked);
        answerer.setCheckBoxChecked(row.checked);
        QString checkBoxText;
        connect(&answerer, &ModalAnswerer::answered, this, [&] {
            auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            checkBoxText = box->checkBox()->text();
        });
        // Reported before show() returns.
        QCOMPARE(::results(dialog).join(QLatin1Char(' ')), QLatin1String(row.results));
        QCOMPARE(answerer.boxes.size(), 1);
        const ModalAnswerer::Box box = answerer.boxes.first();
        QCOMPARE(box.checkBoxVisible, row.withCheckBox);
        QCOMPARE(QStringList({box.title, box.text, checkBoxText}),
                 QStringList({"Warning", "The track is lost. Go on?", "Do not show again"}));
        QCOMPARE(box.icon, B::Question);
        QCOMPARE(box.buttons, row.buttons);
        QCOMPARE(box.parent, m_mainWindow.get());
        QVERIFY(box.flags.testFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint));
    }
}

void WarningDialogTest::noMainWindow()
{
    m_core.reset();
    WarningDialog dialog;
    ModalAnswerer answerer(B::Ok);
    QCOMPARE(::results(dialog), QStringList{QStringLiteral("accepted(false)")});
    QCOMPARE(answerer.boxes.value(0).parent, nullptr);
}

void WarningDialogTest::mainWindowClosingTheBoxReportsNothing()
{
    WarningDialog dialog;
    dialog.setWithDoNotShowAgainCheckBox(true);
    QTimer timer;
    QPointer<QMessageBox> shown;
    whileOpen(timer, [&](QMessageBox *box) {
        shown = box;
        m_mainWindow.reset();
    });
    QCOMPARE(::results(dialog), QStringList());
    QVERIFY(shown.isNull());
}

void WarningDialogTest::destroyedWhileOpenReportsNothing()
{
    // As QML destroys objects: deferred, here while the box's loop runs.
    QPointer<WarningDialog> dialog = new WarningDialog;
    int reports = 0;
    connect(dialog, &WarningDialog::accepted, this, [&] { ++reports; });
    connect(dialog, &WarningDialog::rejected, this, [&] { ++reports; });
    QTimer timer;
    bool deletedWhileOpen = false;
    whileOpen(timer, [&](QMessageBox *box) {
        dialog->deleteLater();
        QTimer::singleShot(50, box, [&, box] {
            deletedWhileOpen = dialog.isNull();
            box->button(B::Ok)->click();
        });
    });
    dialog->show();
    QVERIFY(deletedWhileOpen);
    QCOMPARE(reports, 0);
}

QTEST_MAIN(WarningDialogTest)

#include "tst_warningdialog.moc"
