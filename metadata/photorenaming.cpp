#include "metadata/photorenaming.h"

#include "engine/datepattern.h"
#include "engine/renamingcontract.h"
#include "engine/settingsreader.h"
#include "metadata/acceptedextensions.h"
#include "metadata/capturemoment.h"
#include "metadata/codetables.h"
#include "metadata/photolookahead.h"
#include "metadata/xmpdate.h"
#include "metadata/xmptext.h"
#include "platform/dateformat.h"
#include "platform/imagemetadata.h"
#include "platform/numbers.h"
#include "platform/readers/photoformats.h"

#include <QDebug>

#include <exception>
#include <optional>

namespace {

const QString kExifFamily = QStringLiteral("EXIF_");
const QString kIptcFamily = QStringLiteral("IPTC_");
const QString kFileInfoFamily = QStringLiteral("FILEINFO_");
const QString kSequencesFamily = QStringLiteral("SEQUENCES_");

const QString kFilenameToken = QStringLiteral("<FILEINFO_Filename>");
const QString kDateToken = QStringLiteral("<EXIF_Date>");
const QString kTimeToken = QStringLiteral("<EXIF_Time>");
const QString kMakeToken = QStringLiteral("<EXIF_Device_Make>");
const QString kModelToken = QStringLiteral("<EXIF_Device_Model>");
const QString kDimensionsToken = QStringLiteral("<EXIF_Dimensions>");
const QString kCommentsToken = QStringLiteral("<EXIF_Comments>");
const QString kSequenceToken = QStringLiteral("<SEQUENCES_Number_Sequence>");

bool containsIgnoringCase(const QString& text, const QString& family)
{
    return text.contains(family, Qt::CaseInsensitive);
}

void logError(const char* operation, const QString& reason)
{
    qWarning().noquote() << QStringLiteral("Error in %1 : %2").arg(QString::fromLatin1(operation), reason);
}

// The values the EXIF tokens stand for, all empty when the image was not read.
struct ExifValues {
    QString date, time, make, model, dimensions, comment;

