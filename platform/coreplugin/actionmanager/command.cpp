#include "command.h"

#include <QAction>

namespace Core {

Command::Command(Utils::Id id, QAction *action, const Context &context, bool scriptable)
    : m_id(id)
    , m_action(action)
    , m_context(context)
    , m_scriptable(scriptable)
{}

} // namespace Core
