#include "app/dialogs/preferencesdialog.h"

#include "app/dialogs/dialogwidgets.h"
#include "pipeline/controllerstate.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace DialogWidgets;

PreferencesDialog::PreferencesDialog(ControllerState& state, UserInterface& ui, QWidget* parent)
    : Sheet(parent)
    , state_(state)
    , controller_(state, ui)
{
    setObjectName(QStringLiteral("PreferencesSheet"));
    setWindowTitle(msg("PREFERENCESTITLE").trimmed());

    auto* folders = new QGridLayout;
    auto addFolder = [&](int row, const QString& label, const char* name, QLineEdit*& field,
                         void (PreferencesSheetController::*set)(const QString&),
                         bool (PreferencesSheetController::*browse)()) {
        field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMinimumWidth(360);
        connect(field, &QLineEdit::textEdited, this, [this, set](const QString& text) { (controller_.*set)(text); });
        QPushButton* choose = makeButton(this, msg("BROWSE"), [this, browse] { (controller_.*browse)(); });
        choose->setObjectName(QString::fromLatin1(name) + QStringLiteral("Browse"));
        folders->addWidget(new QLabel(label, this), row, 0);
        folders->addWidget(field, row, 1);
        folders->addWidget(choose, row, 2);
    };
    addFolder(0, msg("Rename logs:"), "defaultLogFolderPath", logFolder_,
              &PreferencesSheetController::setDefaultLogFolderPath, &PreferencesSheetController::browseLogFolderPath);
    addFolder(1, msg("Profiles:"), "defaultProfileFolderPath", profileFolder_,
              &PreferencesSheetController::setDefaultProfileFolderPath,
              &PreferencesSheetController::browseProfileFolderPath);
    addFolder(2, msg("Rules:"), "defaultRulesFolderPath", rulesFolder_,
              &PreferencesSheetController::setDefaultRulesFolderPath,
              &PreferencesSheetController::browseRulesFolderPath);

    automaticSave_ = new QCheckBox(msg("Save the current profile automatically when quitting"), this);
    automaticSave_->setObjectName(QStringLiteral("automaticSaveCurrProfile"));
    connect(automaticSave_, &QCheckBox::clicked, this,
            [this](bool checked) { controller_.setAutomaticSaveCurrProfile(checked); });
    if (Edition::current().judgesBatchAsWhole) {
        chainsInOneGo_ = new QCheckBox(msg("PREFERENCESCHAINSINONEGO"), this);
        chainsInOneGo_->setObjectName(QStringLiteral("renameChainsInOneGo"));
        connect(chainsInOneGo_, &QCheckBox::clicked, this,
                [this](bool checked) { controller_.setRenameChainsInOneGo(checked); });
    }

    QPushButton* apply = makeButton(this, msg("APPLY"), [this] { controller_.applyPreferences(); });
    apply->setObjectName(QStringLiteral("applyButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { controller_.showHelp(); }));
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("Close"), [this] { reject(); }));
    buttons->addWidget(apply);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folders);
    layout->addWidget(automaticSave_);
    if (chainsInOneGo_)
        layout->addWidget(chainsInOneGo_);
    layout->addStretch();
    layout->addLayout(buttons);

    controller_.changed = [this] { refresh(); };
    refresh();
}

void PreferencesDialog::refresh()
{
    const Preferences& prefs = state_.preferences;
    const auto show = [](QLineEdit* field, const QString& text) {
        if (field->text() != text) {
            const QSignalBlocker blocker(field);
            field->setText(text);
        }
    };
    show(logFolder_, prefs.defaultLogFolderPath);
    show(profileFolder_, prefs.defaultProfileFolderPath);
    show(rulesFolder_, prefs.defaultRulesFolderPath);
    const QSignalBlocker blocker(automaticSave_);
    automaticSave_->setChecked(prefs.automaticSaveCurrProfile);
    if (chainsInOneGo_) {
        const QSignalBlocker chainsBlocker(chainsInOneGo_);
        chainsInOneGo_->setChecked(prefs.renameChainsInOneGo);
    }
}
