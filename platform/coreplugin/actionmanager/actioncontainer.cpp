#include "actioncontainer.h"

#include "command.h"

#include <QMenu>

namespace Core {

ActionContainer::ActionContainer(Utils::Id id, QObject *parent)
    : QObject(parent)
    , m_id(id)
    , m_menu(new QMenu)
{
    m_menu->setObjectName(id.toString());
}

ActionContainer::~ActionContainer()
{
    delete m_menu;
}

void ActionContainer::addAction(Command *command, Utils::Id group)
{
    Q_UNUSED(group)
    if (command && command->action())
        m_menu->addAction(command->action());
}

void ActionContainer::addMenu(ActionContainer *menu, Utils::Id group)
{
    Q_UNUSED(group)
    if (menu)
        m_menu->addMenu(menu->menu());
}

} // namespace Core
