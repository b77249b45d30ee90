#pragma once

#include "app/dialogs/sheet.h"
#include "metadata/photorenamingmaskeditorcontroller.h"

struct ControllerState;
class ListTableModel;
class MetaDataCatalogueModel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeView;
class UserInterface;

// The photo mask editor sheet: the metadata catalogue as a tree with a search field, and
// the chosen fields (label, category, tag code) that make the mask. Fields are added with
// the Add button, a double click, Return, or by dragging them onto the chosen list; the
// Remove button, a double click or Delete removes one. OK hands the list to the editor's delegate (by default the photo
// settings take it and the mask is rebuilt); Cancel tells nobody.
class PhotoMaskEditorDialog : public Sheet {
    Q_OBJECT
public:
    PhotoMaskEditorDialog(ControllerState& state, UserInterface& ui, const QList<MetaDataCategory>& categories,
                          QWidget* parent);
    ~PhotoMaskEditorDialog() override;

    PhotoRenamingMaskEditorController& controller() { return controller_; }
    QTreeView* catalogue() const { return catalogue_; }
    QTableView* chosenList() const { return chosen_; }
    QLineEdit* searchField() const { return search_; }
    MetaDataCatalogueModel* catalogueModel() const { return catalogueModel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshChosen();
    void updateButtons();
    void refreshCatalogue();
    void addFromCatalogue(const QModelIndex& index);
    void removeChosen();

    PhotoRenamingMaskEditorController controller_;
    MetaDataCatalogueModel* catalogueModel_ = nullptr;
    ListTableModel* chosenModel_ = nullptr;
    QTreeView* catalogue_ = nullptr;
    QTableView* chosen_ = nullptr;
    QWidget* chosenPane_ = nullptr; // takes the drops while the list is empty (and disabled)
    QLineEdit* search_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* add_ = nullptr;
};
