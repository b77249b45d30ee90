#include "metadata/maskcommands.h"

#include "engine/settings.h"
#include "metadata/extensionseditorcontroller.h"
#include "metadata/metadatacatalogue.h"
#include "platform/userinterface.h"

namespace MaskCommands {

namespace {

void endEditing(UserInterface* ui)
{
    if (ui)
        ui->endEditing();
}

void appendToPhotoMask(Settings& settings, const QString& tagCode, UserInterface* ui)
{
    endEditing(ui);
    if (settings.flag(QStringLiteral("isPhotoRenamingSeperator"))) {
        // Separator mode builds the name from the field list: the field joins the list
        // and the mask text is rebuilt from it, so the field, the editor and the
        // preview agree.
        static const MetaDataCatalogue catalogue;
        QList<MetaDataField> fields = settings.photoMetaDataList();
        fields.append(catalogue.fieldForTagCode(tagCode).value_or(
            MetaDataField::initWithLabelAndTagCode(QString(), tagCode, tagCode, QString())));
        settings.setPhotoMetaDataList(fields);
        return;
    }
    settings.setText(QStringLiteral("photoRenamingMask"), settings.text(QStringLiteral("photoRenamingMask")) + tagCode);
}

} // namespace

void photoRenamingMaskDate(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<EXIF_Date>"), ui);
}

void photoRenamingMaskTime(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<EXIF_Time>"), ui);
}

void photoRenamingMaskDeviceMake(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<EXIF_Device_Make>"), ui);
}

void photoRenamingMaskDeviceModel(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<EXIF_Device_Model>"), ui);
}

void photoRenamingMaskDimensions(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<EXIF_Dimensions>"), ui);
}

void photoRenamingMaskFilename(Settings& settings, UserInterface* ui)
{
    appendToPhotoMask(settings, QStringLiteral("<FILEINFO_Filename>"), ui);
}

void photoRenamingMaskClear(Settings& settings, UserInterface* ui)
{
    endEditing(ui);
    settings.setPhotoMetaDataList({});
    settings.setText(QStringLiteral("photoRenamingMask"), QString());
}

void id3RenamingMaskActions(Settings& settings, int menuTag, UserInterface* ui)
{
    endEditing(ui);
    const QString token = MetaDataCatalogue::audioToken(menuTag);
    if (!token.isEmpty()) {
        QStringList tags = settings.list(QStringLiteral("id3RenamingTagsList"));
        tags.append(token);
        settings.setList(QStringLiteral("id3RenamingTagsList"), tags);
    }
    settings.resetID3Mask();
}

void id3RenamingMaskClear(Settings& settings, UserInterface* ui)
{
    endEditing(ui);
    settings.setList(QStringLiteral("id3RenamingTagsList"), {});
    settings.setText(QStringLiteral("id3RenamingMask"), QString());
    settings.resetID3Mask();
}

void PhotoRenamingMaskEditorControllerDidFinish(Settings& settings, const QList<MetaDataField>& metadataFields,
                                                UserInterface* ui)
{
    endEditing(ui);
    settings.setPhotoMetaDataList(metadataFields);
    settings.rebuildPhotoMask();
}

void ExtensionsEditorControllerDidFinish(Settings& settings, const QStringList& extensions, int itemType)
{
    settings.setList(itemType == int(ExtensionList::Photo) ? QStringLiteral("photoExtensions")
                                                          : QStringLiteral("id3Extensions"),
                     extensions);
}

QString extensionsText(const QStringList& extensions)
{
    return extensions.join(QStringLiteral("; "));
}

} // namespace MaskCommands
