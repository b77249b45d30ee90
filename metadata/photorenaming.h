#pragma once

#include "engine/datepattern.h"
#include "engine/filesystemitem.h"
#include "engine/renamingcontract.h"
#include "metadata/clockshifts.h"
#include "metadata/metadatacatalogue.h"
#include "metadata/skippedextensions.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <optional>

class PhotoLookAhead;
class SettingsReader;

// The photo method's options (tab 7), read once per pass (see engine/methodoptions.h).
struct PhotoOptions {
    QString mask;
    QString separator; // joins the fields' values when set; empty without the separator flag
    bool replacesColons = false;
    QString colonReplacement;
    DatePattern::Pieces date; // how metadata dates are written
    DatePattern::Pieces time;
    QString paddingMask; // of the number sequence field
    QStringList tags;       // the fields' tag codes, in order
    QStringList extensions; // the stored list of the images to name
    bool restartsInEachFolder = false;
    ClockShifts clockShifts; // added to the capture date and time of each camera model
    // A movie header's time is the camera's wall-clock time, not UTC ("photoVideoTimesAreLocal").
    bool videoTimesAreLocal = false;

    bool operator==(const PhotoOptions&) const = default;
    static PhotoOptions from(const SettingsReader& settings);
};

// The photo method (tab 7): names images from a mask of tokens filled with the current
// name, a running number and the image's EXIF, TIFF and IPTC metadata.
//
// Holds its own catalogue, whose fields' metadataValue is the working state of the
// current image: one instance per pass, never shared between threads.
class PhotoRenaming {
public:
    PhotoRenaming();
    ~PhotoRenaming();
    PhotoRenaming(PhotoRenaming&&) noexcept;
    PhotoRenaming& operator=(PhotoRenaming&&) noexcept;

    // The renaming method (contract of every renameBy... method). numberSequence is the
    // pass's photo counter; it advances once per eligible image.
    MethodResult renameByPhotoEXIFTags(FileSystemItem& item, const PhotoOptions& options, qint64& numberSequence);

    // The property groups (ImageMetadata::PropertyGroup) a name made with these options
    // reads from each image; nullopt when it reads none.
    static std::optional<unsigned> propertyGroupsRead(const PhotoOptions& options);
    // The extensions of the images this edition names (".JPG"...), from the stored list.
    static QStringList photoExtensions(const QStringList& allowedExtensions);
    // Whether images with this extension are named (the others keep their name).
    static bool namesExtension(const QString& extension, const QStringList& photoExtensions);

    // The files of readable formats this instance left unnamed for their extension.
    const SkippedExtensions& skippedExtensions() const { return skipped_; }

    // Where the images' properties are taken from before they are read here: null (the
    // default) reads each image when it is named.
    void setLookAhead(PhotoLookAhead* lookAhead) { lookAhead_ = lookAhead; }

    // Fills every catalogue field's metadataValue from the IPTC dictionary (none: all
    // values empty) and the image file's bytes (the XMP fallbacks), and, when mask is
    // given, replaces each IPTC token in it by its value (":" replaced by colonReplacement
    // when that is not empty).
    void resetMetaDataList(const QVariantMap* iptc, QString* mask, QByteArrayView imageData,
                           const QString& dateFormat, const QString& timeFormat, const QString& colonReplacement);

    // The metadataValue of the catalogue field with this token ("" when none has it).
    QString getTagValue(const QString& tagCode) const;

    const MetaDataCatalogue& metaDataList() const { return metaDataList_; }

    // Value translators.
    static QString getUrgency(const QString& urgency);
    static QString getScene(const QStringList& scenes);
    static QString getSubjectCode(const QStringList& codes);
    static QString getCopyrightStatus(QByteArrayView imageData);
    static QString getCopyrightInfoURL(QByteArrayView imageData);
    static QString getDateCreated(QByteArrayView imageData, const QString& dateFormat);
    static QString getTimeCreated(QByteArrayView imageData, const QString& timeFormat);

private:
    MetaDataCatalogue metaDataList_;
    bool valuesEmpty_ = false; // every field's metadataValue is an empty text
    PhotoLookAhead* lookAhead_ = nullptr;
    SkippedExtensions skipped_;
    // What the name takes from the method's options, worked out again only when they
    // change (they are the same for every image of a pass).
    struct Plan;
    std::unique_ptr<Plan> plan_;
};
