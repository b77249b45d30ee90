#pragma once

#include "engine/metadatafield.h"

#include <QList>
#include <QString>
#include <QStringList>

class Settings;
class UserInterface;

// The main window's commands on the photo and audio masks and the results of the mask
// and extension editors, applied to the settings record. The window shows the masks and
// lists from the settings afterwards. ui (when given) ends text editing first, as the
// window's menu commands do.
namespace MaskCommands {

// Quick commands ("Add Field"). With isPhotoRenamingSeperator set the field is appended
// to photoMetaDataList and the mask is rebuilt from the list (separator mode names by the
// list); otherwise its tag code is appended to the mask text.
void photoRenamingMaskDate(Settings& settings, UserInterface* ui = nullptr);
void photoRenamingMaskTime(Settings& settings, UserInterface* ui = nullptr);
void photoRenamingMaskDeviceMake(Settings& settings, UserInterface* ui = nullptr);
void photoRenamingMaskDeviceModel(Settings& settings, UserInterface* ui = nullptr);
void photoRenamingMaskDimensions(Settings& settings, UserInterface* ui = nullptr);
void photoRenamingMaskFilename(Settings& settings, UserInterface* ui = nullptr);
// The chosen field list and the mask emptied.
void photoRenamingMaskClear(Settings& settings, UserInterface* ui = nullptr);

// The audio menu: tags 1 to 8 append their token to id3RenamingTagsList; any tag then
// rebuilds the mask.
void id3RenamingMaskActions(Settings& settings, int menuTag, UserInterface* ui = nullptr);
void id3RenamingMaskClear(Settings& settings, UserInterface* ui = nullptr);

// The mask editor's OK: the edited list becomes photoMetaDataList and the mask is rebuilt.
void PhotoRenamingMaskEditorControllerDidFinish(Settings& settings, const QList<MetaDataField>& metadataFields,
                                                UserInterface* ui = nullptr);
// The extension editor's apply: photoExtensions or id3Extensions, by itemType (an ExtensionList).
void ExtensionsEditorControllerDidFinish(Settings& settings, const QStringList& extensions, int itemType);

// An extension list as the main window shows it: entries joined by "; ".
QString extensionsText(const QStringList& extensions);

} // namespace MaskCommands
