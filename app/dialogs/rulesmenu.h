#pragma once

#include <QString>

#include <functional>

struct ControllerState;
class QMenu;

// The rules menu: rebuilt from the rules folder each time it opens, one item per rule
// file (titled with the file name without its extension). Each item keeps the file's
// full path as its data, shows it as its tool tip, and hands it to chosen when picked.
namespace RulesMenu {

void attach(QMenu* menu, const ControllerState& state, std::function<void(const QString& path)> chosen);

// Rebuilds the items now (what opening the menu does).
void loadRulesMenu(QMenu* menu, const ControllerState& state, const std::function<void(const QString& path)>& chosen);

} // namespace RulesMenu
