#include "app/dialogs/profilesdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "app/profilechanges.h"
#include "platform/dateformat.h"
#include "platform/messages.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

using namespace DialogWidgets;

ProfilesDialog::ProfilesDialog(ControllerState& state, UserInterface& ui, ProfileCommands& commands,
                               SettingsLoader& loader, QWidget* parent)
    : Sheet(parent)
    , controller_(state, ui, commands, loader)
{
    setObjectName(QStringLiteral("ProfileSheet"));
    setWindowTitle(msg("PROFILETITLE"));

    model_ = new ListTableModel(
        {{QStringLiteral("profileName"), msg("Profile")}, {QStringLiteral("dateCreated"), msg("Date Created")}},
        [this] { return int(controller_.profiles.size()); },
        [this](int row, const QString& id) {
            // The name a person gave it, and the date as every list of the program shows one.
            const ProfileRow& profile = controller_.profiles.at(row);
            return id == QLatin1String("profileName") ? ProfileChanges::profileName(profile.profileName)
                                                       : DateFormat::localeDateTime(profile.sortTime);
        },
        this);

    table_ = makeRowTable(this, QStringLiteral("profileListView"), model_);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    sortOnHeaderClick(table_, [this](int column, bool ascending) {
        controller_.sortByColumn(model_->identifier(column), ascending);
    });
    onRowSelected(table_, [this](int row) { controller_.tableViewSelectionDidChange(row); });

    newProfileName_ = new QLineEdit(this);
    newProfileName_->setObjectName(QStringLiteral("newProfileName"));
    newProfileName_->setPlaceholderText(msg("Name of the new profile"));
    connect(newProfileName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { controller_.newProfileName = text; });

    QPushButton* save = makeButton(this, msg("Save"), [this] { controller_.saveProfile(); });
    save->setObjectName(QStringLiteral("saveButton"));
    connect(newProfileName_, &QLineEdit::returnPressed, save, &QPushButton::click);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(new QLabel(msg("New profile:"), this));
    newRow->addWidget(newProfileName_, 1);
    newRow->addWidget(save);

    QPushButton* load = makeButton(this, msg("Load"), [this] { controller_.loadProfile(); });
    load->setObjectName(QStringLiteral("loadButton"));
    QPushButton* remove = makeButton(this, msg("Delete"), [this] { controller_.deleteProfile(); });
    remove->setObjectName(QStringLiteral("deleteButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { controller_.showHelp(); }));
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("Close"), [this] { reject(); }));
    buttons->addWidget(load);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(newRow);
    layout->addLayout(buttons);
    resize(520, 380);

    controller_.changed = [this] { refresh(); };
    controller_.closeSheet = [this] { accept(); };
    controller_.awakeFromNib();
}

ProfilesDialog::~ProfilesDialog()
{
    // The table outlives the controller it reads (children go after members).
    table_->setModel(nullptr);
}

void ProfilesDialog::refresh()
{
    model_->reload();
    selectRowQuietly(table_, controller_.selectedRow);
    if (newProfileName_->text() != controller_.newProfileName) {
        const QSignalBlocker blocker(newProfileName_);
        newProfileName_->setText(controller_.newProfileName);
    }
}
