#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class UserInterface;

// The extension lists the editor edits, as its itemType gives them.
enum class ExtensionList { Photo = 0, Audio = 1 };

// The logic of the extension list editor sheet, without widgets: a copy of the list being
// edited (photoExtensions or id3Extensions, by itemType: an ExtensionList), its selection,
// adding from a chosen file and removing the selected entry. Entries are "." plus the
// upper-cased extension (".JPG") and unique.
class ExtensionsEditorController {
public:
    ExtensionsEditorController(UserInterface& ui, int itemType, QStringList extensions);

    // Receives the edited list and the item type when the user applies
    // (ExtensionsEditorControllerDidFinish).
    std::function<void(const QStringList& extensions, int itemType)> delegate;

    const QStringList& extensions() const { return extensions_; }
    int itemType() const { return itemType_; }

    // The selected row (-1: none); row 0 is selected when the sheet opens on a non-empty
    // list.
    int selectedRow() const { return selectedRow_; }
    void selectRow(int row);
    bool isRemoveEnabled() const { return selectedRow_ >= 0; }

    // Asks the user for one existing file and adds its extension.
    void addExtension();
    // Adds the extension of the chosen file: nothing for a name without extension; an
    // alert (ADDFILEEXTENSIONTITLE / ADDFILEEXTENSIONALREADYEXISTS) for one already
    // listed; otherwise appended and selected. True when the list changed.
    bool addExtension(const QString& chosenPath);
    // "Add Every Format Quorvel Reads" (photo list only): appends each readable format the
    // list lacks, in the order of that list, and selects the last one added. Returns how
    // many were added.
    int addEveryReadableFormat();
    // The list with every readable format it lacks appended.
    static QStringList withEveryReadableFormat(QStringList extensions);
    // Removes the selected row; then the row before it (row 0 when the first was removed)
    // is selected, or nothing when the list is empty.
    bool removeExtension();
    // Hands the list to the delegate.
    void applyExtensions();
    void sheetClosed() {}
    void showHelp();

private:
    UserInterface& ui_;
    int itemType_;
    QStringList extensions_;
    int selectedRow_ = -1;
};
