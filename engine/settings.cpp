#include "engine/settings.h"

#include "engine/methodoptions.h"

#include "platform/edition.h"
#include "platform/keyedarchiver.h"
#include "platform/numbers.h"

#include <QDebug>

#include <algorithm>
#include <limits>

namespace {

const QString kRenameFile = QStringLiteral("renameFile");

QVariant defaultValue(const SettingDescriptor& d)
{
    const QString text = QString::fromLatin1(d.defaultValue);
    switch (d.kind) {
    case SettingKind::Text:
        return text;
    case SettingKind::Flag:
        return intValue(text) != 0;
    case SettingKind::Integer:
        return intValue(text);
    case SettingKind::Date:
        return QDateTime::currentDateTime();
    case SettingKind::List:
        return text.isEmpty() ? QStringList() : text.split(QStringLiteral("; "));
    case SettingKind::MetaDataList:
        return QVariant();
    }
    return QVariant();
}

std::optional<QStringList> stringListOf(const QVariant& v, QString* error)
{
    QVariant list = v;
    if (v.userType() == QMetaType::QByteArray) {
        std::optional<QVariant> root = KeyedArchiver::unarchive(v.toByteArray(), error);
        if (!root)
            return std::nullopt;
        list = *root;
    }
    if (list.userType() == QMetaType::QStringList)
        return list.toStringList();
    if (list.userType() != QMetaType::QVariantList) {
        if (error)
            *error = QStringLiteral("not a list");
        return std::nullopt;
    }
    QStringList out;
    for (const QVariant& e : list.toList()) {
        if (e.userType() != QMetaType::QString) {
            if (error)
                *error = QStringLiteral("a list entry is not a text");
            return std::nullopt;
        }
        out.append(e.toString());
    }
    return out;
}

// The general flags by GeneralChange; the last two (plain Latin, encoding repair) exist
// only in editions with the extended methods.
const char* const kGeneralFlags[int(GeneralChange::RepairEncoding) + 1] = {
    "isGeneralConvertFilenameCase", "isGeneralConvertExtension", "isGeneralRemoveExtension",
    "isGeneralChangeExtension",     "isGeneralReverseFileName",  "isGeneralRemoveSpaces",
    "isGeneralSwapFromSeperator",   "isGeneralSwapFromPostion",  "isGeneralRemoveAfterString",
    "isGeneralRemoveFromString",    "isGeneralFilenameMask",     "isGeneralConvertWindowsCompatible",
    "isGeneralTransliterate",       "isGeneralRepairEncoding"};
const char* const kDateTimeWhere[5] = {"isDateTimeAtBeginning", "isDateTimeAtEnd",
                                       "isDateTimeAtPosition", "isDateTimeAtBeforeText",
                                       "isDateTimeAtAfterText"};
const char* const kInsertWhere[5] = {"isInsertDeleteInsertAtBeginning", "isInsertDeleteInsertAtEnd",
                                     "isInsertDeleteInsertAtPosition", "isInsertDeleteInsertAtBeforeText",
                                     "isInsertDeleteInsertAtAfterText"};
const char* const kPathWhere[5] = {"isPathComponentsAtBeginning", "isPathComponentsAtEnd",
                                   "isPathComponentsAtPosition", "isPathComponentsAtBeforeText",
                                   "isPathComponentsAtAfterText"};

QString key(const char* k)
{
    return QString::fromLatin1(k);
}

} // namespace

Settings::Settings()
{
    resetToDefaults();
}

void Settings::resetToDefaults()
{
    const auto all = SettingDescriptors::all();
    values_.assign(all.size(), QVariant());
    for (size_t i = 0; i < all.size(); ++i)
        values_[i] = defaultValue(all[i]);
    photoMetaDataList_.clear();
    hasRenameFile_ = false;
}

Settings Settings::snapshot() const
{
    Settings copy(*this);
    copy.observer_ = nullptr;
    copy.editObserver_ = nullptr;
    return copy;
}

QString Settings::text(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    return i < 0 ? QString() : values_[size_t(i)].toString();
}

bool Settings::flag(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    return i >= 0 && values_[size_t(i)].toBool();
}

int Settings::integer(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    return i < 0 ? 0 : values_[size_t(i)].toInt();
}