    void replaceColons(const QString& replacement)
    {
        for (QString* value : {&date, &time, &make, &model, &dimensions, &comment})
            value->replace(QLatin1Char(':'), replacement);
    }
};

// An XMP packet in the file's bytes (its wrapper or its meta element's namespace).
bool hasXmpText(QByteArrayView bytes)
{
    return XmpText::indexOfIgnoringCase(bytes, "<?xpacket") >= 0 || XmpText::indexOfIgnoringCase(bytes, "adobe:ns:meta") >= 0;
}

QString dimensionsOf(const QVariantMap& properties, const QVariantMap& exif)
{
    QVariant width = properties.value(QStringLiteral("PixelWidth"));
    QVariant height = properties.value(QStringLiteral("PixelHeight"));
    if ((!width.isValid() || !height.isValid()) && !exif.isEmpty()) {
        width = exif.value(QStringLiteral("PixelXDimension"));
        height = exif.value(QStringLiteral("PixelYDimension"));
    }
    if (!width.isValid() || !height.isValid())
        return QString();
    return QStringLiteral("%1x%2").arg(width.toString(), height.toString());
}

// The date and time are formatted only when the name uses them: an ICU formatter per
// pattern is costly, and the name is the same either way.
ExifValues exifValues(const QVariantMap& properties, const CaptureMoment& moment, const QString& datePattern,
                      const QString& timePattern, bool needsDate, bool needsTime)
{
    const QVariantMap exif = properties.value(QStringLiteral("{Exif}")).toMap();
    const QVariantMap tiff = properties.value(QStringLiteral("{TIFF}")).toMap();
    ExifValues v;
    if (moment.hasDate()) {
        if (needsDate)
            v.date = DatePattern::formatWallClock(moment.wallClock, datePattern);
        if (needsTime && moment.hasTime)
            v.time = DatePattern::formatWallClock(moment.wallClock, timePattern);
    }
    v.make = tiff.value(QStringLiteral("Make")).toString().trimmed();
    v.model = moment.model;
    v.dimensions = dimensionsOf(properties, exif);
    v.comment = exif.value(QStringLiteral("UserComment")).toString().trimmed();
    return v;
}

// The groups of properties the name needs. A mask with IPTC tokens takes everything: an
// IPTC value put into the mask may itself hold an EXIF token, which is then replaced too.
template <typename Uses>
unsigned wantedGroups(const Uses& uses, bool readsIptc, bool separatorMode)
{
    if (readsIptc && !separatorMode)
        return ImageMetadata::AllGroups;
    unsigned wanted = readsIptc ? unsigned(ImageMetadata::Iptc) : 0u;
    // The capture moment comes with the camera's model.
    if (uses(kDateToken) || uses(kTimeToken))
        wanted |= ImageMetadata::CaptureDate | ImageMetadata::Device;
    if (uses(kMakeToken) || uses(kModelToken))
        wanted |= ImageMetadata::Device;
    if (uses(kDimensionsToken))
        wanted |= ImageMetadata::Dimensions;
    if (uses(kCommentsToken))
        wanted |= ImageMetadata::Comment;
    return wanted;
}

// The running number, padded from the front with the head of the padding mask.
QString paddedNumber(qint64 number, const QString& paddingMask)
{
    const QString digits = QString::number(number);
    if (paddingMask.size() > digits.size())
        return paddingMask.left(paddingMask.size() - digits.size()) + digits;
    return digits;
}

// The value of one catalogue field for the image (step by step as resetMetaDataList
// describes it), before any colon replacement.
QString fieldValue(const MetaDataField& field, const QVariantMap& iptc, QByteArrayView imageData,
                   const QString& dateFormat, const QString& timeFormat)
{
    const QStringList parts = field.metadataCode.split(QLatin1Char('@'));
    const QString& key = parts.first();
    const auto entry = iptc.constFind(key);
    if (entry == iptc.cend()) {
        if (key == QLatin1String("CopyrightStatus"))
            return PhotoRenaming::getCopyrightStatus(imageData);
        if (key == QLatin1String("CopyrightInfoURL"))
            return PhotoRenaming::getCopyrightInfoURL(imageData);
        if (key == QLatin1String("Date_Created"))
            return PhotoRenaming::getDateCreated(imageData, dateFormat);
        if (key == QLatin1String("TimeCreated"))
            return PhotoRenaming::getTimeCreated(imageData, timeFormat);
        return QString();
    }
    const QVariant& value = entry.value();
    switch (value.userType()) {
    case QMetaType::QString:
        return key == QLatin1String("Urgency") ? PhotoRenaming::getUrgency(value.toString()) : value.toString();
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        const QStringList list = value.toStringList();
        if (key == QLatin1String("Scene"))
            return PhotoRenaming::getScene(list);
        if (key == QLatin1String("SubjectReference"))
            return PhotoRenaming::getSubjectCode(list);
        return list.join(QLatin1Char(','));
    }
    case QMetaType::QVariantMap:
        return parts.size() == 2 ? value.toMap().value(parts.at(1)).toString() : QString();
    default:
        return QString();
    }
}

// The pieces with every "/" of their separators read as ":".
DatePattern::Pieces withColons(const DatePattern::Pieces& pieces)
{
    return {pieces.part1, slashesToColons(pieces.separator1), pieces.part2, slashesToColons(pieces.separator2),
            pieces.part3};
}

} // namespace

