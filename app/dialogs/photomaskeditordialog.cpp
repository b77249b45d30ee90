#include "app/dialogs/photomaskeditordialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "app/dialogs/metadatacataloguemodel.h"
#include "metadata/maskcommands.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>

using namespace DialogWidgets;

PhotoMaskEditorDialog::PhotoMaskEditorDialog(ControllerState& state, UserInterface& ui,
                                             const QList<MetaDataCategory>& categories, QWidget* parent)
    : Sheet(parent)
    , controller_(categories, state.settings.photoMetaDataList())
{
    setObjectName(QStringLiteral("PhotoRenamingMaskEditorSheet"));
    setWindowTitle(msg("Photo Renaming Mask"));
    controller_.delegate = [&state, &ui](const QList<MetaDataField>& fields) {
        MaskCommands::PhotoRenamingMaskEditorControllerDidFinish(state.settings, fields, &ui);
        ui.refreshSettingsView();
    };

    // The catalogue, with its search field.
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchField"));
    search_->setPlaceholderText(msg("Search"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty())
            return;
        controller_.filterItems(text);
        refreshCatalogue();
    });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (controller_.returnInSearchField())
            refreshChosen();
    });

    catalogueModel_ = new MetaDataCatalogueModel(controller_, this);
    catalogue_ = new QTreeView(this);
    catalogue_->setObjectName(QStringLiteral("categories"));
    catalogue_->setModel(catalogueModel_);
    catalogue_->setSelectionMode(QAbstractItemView::SingleSelection);
    catalogue_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    catalogue_->setDragEnabled(true);
    catalogue_->setDragDropMode(QAbstractItemView::DragOnly);
    catalogue_->setExpandsOnDoubleClick(true);
    catalogue_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    catalogue_->header()->setStretchLastSection(true);
    catalogue_->installEventFilter(this);
    connect(catalogue_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) { addFromCatalogue(index); });
    connect(catalogue_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        controller_.setGroupExpanded(catalogueModel_->catalogueRow(index).group, true);
    });
    connect(catalogue_, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        controller_.setGroupExpanded(catalogueModel_->catalogueRow(index).group, false);
    });
    connect(catalogue_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        controller_.selectCatalogueRow(catalogueModel_->catalogueRow(current));
        updateButtons();
    });
    // The double click and Return stay; the button is what a user finds first.
    add_ = makeButton(this, msg("MASKEDITORADD"), [this] { addFromCatalogue(catalogue_->currentIndex()); });
    add_->setObjectName(QStringLiteral("addButton"));
    add_->setToolTip(msg("TIPMASKEDITORADD"));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(search_);
    leftLayout->addWidget(catalogue_);
    auto* addRow = new QHBoxLayout;
    addRow->addStretch();
    addRow->addWidget(add_);
    leftLayout->addLayout(addRow);

    // The chosen fields.
    chosenModel_ = new ListTableModel(
        {{QStringLiteral("label"), msg("Label")},
         {QStringLiteral("category"), msg("Category")},
         {QStringLiteral("tagCode"), msg("Tag Code")}},
        [this] { return int(controller_.metadataFields().size()); },
        [this](int row, const QString& id) { return controller_.objectValueForTableColumn(row, id); }, this);
    chosenModel_->dropTypes = {PhotoRenamingMaskEditorController::MetaDataPBoardType};
    chosenModel_->drop = [this](const QMimeData* data, int row) {
        const QString type = PhotoRenamingMaskEditorController::MetaDataPBoardType;
        if (!controller_.acceptDrop(type, data->data(type), row))
            return false;
        refreshChosen();
        return true;
    };
    chosen_ = new QTableView(this);
    chosen_->setObjectName(QStringLiteral("metadataFields"));
    chosen_->setModel(chosenModel_);
    chosen_->setSelectionBehavior(QAbstractItemView::SelectRows);
    chosen_->setSelectionMode(QAbstractItemView::SingleSelection);
    chosen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chosen_->setAcceptDrops(true);
    chosen_->setDragDropMode(QAbstractItemView::DropOnly);
    chosen_->setDropIndicatorShown(true);
    chosen_->verticalHeader()->hide();
    chosen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    chosen_->installEventFilter(this);
    onRowSelected(chosen_, [this](int row) {
        controller_.selectRow(row);
        updateButtons();
    });
    connect(chosen_, &QTableView::doubleClicked, this, [this] { removeChosen(); });

    moveUp_ = makeButton(this, msg("ACTIONMOVEUP"), [this] {
        controller_.moveUp();
        refreshChosen();
    });
    moveUp_->setObjectName(QStringLiteral("moveUp"));
    moveDown_ = makeButton(this, msg("ACTIONMOVEDOWN"), [this] {
        controller_.moveDown();
        refreshChosen();
    });
    moveDown_->setObjectName(QStringLiteral("moveDown"));
    clear_ = makeButton(this, msg("MASKEDITORREMOVE"), [this] {
        controller_.clearSelected();
        refreshChosen();
    });
    clear_->setObjectName(QStringLiteral("clearButton"));
    clear_->setToolTip(msg("TIPMASKEDITORREMOVE"));

    auto* right = new QWidget(this);
    chosenPane_ = right;
    right->setAcceptDrops(true);
    right->installEventFilter(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(chosen_);
    auto* edit = new QHBoxLayout;
    edit->addWidget(clear_);
    edit->addStretch();
    edit->addWidget(moveUp_);
    edit->addWidget(moveDown_);
    rightLayout->addLayout(edit);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    QPushButton* ok = makeButton(this, msg("OK"), [this] {
        controller_.sheetClosed();
        accept();
    });
    ok->setObjectName(QStringLiteral("okButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("CANCEL"), [this] {
        controller_.sheetClosedWithCancel();
        reject();
    }));
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(820, 460);

    refreshCatalogue();
    refreshChosen();
}

