#include "app/dialogs/extensionsdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "metadata/maskcommands.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

using namespace DialogWidgets;

namespace {

QStringList listFor(const ControllerState& state, int itemType)
{
    return state.settings.list(itemType == 0 ? QStringLiteral("photoExtensions") : QStringLiteral("id3Extensions"));
}

} // namespace

ExtensionsDialog::ExtensionsDialog(ControllerState& state, UserInterface& ui, int itemType, QWidget* parent)
    : Sheet(parent)
    , controller_(ui, itemType, listFor(state, itemType))
{
    setObjectName(QStringLiteral("ExtensionEditorSheet"));
    setWindowTitle(msg("ADDFILEEXTENSIONTITLE"));
    controller_.delegate = [&state, &ui](const QStringList& extensions, int type) {
        MaskCommands::ExtensionsEditorControllerDidFinish(state.settings, extensions, type);
        ui.refreshSettingsView();
    };

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("extensions"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        controller_.selectRow(selected.isEmpty() ? -1 : list_->row(selected.first()));
        remove_->setEnabled(controller_.isRemoveEnabled());
    });

    QPushButton* add = makeButton(this, msg("Add..."), [this] {
        controller_.addExtension();
        refresh();
    });
    add->setObjectName(QStringLiteral("addButton"));
    remove_ = makeButton(this, msg("ACTIONREMOVE"), [this] {
        controller_.removeExtension();
        refresh();
    });
    remove_->setObjectName(QStringLiteral("removeButton"));
    QPushButton* apply = makeButton(this, msg("APPLY"), [this] {
        controller_.applyExtensions();
        accept();
    });
    apply->setObjectName(QStringLiteral("applyButton"));

    auto* edit = new QVBoxLayout;
    edit->addWidget(add);
    edit->addWidget(remove_);
    edit->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(edit);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { controller_.showHelp(); }));
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("CANCEL"), [this] {
        controller_.sheetClosed();
        reject();
    }));
    buttons->addWidget(apply);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(360, 320);

    refresh();
}

void ExtensionsDialog::refresh()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    list_->addItems(controller_.extensions());
    if (controller_.selectedRow() >= 0)
        list_->setCurrentRow(controller_.selectedRow());
    remove_->setEnabled(controller_.isRemoveEnabled());
}
