#pragma once

#include <QString>

namespace Utils {

// A path on the local file system.
class FilePath
{
public:
    FilePath() = default;

    static FilePath fromString(const QString &path);

    QString toString() const { return m_path; }
    // The path in the native form the operating system's file API takes.
    QString toFSPathString() const;
    FilePath pathAppended(const QString &relative) const;
    bool isEmpty() const { return m_path.isEmpty(); }

    friend bool operator==(const FilePath &a, const FilePath &b) { return a.m_path == b.m_path; }

private:
    QString m_path;
};

} // namespace Utils
