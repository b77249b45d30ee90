#pragma once

#include "engine/methodoptions.h"
#include "engine/methodtab.h"
#include "engine/settingsreader.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The kinds of rule step, the settings keys each kind keeps, and how a step's values are
// read. A step dictionary holds "rule" (the kind), "type" (the variant), "isActive", the
// settings keys of its kind in their dictionary form (flags and integers as decimal text)
// and, for a sequence step, its running counter "sequence".
namespace RuleKinds {

enum class Kind {
    AlphaNumeric,
    InsertDelete,
    ReplaceRemove,
    PrefixSuffix,
    DateTime,
    General,
    ID3,
    Photo,
    PathComponents,
    Unknown,
};

// The kind named by a step's "rule" text ("Date & Time" is DateTime).
Kind kindOf(const QString& rule);
// The method tab of a kind, nullopt for Unknown.
std::optional<MethodTab> tabOf(Kind kind);

// The settings keys a step of this kind and type keeps, in the order they are shown.
// Leaves out "rule", "type", "isActive", "sequence", "MetaDataList" and the photo step's
// tag list "photoMetaDataList", which are not settings in the step's dictionary form.
QStringList settingsKeys(Kind kind, const QString& type);

// Reading a step's values. Texts come as stored (a property-list number as its decimal
// text); intOf is the integer value of a text, property-list numbers and booleans by
// value; a flag is a non-zero intOf. A missing key gives "" / 0 / false.
QString text(const QVariantMap& step, const QString& key);
int intOf(const QVariantMap& step, const QString& key);
bool flag(const QVariantMap& step, const QString& key);
QStringList stringList(const QVariantMap& step, const QString& key);

// A numeric step's counter: -1 (not started) when absent or not a number.
qint64 numericSequence(const QVariantMap& step);

// The step with every settings key of its kind and type that it leaves out at its default,
// as when the same step is loaded into the window (a hand-written rule file may name only
// the keys it changes). A custom date left out stays out: its default is the moment the
// window started.
QVariantMap withDefaults(const QVariantMap& step);

// A step read as the settings it stands for, so that a method's options are filled from
// it as from the settings record: its keys with their defaults, and the mode flags its
// "type" chooses (numbers or letters, insert or delete, replace, remove or remove
// characters). A replace or remove step keeps "every occurrence" in its counts (start 1,
// count -1, as the step was built), so its isReplaceRemoveAllOccurrence is not read again.
class StepSettings : public SettingsReader {
public:
    explicit StepSettings(const QVariantMap& step);

    QString text(const QString& key) const override;
    bool flag(const QString& key) const override;
    int number(const QString& key) const override;
    QDateTime date(const QString& key) const override;
    QStringList list(const QString& key) const override;
    QStringList photoTags() const override;

private:
    QVariantMap step_;
    Kind kind_;
    QString type_;
};

// The name of a letter case as the window's case choices show it, in the reader's language;
// "" for a value that is none.
QString caseName(LetterCase value);

} // namespace RuleKinds