PhotoMaskEditorDialog::~PhotoMaskEditorDialog()
{
    // The views outlive the controller they read (children go after members).
    catalogue_->setModel(nullptr);
    chosen_->setModel(nullptr);
}

void PhotoMaskEditorDialog::addFromCatalogue(const QModelIndex& index)
{
    if (controller_.doubleClickCatalogue(catalogueModel_->catalogueRow(index)))
        refreshChosen();
}

void PhotoMaskEditorDialog::removeChosen()
{
    if (controller_.doubleClickMetadataFields())
        refreshChosen();
}

bool PhotoMaskEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    // While the chosen list is empty it is disabled and its pane takes the catalogue's
    // drops, which land as the first field.
    if (watched == chosenPane_) {
        const QString type = PhotoRenamingMaskEditorController::MetaDataPBoardType;
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasFormat(type)) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasFormat(type) && chosenModel_->drop(drop->mimeData(), 0)) {
                drop->acceptProposedAction();
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == catalogue_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            addFromCatalogue(catalogue_->currentIndex());
            return true;
        }
        if (watched == chosen_ && key == Qt::Key_Delete) {
            removeChosen();
            return true;
        }
    }
    return Sheet::eventFilter(watched, event);
}

void PhotoMaskEditorDialog::refreshChosen()
{
    chosenModel_->reload();
    selectRowQuietly(chosen_, controller_.selectedRow());
    // An empty list has nothing to select or reorder; its pane takes the drops then.
    const bool enabled = controller_.isMetadataFieldsEnabled();
    chosen_->setEnabled(enabled);
    chosen_->setAcceptDrops(enabled);
    chosen_->viewport()->setAcceptDrops(enabled);
    updateButtons();
}

void PhotoMaskEditorDialog::updateButtons()
{
    moveUp_->setEnabled(controller_.isMoveUpEnabled());
    moveDown_->setEnabled(controller_.isMoveDownEnabled());
    clear_->setEnabled(controller_.isClearEnabled());
    add_->setEnabled(controller_.catalogueSelection().row >= 0);
}

void PhotoMaskEditorDialog::refreshCatalogue()
{
    const QSignalBlocker blocker(catalogue_);
    for (int group = 0; group < controller_.categories().size(); ++group)
        catalogue_->setExpanded(catalogueModel_->index(group, 0), controller_.isGroupExpanded(group));
    const QSignalBlocker selectionBlocker(catalogue_->selectionModel());
    catalogue_->selectionModel()->clearSelection();
    const QModelIndex selected = catalogueModel_->indexOf(controller_.catalogueSelection());
    if (selected.isValid()) {
        catalogue_->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect
                                                                    | QItemSelectionModel::Rows);
        catalogue_->scrollTo(selected);
    } else {
        catalogue_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    catalogue_->viewport()->update();
    updateButtons();
}
