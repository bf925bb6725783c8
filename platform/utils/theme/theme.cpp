#include "theme.h"

namespace Utils {

static Theme *s_creatorTheme = nullptr;

Theme::Theme(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name == QLatin1String("dark") ? name : QStringLiteral("light"))
{
    const bool dark = m_name == QLatin1String("dark");
    m_colors.insert(BackgroundColorNormal,
                    dark ? QColor(0x2e, 0x2f, 0x30) : QColor(0xff, 0xff, 0xff));
    m_colors.insert(SeparatorColor, dark ? QColor(0x47, 0x47, 0x47) : QColor(0xcc, 0xcc, 0xcc));
    m_colors.insert(HighlightColor, dark ? QColor(0x3f, 0x8c, 0xe0) : QColor(0x1d, 0x54, 0x5c));
    m_flags.insert(DarkUserInterface, dark);
}

QColor Theme::color(Color role) const
{
    return m_colors.value(role);
}

bool Theme::flag(Flag flag) const
{
    return m_flags.value(flag);
}

Theme *creatorTheme()
{
    return s_creatorTheme;
}

void setCreatorTheme(Theme *theme)
{
    s_creatorTheme = theme;
}

} // namespace Utils
