#pragma once

#include "intake/pasteboarditemscontroller.h"

#include <QDialog>

class QCheckBox;
class QListWidget;

// The choice shown when items from outside include a folder: take them as files or as
// folders, with or without their subfolders. A window-modal sheet; Apply emits the
// choice, Cancel closes it without telling anyone.
class PasteboardItemsDialog : public QDialog {
    Q_OBJECT
public:
    PasteboardItemsDialog(const PasteboardItemsController& choice, QWidget* parent);

    const PasteboardItemsController& choice() const { return choice_; }

signals:
    void chosen(const PasteboardItemsController& choice);
    void helpRequested(const QString& page);

private:
    PasteboardItemsController choice_;
    QCheckBox* subfolders_ = nullptr;
};
