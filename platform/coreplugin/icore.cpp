#include "icore.h"

namespace Core {

static ICore *s_instance = nullptr;

ICore::ICore(QMainWindow *mainWindow,
             Utils::QtcSettings *settings,
             const Utils::FilePath &resourcePath,
             QObject *parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
    , m_settings(settings)
    , m_resourcePath(resourcePath)
{
    s_instance = this;
}

ICore::~ICore()
{
    if (s_instance == this)
        s_instance = nullptr;
}

ICore *ICore::instance()
{
    return s_instance;
}

QMainWindow *ICore::mainWindow()
{
    return s_instance ? s_instance->m_mainWindow : nullptr;
}

Utils::QtcSettings *ICore::settings(QSettings::Scope scope)
{
    Q_UNUSED(scope)
    return s_instance ? s_instance->m_settings : nullptr;
}

Utils::FilePath ICore::resourcePath(const QString &relativePath)
{
    return s_instance ? s_instance->m_resourcePath.pathAppended(relativePath) : Utils::FilePath();
}

} // namespace Core
