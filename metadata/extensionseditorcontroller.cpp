#include "metadata/extensionseditorcontroller.h"

#include "engine/filename.h"
#include "platform/readers/photoformats.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <utility>

ExtensionsEditorController::ExtensionsEditorController(UserInterface& ui, int itemType, QStringList extensions)
    : ui_(ui)
    , itemType_(itemType)
    , extensions_(std::move(extensions))
{
    selectRow(0);
}

void ExtensionsEditorController::selectRow(int row)
{
    selectedRow_ = row >= 0 && row < extensions_.size() ? row : -1;
}

void ExtensionsEditorController::addExtension()
{
    PanelOptions options;
    options.canChooseFiles = true;
    options.canChooseDirectories = false;
    options.allowsMultipleSelection = false;
    const QStringList chosen = ui_.openPanel(options);
    if (!chosen.isEmpty())
        addExtension(chosen.first());
}

bool ExtensionsEditorController::addExtension(const QString& chosenPath)
{
    const QString extension = splitName(lastPathComponent(chosenPath)).extension;
    if (extension.isEmpty())
        return false;
    const QString entry = QLatin1Char('.') + extension.toUpper();
    if (extensions_.contains(entry)) {
        ui_.alert(AlertStyle::Informational, msg("ADDFILEEXTENSIONTITLE"),
                  msg("ADDFILEEXTENSIONALREADYEXISTS").arg(entry));
        return false;
    }
    extensions_.append(entry);
    selectedRow_ = int(extensions_.size()) - 1;
    return true;
}

QStringList ExtensionsEditorController::withEveryReadableFormat(QStringList extensions)
{
    for (const QString& format : PhotoFormats::readableExtensions()) {
        if (!extensions.contains(format))
            extensions.append(format);
    }
    return extensions;
}

int ExtensionsEditorController::addEveryReadableFormat()
{
    if (itemType_ != int(ExtensionList::Photo))
        return 0;
    const qsizetype before = extensions_.size();
    extensions_ = withEveryReadableFormat(extensions_);
    const int added = int(extensions_.size() - before);
    if (added > 0)
        selectedRow_ = int(extensions_.size()) - 1;
    return added;
}

bool ExtensionsEditorController::removeExtension()
{
    if (selectedRow_ < 0 || selectedRow_ >= extensions_.size())
        return false;
    const int removed = selectedRow_;
    extensions_.removeAt(removed);
    selectRow(removed > 0 ? removed - 1 : 0);
    return true;
}

void ExtensionsEditorController::applyExtensions()
{
    if (delegate)
        delegate(extensions_, itemType_);
}

void ExtensionsEditorController::showHelp()
{
    ui_.openDocument(QStringLiteral("Extensions.html"));
}
