#include "app/pasteboarditemsdialog.h"

#include "app/themeicons.h"
#include "engine/filesystemitem.h"
#include "platform/messages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PasteboardItemsDialog::PasteboardItemsDialog(const PasteboardItemsController& choice, QWidget* parent)
    : QDialog(parent)
    , choice_(choice)
{
    setObjectName(QStringLiteral("PasteboardItemsSheet"));
    setWindowTitle(msg("CHOOSEITEMSTITLE"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* explanation = new QLabel(msg("CHOOSEITEMSMESSAGE"), this);
    explanation->setWordWrap(true);

    // The names only, each with its folder in a tool tip: a few lines to recognise what was
    // dropped, never a wall of paths to scroll sideways through.
    constexpr int kShownNames = 6;
    auto* paths = new QListWidget(this);
    paths->setObjectName(QStringLiteral("Files"));
    for (const QString& path : choice_.Files) {
        if (paths->count() == kShownNames) {
            paths->addItem(msgN("CHOOSEITEMSMORE", choice_.Files.size() - kShownNames));
            break;
        }
        const QString shown = FileSystemItem::getDisplayFilePath(path);
        auto* item = new QListWidgetItem(shown.section(QLatin1Char('/'), -1), paths);
        item->setToolTip(shown);
    }
    paths->setSelectionMode(QAbstractItemView::NoSelection);
    paths->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    paths->setTextElideMode(Qt::ElideMiddle);
    paths->setMaximumHeight(paths->sizeHintForRow(0) * (kShownNames + 1) + 2 * paths->frameWidth());

    auto* kinds = new QButtonGroup(this);
    kinds->setObjectName(QStringLiteral("filesFolders"));
    auto* files = new QRadioButton(msg("SCOPEFILES"), this);
    auto* folders = new QRadioButton(msg("SCOPEFOLDERS"), this);
    files->setObjectName(QStringLiteral("filesFolders_0"));
    folders->setObjectName(QStringLiteral("filesFolders_1"));
    kinds->addButton(files, 0);
    kinds->addButton(folders, 1);
    files->setChecked(choice_.isFiles);
    folders->setChecked(choice_.isFolders);
    connect(kinds, &QButtonGroup::idClicked, this, [this](int tag) { choice_.filesFoldersOptionChanged(tag); });

    subfolders_ = new QCheckBox(msg("INCLUDESUBFOLDERS"), this);
    subfolders_->setObjectName(QStringLiteral("isProcessSubfolders"));
    subfolders_->setChecked(choice_.isProcessSubfolders);
    connect(subfolders_, &QCheckBox::clicked, this, [this](bool on) { choice_.isProcessSubfolders = on; });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* apply = buttons->addButton(msg("APPLY"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("applyButton"));
    apply->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(msg("CANCEL"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        accept();
        emit chosen(choice_);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { emit helpRequested(QStringLiteral("ChooseItems.html")); });

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(files);
    kindRow->addWidget(folders);
    kindRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(paths);
    layout->addLayout(kindRow);
    layout->addWidget(subfolders_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
