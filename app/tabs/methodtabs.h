#pragma once

class QWidget;
class QuorvelAppController;

// The ten method tabs, in the order of selectedTab (0 to 9). Each builds its page in
// code; the settings binder wires its controls by name afterwards. The command buttons
// of a tab (mask editor, quick mask commands, list file) call the controller.
namespace MethodTabs {

QWidget* sequenceTab(QuorvelAppController& controller);        // 0
QWidget* insertDeleteTab(QuorvelAppController& controller);    // 1
QWidget* replaceRemoveTab(QuorvelAppController& controller);   // 2
QWidget* prefixSuffixTab(QuorvelAppController& controller);    // 3
QWidget* dateTimeTab(QuorvelAppController& controller);        // 4
QWidget* generalTab(QuorvelAppController& controller);         // 5
QWidget* audioTab(QuorvelAppController& controller);           // 6
QWidget* photoTab(QuorvelAppController& controller);           // 7
QWidget* pathComponentsTab(QuorvelAppController& controller);  // 8
QWidget* renameFromListTab(QuorvelAppController& controller);  // 9

// The tab titles' message keys, by index.
const char* titleKey(int tab);
constexpr int kCount = 10;

} // namespace MethodTabs