QDateTime Settings::date(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    return i < 0 ? QDateTime() : values_[size_t(i)].toDateTime();
}

QStringList Settings::list(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    return i < 0 ? QStringList() : values_[size_t(i)].toStringList();
}

int Settings::number(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0)
        return 0;
    switch (SettingDescriptors::all()[size_t(i)].kind) {
    case SettingKind::Integer:
        return values_[size_t(i)].toInt();
    case SettingKind::Flag:
        return values_[size_t(i)].toBool() ? 1 : 0;
    case SettingKind::Text:
        return intValue(values_[size_t(i)].toString());
    default:
        return 0;
    }
}

QStringList Settings::photoTags() const
{
    return MetaDataField::getTagsList(photoMetaDataList_);
}

void Settings::store(int index, const QVariant& value)
{
    QVariant& slot = values_[size_t(index)];
    if (slot == value && slot.userType() == value.userType())
        return;
    const QVariant old = slot;
    slot = value;
    const SettingDescriptor& d = SettingDescriptors::all()[size_t(index)];
    if (d.signalsChange && observer_)
        observer_(key(d.key), old, value);
    if (editObserver_)
        editObserver_(key(d.key));
}

bool Settings::differsFromDefault(int index) const
{
    const SettingDescriptor& d = SettingDescriptors::all()[size_t(index)];
    if (!SettingDescriptors::isAvailable(d))
        return false;
    if (d.kind == SettingKind::Date || d.kind == SettingKind::MetaDataList)
        return true; // no fixed default to compare with
    return values_[size_t(index)] != defaultValue(d);
}

void Settings::clearRenameFile()
{
    hasRenameFile_ = false;
    store(SettingDescriptors::indexOf(kRenameFile), QString());
}

void Settings::setText(const QString& k, const QString& value)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || SettingDescriptors::all()[size_t(i)].kind != SettingKind::Text)
        return;
    if (k == kRenameFile)
        hasRenameFile_ = true;
    store(i, value);
    if (k == QLatin1String("photoRenamingSeperator"))
        rebuildPhotoMask();
    else if (k == QLatin1String("id3RenamingSeperator"))
        resetID3Mask();
}

void Settings::setFlag(const QString& k, bool value)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || SettingDescriptors::all()[size_t(i)].kind != SettingKind::Flag)
        return;
    store(i, value);
    if (k == QLatin1String("isPhotoRenamingSeperator"))
        rebuildPhotoMask();
    else if (k == QLatin1String("isID3RenamingSeperator"))
        resetID3Mask();
}

void Settings::setInteger(const QString& k, int value)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || SettingDescriptors::all()[size_t(i)].kind != SettingKind::Integer)
        return;
    store(i, value);
}

void Settings::setDate(const QString& k, const QDateTime& value)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || SettingDescriptors::all()[size_t(i)].kind != SettingKind::Date)
        return;
    store(i, value);
}

void Settings::setList(const QString& k, const QStringList& value)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || SettingDescriptors::all()[size_t(i)].kind != SettingKind::List)
        return;
    store(i, value);
    if (k == QLatin1String("id3RenamingTagsList"))
        resetID3Mask();
}

void Settings::setPhotoMetaDataList(const QList<MetaDataField>& fields)
{
    photoMetaDataList_ = fields;
    rebuildPhotoMask();
    if (editObserver_)
        editObserver_(QStringLiteral("photoMetaDataList"));
}

QVariant Settings::dictionaryValue(const QString& k) const
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0)
        return QVariant();
    const SettingDescriptor& d = SettingDescriptors::all()[size_t(i)];
    const QVariant& v = values_[size_t(i)];
    switch (d.kind) {
    case SettingKind::Text:
        return v.toString();
    case SettingKind::Flag:
        return QString::number(v.toBool() ? 1 : 0);
    case SettingKind::Integer:
        return QString::number(v.toInt());
    case SettingKind::Date:
        return v.toDateTime();
    case SettingKind::List: {
        QVariantList list;
        for (const QString& s : v.toStringList())
            list.append(s);
        return KeyedArchiver::archive(list);
    }
    case SettingKind::MetaDataList:
        return MetaDataField::archiveList(photoMetaDataList_);
    }
    return QVariant();
}

