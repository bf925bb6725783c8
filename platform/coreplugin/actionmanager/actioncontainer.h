#pragma once

#include <utils/id.h>

#include <QObject>

QT_BEGIN_NAMESPACE
class QMenu;
QT_END_NAMESPACE

namespace Core {

class Command;

// A menu that several plug-ins may add to.
class ActionContainer : public QObject
{
    Q_OBJECT

public:
    explicit ActionContainer(Utils::Id id, QObject *parent = nullptr);
    ~ActionContainer() override;

    Utils::Id id() const { return m_id; }
    QMenu *menu() const { return m_menu; }

    void addAction(Command *command, Utils::Id group = {});
    void addMenu(ActionContainer *menu, Utils::Id group = {});

private:
    Utils::Id m_id;
    QMenu *m_menu;
};

} // namespace Core
