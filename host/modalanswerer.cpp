#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>

namespace Host {

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton button, QObject *parent)
    : QObject(parent)
    , m_button(button)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::answer);
    m_timer.start(10);
}

void ModalAnswerer::answer()
{
    auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    QCheckBox *checkBox = box->checkBox();
    boxes.append({box->windowTitle(),
                  box->text(),
                  box->informativeText(),
                  box->icon(),
                  box->standardButtons(),
                  box->parentWidget(),
                  box->windowFlags(),
                  checkBox && !checkBox->isHidden()});
    if (checkBox)
        checkBox->setChecked(m_checkBoxChecked);
    QAbstractButton *button
        = m_button == QMessageBox::NoButton ? box->buttons().value(0) : box->button(m_button);
    emit answered(boxes.last());
    if (button)
        button->click();
    else
        box->reject();
}

} // namespace Host
