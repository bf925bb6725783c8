#include "actionmanager.h"

#include "actioncontainer.h"
#include "command.h"

namespace Core {

static ActionManager *s_instance = nullptr;

ActionManager::ActionManager(QObject *parent)
    : QObject(parent)
{
    s_instance = this;
}

ActionManager::~ActionManager()
{
    qDeleteAll(m_commands);
    qDeleteAll(m_containers);
    if (s_instance == this)
        s_instance = nullptr;
}

ActionManager *ActionManager::instance()
{
    return s_instance;
}

ActionContainer *ActionManager::createMenu(Utils::Id id)
{
    if (ActionContainer *existing = actionContainer(id))
        return existing;
    auto container = new ActionContainer(id);
    s_instance->m_containers.insert(id, container);
    return container;
}

ActionContainer *ActionManager::actionContainer(Utils::Id id)
{
    return s_instance->m_containers.value(id);
}

Command *ActionManager::registerAction(QAction *action,
                                       Utils::Id id,
                                       const Context &context,
                                       bool scriptable)
{
    delete s_instance->m_commands.take(id);
    auto command = new Command(id, action, context, scriptable);
    s_instance->m_commands.insert(id, command);
    return command;
}

Command *ActionManager::command(Utils::Id id)
{
    return s_instance->m_commands.value(id);
}

} // namespace Core
