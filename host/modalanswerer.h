#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

namespace Host {

// Answers every modal message box that opens while it exists, and remembers
// what each box said: unattended demo runs and tests never hang on one.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QWidget *parent;
        Qt::WindowFlags flags;
        bool checkBoxVisible;
    };

    // button: what to press; NoButton presses the box's first button.
    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::NoButton,
                           QObject *parent = nullptr);

    void setButton(QMessageBox::StandardButton button) { m_button = button; }
    void setCheckBoxChecked(bool checked) { m_checkBoxChecked = checked; }

    QList<Box> boxes;

signals:
    void answered(const Box &box);

private:
    void answer();

    QTimer m_timer;
    QMessageBox::StandardButton m_button;
    bool m_checkBoxChecked = false;
};

} // namespace Host
