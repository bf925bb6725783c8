#include "warningdialog.h"

#include <coreplugin/icore.h>

#include <QCheckBox>
#include <QMainWindow>
#include <QPointer>

namespace EmulationManagement::Internal {

WarningDialog::WarningDialog(QObject *parent)
    : QObject(parent)
{}

void WarningDialog::setText(const QString &text)
{
    m_text = text;
    emit textChanged();
}

void WarningDialog::setStandardButtons(QMessageBox::StandardButtons buttons)
{
    m_standardButtons = buttons;
    emit standardButtonsChanged();
}

void WarningDialog::setWithDoNotShowAgainCheckBox(bool with)
{
    m_withDoNotShowAgainCheckBox = with;
    emit withDoNotShowAgainCheckBoxChanged();
}

void WarningDialog::show()
{
    // On the heap and watched: the main window may go away while the box runs
    // its own event loop, and take the box with it.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question,
                                                tr("Warning"),
                                                m_text,
                                                m_standardButtons,
                                                Core::ICore::mainWindow(),
                                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // Decided once: the answer counts the box the user saw.
    const bool withCheckBox = m_withDoNotShowAgainCheckBox;
    auto checkBox = new QCheckBox(tr("Do not show again"));
    box->setCheckBox(checkBox);
    checkBox->setVisible(withCheckBox);

    // QML may destroy this object while the box is open.
    const QPointer<WarningDialog> self(this);
    const int result = box->exec();
    if (!box)
        return;
    const bool doNotShowAgain = withCheckBox && box->checkBox()->isChecked();
    delete box;
    if (self)
        reportResult(result, doNotShowAgain);
}

void WarningDialog::reportResult(int result, bool doNotShowAgain)
{
    switch (result) {
    case QMessageBox::Ok:
    case QMessageBox::Apply:
        emit accepted(doNotShowAgain);
        break;
    case QMessageBox::Cancel:
    case QMessageBox::Discard:
        emit rejected();
        break;
    default:
        break;
    }
}

} // namespace EmulationManagement::Internal