namespace {

// The dictionary-form value of each kind, or nullopt with the reason in why.

std::optional<QString> textOf(const QVariant& value, QString& why)
{
    const std::optional<int> number = value.userType() == QMetaType::QString ? std::nullopt : intValueOf(value);
    if (value.userType() != QMetaType::QString && !number) {
        why = QStringLiteral("not a text");
        return std::nullopt;
    }
    QString text = number ? QString::number(*number) : value.toString();
    // No file name can hold it, and no profile could be saved with it.
    if (text.contains(QChar(u'\0'))) {
        why = QStringLiteral("text holds a NUL character");
        return std::nullopt;
    }
    return text;
}

std::optional<int> integerOf(const QVariant& value, const char* notOne, QString& why)
{
    const std::optional<int> number = intValueOf(value);
    if (!number)
        why = QString::fromLatin1(notOne);
    return number;
}

std::optional<QDateTime> dateOf(const QVariant& value, QString& why)
{
    QDateTime date;
    if (value.userType() == QMetaType::QDateTime)
        date = value.toDateTime();
    else if (value.userType() == QMetaType::QString)
        date = QDateTime::fromString(value.toString(), Qt::ISODate);
    if (!date.isValid()) {
        why = QStringLiteral("not a date");
        return std::nullopt;
    }
    return date;
}

std::optional<QStringList> listOf(const QVariant& value, QString& why)
{
    std::optional<QStringList> list = stringListOf(value, &why);
    if (list && std::any_of(list->cbegin(), list->cend(), [](const QString& e) { return e.contains(QChar(u'\0')); })) {
        why = QStringLiteral("an entry holds a NUL character");
        return std::nullopt;
    }
    return list;
}

std::optional<QList<MetaDataField>> fieldsOf(const QVariant& value, QString& why)
{
    if (value.userType() == QMetaType::QByteArray)
        return MetaDataField::unarchiveList(value.toByteArray(), &why);
    if (value.userType() != QMetaType::QVariantList) {
        why = QStringLiteral("not a keyed archive");
        return std::nullopt;
    }
    QList<MetaDataField> fields;
    for (const QVariant& e : value.toList()) {
        const std::optional<MetaDataField> f = MetaDataField::initWithCoder(e);
        if (!f) {
            why = QStringLiteral("an entry is not a metadata field");
            return std::nullopt;
        }
        fields.append(*f);
    }
    return fields;
}

} // namespace

bool Settings::setDictionaryValue(const QString& k, const QVariant& value, QString* error)
{
    const int i = SettingDescriptors::indexOf(k);
    if (i < 0 || !SettingDescriptors::isAvailable(SettingDescriptors::all()[size_t(i)])) {
        if (error)
            *error = QStringLiteral("the settings record has no key \"%1\"").arg(k);
        return false;
    }
    QString why;
    switch (SettingDescriptors::all()[size_t(i)].kind) {
    case SettingKind::Text:
        if (const std::optional<QString> text = textOf(value, why)) {
            setText(k, *text);
            return true;
        }
        break;
    case SettingKind::Flag:
        if (const std::optional<int> number = integerOf(value, "not a flag", why)) {
            setFlag(k, *number != 0);
            return true;
        }
        break;
    case SettingKind::Integer:
        if (const std::optional<int> number = integerOf(value, "not an integer", why)) {
            setInteger(k, *number);
            return true;
        }
        break;
    case SettingKind::Date:
        if (const std::optional<QDateTime> date = dateOf(value, why)) {
            setDate(k, *date);
            return true;
        }
        break;
    case SettingKind::List:
        if (const std::optional<QStringList> list = listOf(value, why)) {
            setList(k, *list);
            return true;
        }
        break;
    case SettingKind::MetaDataList:
        if (const std::optional<QList<MetaDataField>> fields = fieldsOf(value, why)) {
            setPhotoMetaDataList(*fields);
            return true;
        }
        break;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(k, why);
    return false;
}

QVariantMap Settings::getCurrentSettings() const
{
    QVariantMap dict;
    dict.insert(QStringLiteral("appVersion"), Edition::current().version);
    const auto all = SettingDescriptors::all();
    for (size_t i = 0; i < all.size(); ++i) {
        const SettingDescriptor& d = all[i];
        const QString k = key(d.key);
        if (k == kRenameFile && !hasRenameFile_)
            continue;
        if (d.extended && !differsFromDefault(int(i)))
            continue;
        dict.insert(k, dictionaryValue(k));
    }
    return dict;
}

bool Settings::setSettings(const QVariantMap& dictionary, QString* error)
{
    Settings scratch = snapshot();
    // A dictionary this program wrote (it carries appVersion) holds every classic key and
    // leaves out a key beyond them exactly when that key was at its default.
    if (dictionary.contains(QStringLiteral("appVersion"))) {
        const auto all = SettingDescriptors::all();
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i].extended && !dictionary.contains(key(all[i].key)))
                scratch.values_[i] = defaultValue(all[i]);
        }
    }
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        if (it.key() == QLatin1String("appVersion"))
            continue;
        QString why;
        if (!scratch.setDictionaryValue(it.key(), it.value(), &why)) {
            qWarning().noquote() << QStringLiteral("Error in setCurrentSettings : %1").arg(why);
            if (error)
                *error = why;
            return false;
        }
    }
    scratch.rebuildPhotoMask();
    scratch.resetID3Mask();
    // Commit key by key so that observers see every change.
    for (size_t i = 0; i < values_.size(); ++i)
        store(int(i), scratch.values_[i]);
    photoMetaDataList_ = scratch.photoMetaDataList_;
    hasRenameFile_ = scratch.hasRenameFile_;
    return true;
}

