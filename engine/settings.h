#pragma once

#include "engine/metadatafield.h"
#include "engine/modechoices.h"
#include "engine/settingsdescriptors.h"
#include "engine/settingsreader.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <vector>

// The settings record: every option of every renaming method, with its kind and default
// from the descriptor table. Flags and integers live as bool/int, texts as QString (never
// absent, except renameFile), the custom date as QDateTime, the lists as QStringList or
// MetaDataField lists. The dictionary form (flags and integers as decimal text, lists as
// keyed-archive blobs, plus "appVersion") is what profiles and the defaults store hold.
class Settings : public SettingsReader {
public:
    using ChangeObserver =
        std::function<void(const QString& key, const QVariant& oldValue, const QVariant& newValue)>;
    // Told of every stored change of any key (the photo field list included), whether or
    // not the key raises the settings-changed signal.
    using EditObserver = std::function<void(const QString& key)>;

    Settings();

    // Every key back to its default (the custom date becomes now, the lists new lists).
    void resetToDefaults();

    // A copy without the change observer, handed to background passes.
    Settings snapshot() const;

    // Typed reads; a key of another kind or an unknown key gives the empty value.
    QString text(const QString& key) const override;
    bool flag(const QString& key) const override;
    int integer(const QString& key) const;
    QDateTime date(const QString& key) const override;
    QStringList list(const QString& key) const override;
    const QList<MetaDataField>& photoMetaDataList() const { return photoMetaDataList_; }
    // An integer key's value, the integer value of a text key's text, a flag as 0 or 1.
    int number(const QString& key) const override;
    // The tag codes of photoMetaDataList.
    QStringList photoTags() const override;

    // renameFile is the one text that can be absent.
    bool hasRenameFile() const { return hasRenameFile_; }
    void clearRenameFile();

    // Typed writes. The four separator setters of the photo and audio methods and the two
    // field lists rebuild their masks. A change of one of the signalling keys notifies the observer.
    void setText(const QString& key, const QString& value);
    void setFlag(const QString& key, bool value);
    void setInteger(const QString& key, int value);
    void setDate(const QString& key, const QDateTime& value);
    void setList(const QString& key, const QStringList& value);
    void setPhotoMetaDataList(const QList<MetaDataField>& fields);

    // A value in its dictionary form: flags and integers as decimal text, texts as
    // strings, the date as QDateTime, lists as keyed-archive data blobs.
    QVariant dictionaryValue(const QString& key) const;
    // Stores a dictionary-form value (also accepts property-list integers, reals and
    // booleans for flags and integers, and plain arrays for lists). False with an error
    // text for an unknown key (the earlier edition does not know the keys beyond the
    // classic ones) or a value of the wrong shape; nothing changes then.
    bool setDictionaryValue(const QString& key, const QVariant& value, QString* error = nullptr);

    // "appVersion" plus all 172 classic keys; renameFile only when set; a key beyond the
    // classic ones only when it differs from its default.
    QVariantMap getCurrentSettings() const;
    // Applies a settings dictionary, all or nothing: on a scratch copy first, committed
    // only when every key applied. Then the masks are rebuilt from their field lists.
    // Keys the dictionary lacks keep their values, except that a dictionary carrying
    // appVersion (a whole one, as getCurrentSettings writes) resets the keys beyond the
    // classic ones that it lacks to their defaults.
    // On failure logs "Error in setCurrentSettings : <reason>" and changes nothing.
    bool setSettings(const QVariantMap& dictionary, QString* error = nullptr);

    // Mode selectors: keep the mirrored flags of a radio group consistent. A tag is the
    // value of the selector's index key (the window passes its control's).
    void generalOptionsChanged(int tag);
    void dateTimeOptionsChanged();
    void dateTimeDateTypeChanged();
    void prefixSuffixChanged(int tag);
    void prefixSuffixChanged(TextsOrDate choice) { prefixSuffixChanged(int(choice)); }
    void replaceRemoveChanged(int tag);
    void replaceRemoveChanged(ReplaceOrRemove choice) { replaceRemoveChanged(int(choice)); }
    void insertOptionsChanged();
    void insertDeleteChanged(int tag);
    void insertDeleteChanged(InsertOrDelete choice) { insertDeleteChanged(int(choice)); }
    void alphaNumericNumericAlphabeticChanged(int tag);
    void alphaNumericNumericAlphabeticChanged(NumbersOrLetters choice)
    {
        alphaNumericNumericAlphabeticChanged(int(choice));
    }
    void alphaNumericIncrementDecrementChanged(int tag);
    void alphaNumericIncrementDecrementChanged(UpOrDown choice) { alphaNumericIncrementDecrementChanged(int(choice)); }
    void filesFoldersOptionChanged(int tag); // the caller empties the file list
    void filesFoldersOptionChanged(FilesOrFolders choice) { filesFoldersOptionChanged(int(choice)); }
    void pathComponentsOptionsChanged();
    // Runs the selector that owns an index key (after the key has been stored); false for
    // a key that no selector owns.
    bool runModeSelectorFor(const QString& key);

    // Mask rebuilds from the field lists and separators.
    void rebuildPhotoMask();
    void resetID3Mask();

    void setChangeObserver(ChangeObserver observer) { observer_ = std::move(observer); }
    void setEditObserver(EditObserver observer) { editObserver_ = std::move(observer); }
    bool isSettingsChanged() const { return isSettingsChanged_; }
    void setSettingsChanged(bool value) { isSettingsChanged_ = value; }

private:
    void store(int index, const QVariant& value);
    bool differsFromDefault(int index) const;
    void invertSettingsChanged();
    void setWhereFlags(const char* const flags[5], int index);

    std::vector<QVariant> values_;
    QList<MetaDataField> photoMetaDataList_;
    bool hasRenameFile_ = false;
    bool isSettingsChanged_ = false;
    ChangeObserver observer_;
    EditObserver editObserver_;
};
