#include "app/dialogs/extensionsdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "metadata/maskcommands.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QBoxLayout>
#include <QLineEdit>
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

    QPushButton* add = makeButton(this, msg("EXTENSIONADDFROMFILE"), [this] {
        controller_.addExtension();
        refresh();
    });
    add->setObjectName(QStringLiteral("addButton"));
    add->setToolTip(msg("TIPEXTENSIONADDFROMFILE"));

    // An extension typed as a person writes it (".png", "png", "*.png").
    typed_ = new QLineEdit(this);
    typed_->setObjectName(QStringLiteral("typedExtension"));
    typed_->setPlaceholderText(msg("EXTENSIONTYPEDPLACEHOLDER"));
    QPushButton* addTyped = makeButton(this, msg("EXTENSIONADDTYPED"), [this] { addTypedExtension(); });
    addTyped->setObjectName(QStringLiteral("addTypedButton"));
    addTyped->setEnabled(false);
    connect(typed_, &QLineEdit::textChanged, addTyped,
            [this, addTyped] { addTyped->setEnabled(!typedExtension().isEmpty()); });
    connect(typed_, &QLineEdit::returnPressed, addTyped, &QPushButton::click);
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
    if (itemType == int(ExtensionList::Photo)) {
        QPushButton* everyFormat = makeButton(this, msg("ADDEVERYFORMAT"), [this] {
            controller_.addEveryReadableFormat();
            refresh();
        });
        everyFormat->setObjectName(QStringLiteral("addEveryFormatButton"));
        everyFormat->setToolTip(msg("TIPADDEVERYFORMAT"));
        edit->addWidget(everyFormat);
    }
    edit->addStretch();
    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(typed_, 1);
    typedRow->addWidget(addTyped);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(list_, 1);
    listColumn->addLayout(typedRow);
    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
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
    resize(400, 340);

    refresh();
}

QString ExtensionsDialog::typedExtension() const
{
    // What follows the last ".", as every name's extension is read.
    QString text = typed_->text().trimmed();
    text = text.mid(text.lastIndexOf(QLatin1Char('.')) + 1);
    if (text.isEmpty() || text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('*'))
        || text.contains(QLatin1Char(' ')))
        return QString();
    return text;
}

void ExtensionsDialog::addTypedExtension()
{
    const QString extension = typedExtension();
    if (extension.isEmpty())
        return;
    // The editor takes extensions from names: a name of that extension brings it in with
    // the same upper-casing and the same test for one already listed.
    if (controller_.addExtension(QStringLiteral("example.") + extension))
        typed_->clear();
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
