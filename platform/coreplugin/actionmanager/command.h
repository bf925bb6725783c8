#pragma once

#include <coreplugin/icontext.h>
#include <utils/id.h>

#include <QAction>
#include <QPointer>

namespace Core {

// A registered action.
class Command : public QObject
{
    Q_OBJECT

public:
    Command(Utils::Id id, QAction *action, const Context &context, bool scriptable);

    Utils::Id id() const { return m_id; }
    // Null once the registering plug-in has deleted its action.
    QAction *action() const { return m_action; }
    Context context() const { return m_context; }
    bool isScriptable() const { return m_scriptable; }

private:
    Utils::Id m_id;
    QPointer<QAction> m_action;
    Context m_context;
    bool m_scriptable;
};

} // namespace Core