void Settings::invertSettingsChanged()
{
    const bool old = isSettingsChanged_;
    isSettingsChanged_ = !old;
    if (observer_)
        observer_(QStringLiteral("isSettingsChanged"), old, isSettingsChanged_);
}

void Settings::setWhereFlags(const char* const flags[5], int index)
{
    for (int i = 0; i < 5; ++i)
        setFlag(key(flags[i]), i == index);
}

void Settings::generalOptionsChanged(int tag)
{
    setInteger(QStringLiteral("generalOptionIndex"), tag);
    setInteger(QStringLiteral("generalOptionsIndex"), tag);
    const int flags = Edition::current().hasExtendedMethods ? int(std::size(kGeneralFlags))
                                                            : int(GeneralChange::PlainLatin);
    for (int i = 0; i < flags; ++i)
        setFlag(key(kGeneralFlags[i]), i == tag);
    invertSettingsChanged();
}

void Settings::dateTimeOptionsChanged()
{
    setWhereFlags(kDateTimeWhere, integer(QStringLiteral("dateTimeOptionsIndex")));
    invertSettingsChanged();
}

void Settings::dateTimeDateTypeChanged()
{
    setFlag(QStringLiteral("hasDateTimeCustomDate"),
            integer(QStringLiteral("dateTimeDateOptionIndex")) == int(DateTimeOptions::Source::Custom));
    invertSettingsChanged();
}

void Settings::prefixSuffixChanged(int tag)
{
    setInteger(QStringLiteral("prefixSuffixIndex"), tag);
    setFlag(QStringLiteral("isPrefixSuffixString"), tag == int(TextsOrDate::Texts));
    setFlag(QStringLiteral("isPrefixSuffixDate"), tag != int(TextsOrDate::Texts));
}

void Settings::replaceRemoveChanged(int tag)
{
    const auto choice = ReplaceOrRemove(tag);
    if (choice != ReplaceOrRemove::Replace && choice != ReplaceOrRemove::Remove
        && choice != ReplaceOrRemove::RemoveCharacters)
        return;
    setInteger(QStringLiteral("removeReplaceIndex"), tag);
    setFlag(QStringLiteral("isReplaceRemoveReplace"), choice == ReplaceOrRemove::Replace);
    setFlag(QStringLiteral("isReplaceRemoveRemove"), choice == ReplaceOrRemove::Remove);
    setFlag(QStringLiteral("isReplaceRemoveRemoveCharacters"), choice == ReplaceOrRemove::RemoveCharacters);
    invertSettingsChanged();
}

void Settings::insertOptionsChanged()
{
    setWhereFlags(kInsertWhere, integer(QStringLiteral("insertDeleteInsertOptionIndex")));
    invertSettingsChanged();
}