PhotoOptions PhotoOptions::from(const SettingsReader& settings)
{
    const auto text = [&](const char* key) { return settings.text(QLatin1String(key)); };
    PhotoOptions o;
    o.mask = text("photoRenamingMask");
    if (settings.flag(QStringLiteral("isPhotoRenamingSeperator")))
        o.separator = text("photoRenamingSeperator");
    o.replacesColons = settings.flag(QStringLiteral("isPhotoRenamingColonReplace"));
    o.colonReplacement = text("photoRenamingColonReplace");
    o.date = {text("photoDatePart1"), text("photoDateSeperator1"), text("photoDatePart2"), text("photoDateSeperator2"),
              text("photoDatePart3")};
    o.time = {text("photoTimePart1"), text("photoTimeSeperator1"), text("photoTimePart2"), text("photoTimeSeperator2"),
              text("photoTimePart3")};
    o.paddingMask = text("photoPaddingMask");
    o.tags = settings.photoTags();
    o.extensions = settings.list(QStringLiteral("photoExtensions"));
    o.restartsInEachFolder = settings.flag(QStringLiteral("isPhotoResetSequenceOnEachFolder"));
    o.clockShifts = ClockShifts::fromEntries(settings.list(QStringLiteral("photoClockShifts")));
    o.videoTimesAreLocal = settings.flag(QStringLiteral("photoVideoTimesAreLocal"));
    return o;
}

// The method's options and what every image's name takes from them.
struct PhotoRenaming::Plan {
    PhotoOptions options;

    QString mask, separator, colonReplacement, paddingMask, datePattern, timePattern;
    QStringList extensions; // ".JPG"...
    QStringList readable;   // the extensions of every format read
    bool separatorMode = false;
    bool readsIptc = false;
    std::optional<unsigned> groups; // nullopt: the name reads nothing from the image
    bool usesDate = false, usesTime = false;

    explicit Plan(const PhotoOptions& given)
        : options(given)
    {
        mask = slashesToColons(options.mask);
        separator = slashesToColons(options.separator);
        colonReplacement = slashesToColons(options.colonReplacement);
        datePattern = DatePattern::datePattern(withColons(options.date));
        timePattern = DatePattern::timePattern(withColons(options.time));
        paddingMask = slashesToColons(options.paddingMask);
        extensions = photoExtensions(options.extensions);
        readable = PhotoFormats::readableExtensions();
        separatorMode = !separator.isEmpty();
        readsIptc = containsIgnoringCase(mask, kIptcFamily);
        groups = PhotoRenaming::propertyGroupsRead(options);
        usesDate = uses(kDateToken);
        usesTime = uses(kTimeToken);
    }

    bool uses(const QString& token) const { return separatorMode ? options.tags.contains(token) : mask.contains(token); }
};

PhotoRenaming::PhotoRenaming() = default;
PhotoRenaming::~PhotoRenaming() = default;
PhotoRenaming::PhotoRenaming(PhotoRenaming&&) noexcept = default;
PhotoRenaming& PhotoRenaming::operator=(PhotoRenaming&&) noexcept = default;

