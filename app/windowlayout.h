#pragma once

class MainWindow;

// The window's layout between launches: its size and position, the split between the list
// and the method tabs, and the list's column widths, kept in the defaults store
// ("WINDOWGEOMETRY", "WINDOWSPLITTER", "WINDOWCOLUMNS"). The earlier edition keeps nothing
// between launches, its layout included.
namespace WindowLayout {

// Before the window is first shown; a missing or unreadable value leaves the default.
void restore(MainWindow& window);
// At termination, while the window is still shown as the user left it.
void store(MainWindow& window);

} // namespace WindowLayout
