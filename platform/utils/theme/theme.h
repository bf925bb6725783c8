#pragma once

#include <QColor>
#include <QHash>
#include <QObject>

namespace Utils {

// The IDE's colour theme. Only the roles plug-ins of this kind read are
// listed; their values are those of the IDE's enumerations.
class Theme : public QObject
{
    Q_OBJECT

public:
    enum Color {
        BackgroundColorNormal = 2,
        SeparatorColor = 13,
        HighlightColor = 59,
    };
    Q_ENUM(Color)

    enum Flag {
        DarkUserInterface = 14,
    };
    Q_ENUM(Flag)

    // "light" or "dark"; an unknown name gives the light theme.
    explicit Theme(const QString &name, QObject *parent = nullptr);

    QString name() const { return m_name; }
    QColor color(Color role) const;
    bool flag(Flag flag) const;

private:
    QString m_name;
    QHash<Color, QColor> m_colors;
    QHash<Flag, bool> m_flags;
};

Theme *creatorTheme();
void setCreatorTheme(Theme *theme);

} // namespace Utils
