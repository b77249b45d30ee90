// The photo and audio masks, the extension lists and rename from list.
#include "app/quorvelappcontroller.h"

#include "app/dialogs/extensionsdialog.h"
#include "app/dialogs/photomaskeditordialog.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "platform/edition.h"
#include "intake/intake.h"
#include "intake/renamefromlist.h"
#include "metadata/maskcommands.h"

void QuorvelAppController::photoRenamingMaskEditor()
{
    if (state_.isExecuting.load())
        return;
    auto* sheet = new PhotoMaskEditorDialog(state_, *ui_, metaDataList_.categories(), window_.get());
    sheet->controller().delegate = [this](const QList<MetaDataField>& fields) {
        PhotoRenamingMaskEditorControllerDidFinish(fields);
    };
    sheet->open();
}

void QuorvelAppController::photoExtensionEditor()
{
    openExtensionEditor(0);
}

void QuorvelAppController::id3ExtensionEditor()
{
    openExtensionEditor(1);
}

void QuorvelAppController::openExtensionEditor(int itemType)
{
    if (state_.isExecuting.load() || !Edition::current().hasExtensionEditor)
        return;
    auto* sheet = new ExtensionsDialog(state_, *ui_, itemType, window_.get());
    sheet->controller().delegate = [this](const QStringList& extensions, int type) {
        ExtensionsEditorControllerDidFinish(extensions, type);
    };
    sheet->open();
}

void QuorvelAppController::photoRenamingMaskQuick(int command)
{
    if (state_.isExecuting.load())
        return;
    Settings& s = state_.settings;
    switch (command) {
    case 0: MaskCommands::photoRenamingMaskDate(s, ui_.get()); break;
    case 1: MaskCommands::photoRenamingMaskTime(s, ui_.get()); break;
    case 2: MaskCommands::photoRenamingMaskDeviceMake(s, ui_.get()); break;
    case 3: MaskCommands::photoRenamingMaskDeviceModel(s, ui_.get()); break;
    case 4: MaskCommands::photoRenamingMaskDimensions(s, ui_.get()); break;
    case 5: MaskCommands::photoRenamingMaskFilename(s, ui_.get()); break;
    default: return;
    }
    window_->showSettings();
}

void QuorvelAppController::photoRenamingMaskClear()
{
    if (state_.isExecuting.load())
        return;
    MaskCommands::photoRenamingMaskClear(state_.settings, ui_.get());
    window_->showSettings();
}

void QuorvelAppController::id3RenamingMaskActions(int menuTag)
{
    if (state_.isExecuting.load())
        return;
    MaskCommands::id3RenamingMaskActions(state_.settings, menuTag, ui_.get());
    window_->showSettings();
}

void QuorvelAppController::id3RenamingMaskClear()
{
    if (state_.isExecuting.load())
        return;
    MaskCommands::id3RenamingMaskClear(state_.settings, ui_.get());
    window_->showSettings();
}

void QuorvelAppController::PhotoRenamingMaskEditorControllerDidFinish(const QList<MetaDataField>& metadataFields)
{
    if (state_.isExecuting.load())
        return;
    MaskCommands::PhotoRenamingMaskEditorControllerDidFinish(state_.settings, metadataFields, ui_.get());
    window_->showSettings();
}

void QuorvelAppController::ExtensionsEditorControllerDidFinish(const QStringList& extensions, int itemType)
{
    if (state_.isExecuting.load())
        return;
    MaskCommands::ExtensionsEditorControllerDidFinish(state_.settings, extensions, itemType);
    window_->showSettings();
}

void QuorvelAppController::browseRenameFile()
{
    if (state_.isExecuting.load())
        return;
    ::browseRenameFile(state_, *ui_);
    window_->showSettings();
}

void QuorvelAppController::loadRenameFile()
{
    if (state_.isExecuting.load())
        return;
    ::loadRenameFile(state_, *ui_, *intake_, [this] { afterIntake(); });
    window_->showSettings();
}

void QuorvelAppController::importTypeChanged(int tag)
{
    if (state_.isExecuting.load())
        return;
    ::importTypeChanged(state_, tag);
}
