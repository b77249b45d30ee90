// The profile commands: forwarded to ProfileCommands; the commands' enabled states
// follow what the load did.
#include "app/quorvelappcontroller.h"

#include "app/mainwindow.h"
#include "profiles/profilecommands.h"

void QuorvelAppController::saveProfile()
{
    if (state_.isExecuting.load())
        return;
    profiles_->saveProfile();
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
