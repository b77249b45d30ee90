#include "app/themeicons.h"

namespace ThemeIcons {

QIcon icon(std::initializer_list<const char*> themeNames, const char* fallback)
{
    for (const char* name : themeNames) {
        const QString themed = QString::fromLatin1(name);
        if (QIcon::hasThemeIcon(themed))
            return QIcon::fromTheme(themed);
    }
    return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(fallback)));
}

QPixmap image(const QString& name)
{
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(name));
}

} // namespace ThemeIcons
