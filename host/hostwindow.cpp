#include "hostwindow.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/coreconstants.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTime>

namespace Host {

HostWindow::HostWindow()
{
    setWindowTitle(tr("IDE Host"));
    resize(1280, 800);

    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(tr("E&xit"), QKeySequence::Quit, qApp, &QApplication::quit);

    Core::ActionContainer *tools = Core::ActionManager::createMenu(Core::Constants::M_TOOLS);
    tools->menu()->setTitle(tr("&Tools"));
    menuBar()->addMenu(tools->menu());

    m_log = new QPlainTextEdit;
    m_log->setReadOnly(true);
    m_log->setPlaceholderText(tr("Plug-ins add their entries to the Tools menu."));
    setCentralWidget(m_log);
}

void HostWindow::log(const QString &line)
{
    m_log->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz  ")) + line);
}

} // namespace Host
