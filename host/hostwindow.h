#pragma once

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
QT_END_NAMESPACE

namespace Host {

// The IDE's main window: a menu bar whose Tools menu is the container
// "QtCreator.Menu.Tools" that plug-ins add to.
class HostWindow : public QMainWindow
{
    Q_OBJECT

public:
    HostWindow();

    // One line in the window's log of what the SDK did.
    void log(const QString &line);

private:
    QPlainTextEdit *m_log;
};

} // namespace Host
