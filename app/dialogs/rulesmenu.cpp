#include "app/dialogs/rulesmenu.h"

#include "profiles/rulefile.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>

namespace RulesMenu {

void loadRulesMenu(QMenu* menu, const ControllerState& state, const std::function<void(const QString& path)>& chosen)
{
    menu->clear();
    const QIcon icon = qApp->style()->standardIcon(QStyle::SP_FileIcon);
    for (const RuleMenuEntry& entry : RuleFile::loadRulesMenu(RuleFile::rulesFolder(state))) {
        // A "&" in a file name is text, not a mnemonic.
        QString title = entry.title;
        QAction* item = menu->addAction(icon, title.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(entry.path);
        item->setToolTip(entry.path);
        QObject::connect(item, &QAction::triggered, menu, [item, chosen] {
            if (chosen)
                chosen(item->data().toString());
        });
    }
}

void attach(QMenu* menu, const ControllerState& state, std::function<void(const QString& path)> chosen)
{
    menu->setToolTipsVisible(true);
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu, &state, chosen = std::move(chosen)] { loadRulesMenu(menu, state, chosen); });
}

} // namespace RulesMenu
