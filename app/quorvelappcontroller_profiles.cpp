// The profile commands: forwarded to ProfileCommands; the commands' enabled states
// follow what the load did.
#include "app/quorvelappcontroller.h"

#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"

void QuorvelAppController::saveProfile()
{
    if (state_.isExecuting.load())
        return;
    if (profiles_->saveProfile())
        profileShown();
}

void QuorvelAppController::profileShown()
{
    profileChanges_.remember(state_);
    profileChanged_ = false;
    window_->setWindowTitle(ProfileChanges::windowTitle(state_, false));
}

void QuorvelAppController::showProfileChanges()
{
    if (!Edition::current().marksChangedProfile)
        return;
    const bool changed = profileChanges_.isChanged(state_);
    if (changed == profileChanged_)
        return;
    profileChanged_ = changed;
    window_->setWindowTitle(ProfileChanges::windowTitle(state_, changed));
}

bool QuorvelAppController::offerToSaveChangedProfile()
{
    if (!Edition::current().marksChangedProfile || state_.currProfileFile.isEmpty()
        || state_.preferences.automaticSaveCurrProfile)
        return true;
    ui_->endEditing();
    showProfileChanges();
    if (!profileChanged_)
        return true;
    const QString answer = ui_->alert(
        AlertStyle::Warning, msg("PROFILESAVECHANGESTITLE").arg(ProfileChanges::profileName(state_.currProfileFile)),
        msg("PROFILESAVECHANGESMESSAGE"), {QStringLiteral("Save"), QStringLiteral("DONTSAVE"), QStringLiteral("CANCEL")});
    if (answer == QLatin1String("DONTSAVE"))
        return true;
    // A profile that could not be written keeps the program open, with the changes.
    return answer == QLatin1String("Save") && profiles_->saveProfile();
}

void QuorvelAppController::saveAsProfile()
{
    if (state_.isExecuting.load())
        return;
    profiles_->saveAsProfile();
}

void QuorvelAppController::loadProfile()
{
    if (state_.isExecuting.load())
        return;
    profiles_->loadProfile();
    window_->updateCommands();
}

void QuorvelAppController::loadEmptyProfile()
{
    if (state_.isExecuting.load())
        return;
    profiles_->loadEmptyProfile();
    window_->updateCommands();
}

void QuorvelAppController::loadDefaultProfile()
{
    if (state_.isExecuting.load())
        return;
    profiles_->loadDefaultProfile();
    window_->updateCommands();
}
