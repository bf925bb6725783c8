#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QMetaType>
#include <QString>

namespace Utils {

// Names actions, menus and contexts.
class Id
{
public:
    Id() = default;
    Id(const char *name)
        : m_name(name)
    {}

    static Id fromName(const QByteArray &name);
    static Id fromString(const QString &name);

    QByteArray name() const { return m_name; }
    QString toString() const { return QString::fromUtf8(m_name); }
    bool isValid() const { return !m_name.isEmpty(); }

    friend bool operator==(const Id &a, const Id &b) { return a.m_name == b.m_name; }
    friend bool operator!=(const Id &a, const Id &b) { return a.m_name != b.m_name; }
    friend size_t qHash(const Id &id, size_t seed = 0) { return qHash(id.m_name, seed); }

private:
    QByteArray m_name;
};

} // namespace Utils

Q_DECLARE_METATYPE(Utils::Id)
