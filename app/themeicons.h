#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Icons from the desktop theme, with the pictures shipped under ":/icons" as the
// fallback for desktops whose theme lacks a name (and for the offscreen platform).
namespace ThemeIcons {

// The theme's icon for the first of the names it knows, else ":/icons/<fallback>.png".
QIcon icon(std::initializer_list<const char*> themeNames, const char* fallback);

// A picture shipped with the program (":/icons/<name>.png"), e.g. "preview48", "Error".
QPixmap image(const QString& name);

} // namespace ThemeIcons
