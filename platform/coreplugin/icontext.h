#pragma once

#include <utils/id.h>

#include <QList>

namespace Core {

// The contexts in which a command is active.
class Context
{
public:
    Context() = default;
    explicit Context(Utils::Id c1) { m_ids.append(c1); }

    void add(Utils::Id id) { m_ids.append(id); }
    bool contains(Utils::Id id) const { return m_ids.contains(id); }
    int size() const { return int(m_ids.size()); }
    Utils::Id at(int i) const { return m_ids.at(i); }

    friend bool operator==(const Context &a, const Context &b) { return a.m_ids == b.m_ids; }

private:
    QList<Utils::Id> m_ids;
};

} // namespace Core
