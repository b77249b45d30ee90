#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <span>

// The single source of truth for the settings record: every key on one line with its
// kind, its default, whether a change of it raises the settings-changed signal, the method
// tab that reads it and what it means to a person writing `--set KEY=VALUE`. Defaults,
// dictionary conversion, profiles, rule steps, the command line's --set and `keys` (and
// so the man pages and shell completions), and the window's bindings all read this table.
enum class SettingKind { Text, Flag, Integer, Date, List, MetaDataList };

struct SettingDescriptor {
    const char* key;
    SettingKind kind;
    const char* defaultValue; // texts as given; flags and integers as decimal text;
                              // lists as "; "-joined entries; the date's default is "now"
    bool signalsChange;       // one of the keys whose change raises the settings-changed signal
    int tab;                  // the method tab that reads the key (a MethodTab), -1 for scope keys
    // A key beyond the classic 172: written to dictionaries, profiles and rule steps only
    // when it differs from its default (so files that do not use it keep the classic key
    // set), and unknown to the earlier edition.
    bool extended;
    const char* meaning;      // one line, no final full stop
    const char* values = "";  // for keys with few values: "0=text;1=text", otherwise ""
};

namespace SettingDescriptors {

std::span<const SettingDescriptor> all();
// The descriptor of a key, or nullptr for a key the record does not have.
const SettingDescriptor* find(const QString& key);
// Index of a key in all(), or -1.
int indexOf(const QString& key);
// Whether the running edition knows the key (the earlier edition knows only the classic ones).
bool isAvailable(const SettingDescriptor& descriptor);

// The method's name for a tab ("Replace/Remove"), "" outside the method tabs.
QString methodName(int tab);
// The values of a key with few of them, with their meanings, in order: the index keys'
// own lists, the method names for `selectedTab`, "0"/"1" for every flag. Empty otherwise.
QList<QPair<QString, QString>> values(const QString& key);

} // namespace SettingDescriptors
