#pragma once

#include <utils/filepath.h>

#include <QObject>
#include <QSettings>

QT_BEGIN_NAMESPACE
class QMainWindow;
QT_END_NAMESPACE

namespace Utils {
class QtcSettings;
}

namespace Core {

// The IDE's core services. The host creates the one instance before it
// loads plug-ins.
class ICore : public QObject
{
    Q_OBJECT

public:
    ICore(QMainWindow *mainWindow,
          Utils::QtcSettings *settings,
          const Utils::FilePath &resourcePath,
          QObject *parent = nullptr);
    ~ICore() override;

    static ICore *instance();

    static QMainWindow *mainWindow();
    // One settings object serves both scopes here.
    static Utils::QtcSettings *settings(QSettings::Scope scope = QSettings::UserScope);
    // The IDE's read-only data directory ("share/qtcreator"), or a path below it.
    static Utils::FilePath resourcePath(const QString &relativePath = {});

private:
    QMainWindow *m_mainWindow;
    Utils::QtcSettings *m_settings;
    Utils::FilePath m_resourcePath;
};

} // namespace Core
