#pragma once

#include <QMainWindow>

namespace Host {

// The IDE's main window: a menu bar whose Tools menu is the container
// "QtCreator.Menu.Tools" that plug-ins add to.
class HostWindow : public QMainWindow
{
    Q_OBJECT

public:
    HostWindow();
};

} // namespace Host
