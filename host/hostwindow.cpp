#include "hostwindow.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/coreconstants.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

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

    auto welcome = new QLabel(tr("Plug-ins add their entries to the Tools menu."));
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
}

} // namespace Host
