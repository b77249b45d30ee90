// Paths entering the list: the open panel, drops, the file manager's copied selection
// and the paths handed over from outside, with the choice dialog for folders.
#include "app/quorvelappcontroller.h"

#include "app/clipboardselection.h"
#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/pasteboarditemsdialog.h"
#include "app/qtuserinterface.h"
#include "intake/intake.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

void QuorvelAppController::afterIntake()
{
    window_->table()->setFocus(Qt::OtherFocusReason);
    window_->updateCommands();
}

void QuorvelAppController::addFilesFolders()
{
    if (state_.isExecuting.load())
        return;
    ui_->hideCallout();
    PanelOptions options;
    options.title = msg("CHOOSEFILESORFOLDERSTITLE");
    options.directory = lastAddFolder_.isEmpty() ? QDir::homePath() : lastAddFolder_;
    options.canChooseFiles = state_.isFiles();
    // Folders can always be chosen, files with them: Open adds every selected row (a
    // folder in files scope without subfolders adds the files at its top).
    options.canChooseDirectories = true;
    options.allowsMultipleSelection = true;
    options.canCreateDirectories = false;
    const QStringList paths = ui_->openPanel(options);
    if (paths.isEmpty())
        return;
    lastAddFolder_ = QFileInfo(paths.first()).absolutePath();
    intake_->addFiles(paths, [this] { afterIntake(); listEdited(); });
}

void QuorvelAppController::tableViewAcceptDrop(const QStringList& paths)
{
    if (state_.isExecuting.load() || paths.isEmpty())
        return;
    intake_->addFiles(paths, [this] { afterIntake(); listEdited(); });
}

void QuorvelAppController::addFilesFoldersFromFinder()
{
    if (state_.isExecuting.load() || !Edition::current().hasFileManagerSelection)
        return;
    ui_->hideCallout();
    ui_->endEditing();
    const QStringList paths = ClipboardSelection::paths(QGuiApplication::clipboard()->mimeData());
    if (paths.isEmpty()) {
        ui_->showCallout(12000, QStringLiteral("NOFILEMANAGERSELECTION"));
        return;
    }
    loadFiles(paths);
}

void QuorvelAppController::loadFiles(const QStringList& paths)
{
    if (state_.isExecuting.load())
        return;
    const Intake::LoadFilesResult result = intake_->loadFiles(paths, [this] { afterIntake(); listEdited(); });
    if (result == Intake::LoadFilesResult::NeedsChoice) {
        PasteboardItemsController choice;
        choice.Files = paths;
        // The choice starts as the last one left it: the list's scope and its subfolders box.
        choice.filesFoldersOptionChanged(state_.isFiles() ? 0 : 1);
        choice.isProcessSubfolders = state_.settings.flag(QStringLiteral("isIncludeSubFolders"));
        if (Edition::current().hasDroppedItemsChoice) {
            auto* dialog = new PasteboardItemsDialog(choice, window_.get());
            connect(dialog, &PasteboardItemsDialog::chosen, this,
                    [this](const PasteboardItemsController& made) { PasteboardItemsControllerDidFinish(made); });
            connect(dialog, &PasteboardItemsDialog::helpRequested, this, &QuorvelAppController::showHelpPage);
            dialog->open();
        } else {
            // Without the choice the folders are taken in the list's current scope.
            intake_->addFiles(paths, [this] { afterIntake(); listEdited(); });
        }
    }
    window_->showSettings(); // loadFiles may have switched to files scope
}

void QuorvelAppController::PasteboardItemsControllerDidFinish(const PasteboardItemsController& choice)
{
    intake_->PasteboardItemsControllerDidFinish(choice, [this] { afterIntake(); listEdited(); });
    window_->showSettings();
}