MethodResult PhotoRenaming::renameByPhotoEXIFTags(FileSystemItem& item, const PhotoOptions& options,
                                                  qint64& numberSequence)
{
    if (!plan_ || !(plan_->options == options))
        plan_ = std::make_unique<Plan>(options);
    const Plan& plan = *plan_;

    return applyRenamingContract(item, [&](const NameParts& start) {
        const QString& mask = plan.mask;
        const QString& separator = plan.separator;
        const QString& colonReplacement = plan.colonReplacement;
        const QString& paddingMask = plan.paddingMask;
        const QString& name = start.base;

        if (mask.isEmpty())
            return joinName(name, start.extension);
        if (!namesExtension(start.extension, plan.extensions)) {
            const QString listed = QLatin1Char('.') + start.extension.toUpper();
            if (!start.extension.isEmpty() && plan.readable.contains(listed))
                skipped_.add(listed);
            return joinName(name, start.extension);
        }

        const QString& datePattern = plan.datePattern;
        const QString& timePattern = plan.timePattern;
        const bool separatorMode = plan.separatorMode;
        const QString path = item.fileWithPath();

        QString maskText = mask;
        ExifValues exif;
        const bool readsIptc = plan.readsIptc;
        if (const std::optional<unsigned> groups = plan.groups) {
            std::optional<QVariantMap> readAhead = lookAhead_ ? lookAhead_->take(item, *groups) : std::nullopt;
            const QVariantMap properties =
                readAhead ? std::move(*readAhead) : ImageMetadata::readProperties(path, *groups);
            // A camera whose clock was off has its shift added right here, to the date and
            // time alone.
            const CaptureMoment moment =
                shiftedCaptureMoment(chooseCaptureMoment(properties, options), options.clockShifts);
            if (plan.usesDate || plan.usesTime)
                item.dateSource = moment.source;
            exif = exifValues(properties, moment, datePattern, timePattern, plan.usesDate, plan.usesTime);
            // A movie has no IPTC values, and its bytes (media data mostly) are not searched.
            if (readsIptc && properties.contains(QStringLiteral("{QuickTime}"))) {
                resetMetaDataList(nullptr, separatorMode ? nullptr : &maskText, {}, datePattern, timePattern,
                                  options.replacesColons ? colonReplacement : QString());
            } else if (readsIptc) {
                const ImageMetadata::MappedFile file(path);
                const auto iptc = properties.constFind(QStringLiteral("{IPTC}"));
                const QVariantMap iptcMap = iptc == properties.cend() ? QVariantMap() : iptc->toMap();
                // The XMP fallbacks need no IIM data: an image whose only metadata is XMP
                // still has its copyright and creation date.
                const bool hasIptc = iptc != properties.cend() || hasXmpText(file.bytes());
                resetMetaDataList(hasIptc ? &iptcMap : nullptr, separatorMode ? nullptr : &maskText, file.bytes(),
                                  datePattern, timePattern, options.replacesColons ? colonReplacement : QString());
            }
        }
        if (!readsIptc) {
            // Nothing of this image was read: no value of an earlier image may show through.
            resetMetaDataList(nullptr, nullptr, {}, datePattern, timePattern, QString());
        }
        if (options.replacesColons)
            exif.replaceColons(colonReplacement);

        const QString number = paddedNumber(numberSequence, paddingMask);
        QString result;
        if (separatorMode) {
            for (const QString& token : options.tags) {
                QString value;
                if (token == kFilenameToken)
                    value = name;
                else if (token == kDateToken)
                    value = exif.date;
                else if (token == kTimeToken)
                    value = exif.time;
                else if (token == kMakeToken)
                    value = exif.make;
                else if (token == kModelToken)
                    value = exif.model;
                else if (token == kDimensionsToken)
                    value = exif.dimensions;
                else if (token == kCommentsToken)
                    value = exif.comment;
                else if (token == kSequenceToken)
                    value = number;
                else {
                    value = getTagValue(token);
                    if (options.replacesColons)
                        value.replace(QLatin1Char(':'), colonReplacement);
                }
                if (!result.isEmpty() && !value.isEmpty())
                    result += separator;
                result += value;
            }
        } else {
            result = maskText;
            result.replace(kFilenameToken, name);
            result.replace(kDateToken, exif.date);
            result.replace(kTimeToken, exif.time);
            result.replace(kMakeToken, exif.make);
            result.replace(kModelToken, exif.model);
            result.replace(kDimensionsToken, exif.dimensions);
            result.replace(kCommentsToken, exif.comment);
            result.replace(kSequenceToken, number);
        }
        if (result.isEmpty())
            result = name;
        numberSequence = clampSequence(numberSequence + 1);
        return joinName(result, start.extension);
    });
}

std::optional<unsigned> PhotoRenaming::propertyGroupsRead(const PhotoOptions& options)
{
    const QString mask = slashesToColons(options.mask);
    const bool readsIptc = containsIgnoringCase(mask, kIptcFamily);
    if (!readsIptc && !containsIgnoringCase(mask, kExifFamily))
        return std::nullopt;
    const bool separatorMode = !options.separator.isEmpty();
    const auto uses = [&](const QString& token) {
        return separatorMode ? options.tags.contains(token) : mask.contains(token);
    };
    return wantedGroups(uses, readsIptc, separatorMode);
}

QStringList PhotoRenaming::photoExtensions(const QStringList& allowedExtensions)
{
    return acceptedExtensions(allowedExtensions, "photoExtensions");
}

bool PhotoRenaming::namesExtension(const QString& extension, const QStringList& photoExtensions)
{
    return photoExtensions.contains(QLatin1Char('.') + extension.toUpper());
}


