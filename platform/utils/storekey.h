#pragma once

#include <QByteArray>
#include <QString>

namespace Utils {

// A settings key.
class Key
{
public:
    Key() = default;
    template<int N>
    Key(const char (&key)[N])
        : m_data(key, N - 1)
    {}
    explicit Key(const QByteArray &key)
        : m_data(key)
    {}

    QByteArray toByteArray() const { return m_data; }
    QString toString() const { return QString::fromUtf8(m_data); }

    friend bool operator==(const Key &a, const Key &b) { return a.m_data == b.m_data; }

private:
    QByteArray m_data;
};

Key keyFromString(const QString &key);
QString stringFromKey(const Key &key);

} // namespace Utils
