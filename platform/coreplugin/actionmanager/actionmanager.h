#pragma once

#include <coreplugin/coreconstants.h>
#include <coreplugin/icontext.h>
#include <utils/id.h>

#include <QHash>
#include <QObject>

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE

namespace Core {

class ActionContainer;
class Command;

// Registry of the IDE's commands and menus. The host creates the one
// instance before it loads plug-ins; it owns every container and command.
class ActionManager : public QObject
{
    Q_OBJECT

public:
    explicit ActionManager(QObject *parent = nullptr);
    ~ActionManager() override;

    static ActionManager *instance();

    // Returns the existing container when the id is already known.
    static ActionContainer *createMenu(Utils::Id id);
    static ActionContainer *actionContainer(Utils::Id id);

    static Command *registerAction(QAction *action,
                                   Utils::Id id,
                                   const Context &context = Context(Constants::C_GLOBAL),
                                   bool scriptable = false);
    static Command *command(Utils::Id id);

private:
    QHash<Utils::Id, ActionContainer *> m_containers;
    QHash<Utils::Id, Command *> m_commands;
};

} // namespace Core
