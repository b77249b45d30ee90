#pragma once

#include <QString>

#include <span>

// The single source of truth for the settings record: every key with its kind, its
// default and whether a change of it raises the settings-changed signal. Defaults,
// dictionary conversion, profiles, rule steps, the command line's --set and the window's
// bindings all read this table.
enum class SettingKind { Text, Flag, Integer, Date, List, MetaDataList };

struct SettingDescriptor {
    const char* key;
    SettingKind kind;
    const char* defaultValue; // texts as given; flags and integers as decimal text;
                              // lists as "; "-joined entries; the date's default is "now"
    bool signalsChange;       // one of the keys whose change raises the settings-changed signal
    int tab;                  // method tab, -1 for scope keys
    // A key beyond the classic 172: written to dictionaries, profiles and rule steps only
    // when it differs from its default (so files that do not use it keep the classic key
    // set), and unknown to the earlier edition.
    bool extended = false;
};

namespace SettingDescriptors {

std::span<const SettingDescriptor> all();
// The descriptor of a key, or nullptr for a key the record does not have.
const SettingDescriptor* find(const QString& key);
// Index of a key in all(), or -1.
int indexOf(const QString& key);
// Whether the running edition knows the key (the earlier edition knows only the classic ones).
bool isAvailable(const SettingDescriptor& descriptor);

} // namespace SettingDescriptors