void PhotoRenaming::resetMetaDataList(const QVariantMap* iptc, QString* mask, QByteArrayView imageData,
                                      const QString& dateFormat, const QString& timeFormat,
                                      const QString& colonReplacement)
{
    // Emptying values that are all empty already changes nothing (most photo names use no
    // IPTC value, and this runs for every image).
    if (!iptc && !mask && valuesEmpty_)
        return;
    valuesEmpty_ = !iptc;
    for (MetaDataCategory& category : metaDataList_.categories()) {
        for (MetaDataField& field : category.fields) {
            try {
                field.metadataValue = QString();
                if (iptc)
                    field.metadataValue = fieldValue(field, *iptc, imageData, dateFormat, timeFormat);
                if (mask && !containsIgnoringCase(field.tagCode, kExifFamily)
                    && !containsIgnoringCase(field.tagCode, kFileInfoFamily)
                    && !containsIgnoringCase(field.tagCode, kSequencesFamily)) {
                    QString value = field.metadataValue.toString();
                    if (!colonReplacement.isEmpty())
                        value.replace(QLatin1Char(':'), colonReplacement);
                    mask->replace(field.tagCode, value);
                }
            } catch (const std::exception& e) {
                logError("resetMetaDataList", QString::fromUtf8(e.what()));
            }
        }
    }
}

QString PhotoRenaming::getTagValue(const QString& tagCode) const
{
    return metaDataList_.getTagValue(tagCode);
}

QString PhotoRenaming::getUrgency(const QString& urgency)
{
    static const char* const kWords[] = {"None",       "High",       "Normal + 3", "Normal + 2", "Normal + 1",
                                         "Normal",     "Normal - 1", "Normal - 2", "Low"};
    const int level = intValue(urgency);
    if (level >= 0 && level <= 8)
        return QString::fromLatin1(kWords[level]);
    return urgency;
}

QString PhotoRenaming::getScene(const QStringList& scenes)
{
    const std::optional<CodeTables::Table> table = CodeTables::scenes("getScene");
    return table ? CodeTables::translate(scenes, *table, "getScene") : QString();
}

QString PhotoRenaming::getSubjectCode(const QStringList& codes)
{
    const std::optional<CodeTables::Table> table = CodeTables::subjectCodes("getSubjectCode");
    return table ? CodeTables::translate(codes, *table, "getSubjectCode") : QString();
}

QString PhotoRenaming::getCopyrightStatus(QByteArrayView imageData)
{
    const std::optional<QString> marked = XmpText::propertyText(imageData, QLatin1StringView("xmpRights:Marked"));
    if (!marked)
        return QStringLiteral("Unknown");
    return marked->trimmed().toUpper() == QLatin1String("TRUE") ? QStringLiteral("Copyrighted")
                                                                : QStringLiteral("Public Domain");
}

QString PhotoRenaming::getCopyrightInfoURL(QByteArrayView imageData)
{
    return XmpText::propertyText(imageData, QLatin1StringView("xmpRights:WebStatement")).value_or(QString());
}

namespace {

// photoshop:DateCreated as written (an offset it carries is not applied); a text that is not
// a date is shown as it stands, and a date alone has no time.
QString formattedDateCreated(QByteArrayView imageData, const QString& pattern, bool isTime)
{
    const QString text =
        XmpText::propertyText(imageData, QLatin1StringView("photoshop:DateCreated")).value_or(QString());
    if (text.isEmpty())
        return text;
    const std::optional<XmpDate> date = parseXmpDate(text);
    if (!date)
        return text;
    if (isTime && !date->hasTime)
        return QString();
    return DatePattern::formatWallClock(date->wallClock, pattern);
}

} // namespace

QString PhotoRenaming::getDateCreated(QByteArrayView imageData, const QString& dateFormat)
{
    return formattedDateCreated(imageData, dateFormat, false);
}

QString PhotoRenaming::getTimeCreated(QByteArrayView imageData, const QString& timeFormat)
{
    return formattedDateCreated(imageData, timeFormat, true);
}