void Settings::insertDeleteChanged(int tag)
{
    setInteger(QStringLiteral("insertDeleteIndex"), tag);
    setFlag(QStringLiteral("isInsertDeleteInsert"), tag == int(InsertOrDelete::Insert));
    setFlag(QStringLiteral("isInsertDeleteDelete"), tag != int(InsertOrDelete::Insert));
    invertSettingsChanged();
}

void Settings::alphaNumericNumericAlphabeticChanged(int tag)
{
    setInteger(QStringLiteral("alphaNumericNumericAlphabeticIndex"), tag);
    setFlag(QStringLiteral("isAlphaNumericNumeric"), tag == int(NumbersOrLetters::Numbers));
    setFlag(QStringLiteral("isAlphaNumericAlphabetic"), tag != int(NumbersOrLetters::Numbers));
    invertSettingsChanged();
}

void Settings::alphaNumericIncrementDecrementChanged(int tag)
{
    setInteger(QStringLiteral("alphaNumericIncrementDecrementIndex"), tag);
    setFlag(QStringLiteral("isAlphaNumericIncrement"), tag == int(UpOrDown::Up));
    setFlag(QStringLiteral("isAlphaNumericDecrement"), tag != int(UpOrDown::Up));
    invertSettingsChanged();
}

void Settings::filesFoldersOptionChanged(int tag)
{
    setInteger(QStringLiteral("fileFolderIndex"), tag);
    setFlag(QStringLiteral("isFiles"), tag == int(FilesOrFolders::Files));
    setFlag(QStringLiteral("isFolders"), tag != int(FilesOrFolders::Files));
}

void Settings::pathComponentsOptionsChanged()
{
    setWhereFlags(kPathWhere, integer(QStringLiteral("pathComponentsOptionsIndex")));
}

bool Settings::runModeSelectorFor(const QString& k)
{
    if (k == QLatin1String("generalOptionIndex") || k == QLatin1String("generalOptionsIndex"))
        generalOptionsChanged(integer(k));
    else if (k == QLatin1String("dateTimeOptionsIndex"))
        dateTimeOptionsChanged();
    else if (k == QLatin1String("dateTimeDateOptionIndex"))
        dateTimeDateTypeChanged();
    else if (k == QLatin1String("prefixSuffixIndex"))
        prefixSuffixChanged(integer(k));
    else if (k == QLatin1String("removeReplaceIndex"))
        replaceRemoveChanged(integer(k));
    else if (k == QLatin1String("insertDeleteInsertOptionIndex"))
        insertOptionsChanged();
    else if (k == QLatin1String("insertDeleteIndex"))
        insertDeleteChanged(integer(k));
    else if (k == QLatin1String("alphaNumericNumericAlphabeticIndex"))
        alphaNumericNumericAlphabeticChanged(integer(k));
    else if (k == QLatin1String("alphaNumericIncrementDecrementIndex"))
        alphaNumericIncrementDecrementChanged(integer(k));
    else if (k == QLatin1String("fileFolderIndex"))
        filesFoldersOptionChanged(integer(k));
    else if (k == QLatin1String("pathComponentsOptionsIndex"))
        pathComponentsOptionsChanged();
    else
        return false;
    return true;
}

void Settings::rebuildPhotoMask()
{
    const bool withSeparator = flag(QStringLiteral("isPhotoRenamingSeperator"));
    const QString separator = text(QStringLiteral("photoRenamingSeperator"));
    QString mask;
    for (const MetaDataField& f : photoMetaDataList_) {
        if (withSeparator && !mask.isEmpty())
            mask += separator;
        mask += f.tagCode;
    }
    store(SettingDescriptors::indexOf(QStringLiteral("photoRenamingMask")), mask);
}

void Settings::resetID3Mask()
{
    const bool withSeparator = flag(QStringLiteral("isID3RenamingSeperator"));
    const QString separator = text(QStringLiteral("id3RenamingSeperator"));
    QString mask;
    for (const QString& token : list(QStringLiteral("id3RenamingTagsList"))) {
        if (withSeparator && !mask.isEmpty())
            mask += separator;
        mask += token;
    }
    store(SettingDescriptors::indexOf(QStringLiteral("id3RenamingMask")), mask);
}
