#pragma once

#include "platform/userinterface.h"

#include <QStringList>

class QWidget;

// The open and save panels on QFileDialog. An open panel that may return files and
// folders together (the Add command) uses Qt's own dialog, where several files and
// folders can be selected at once and Open takes the selection as it is; a double click
// on a folder still opens it.
namespace OpenPanel {

QStringList open(QWidget* parent, const PanelOptions& options);
QString save(QWidget* parent, const PanelOptions& options);

} // namespace OpenPanel
