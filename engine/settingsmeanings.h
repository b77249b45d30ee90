#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <span>

// What each settings key means to a person writing `--set KEY=VALUE`: the method tab it
// belongs to and a one-line meaning, with the values of the index keys spelled out. Kept
// beside the descriptor table (kinds and defaults) and keyed by the same names; the
// command line's `keys` command, the man pages and the shell completions are made from it.
struct SettingMeaning {
    const char* key;
    int tab;             // the method tab that reads the key, -1 for scope keys of every method
    const char* meaning; // one line, no final full stop
    const char* values;  // for keys with few values: "0=text;1=text", otherwise ""
};

namespace SettingMeanings {

// The number of method tabs (0 to 9).
constexpr int kTabCount = 10;

std::span<const SettingMeaning> all();
// The row of a key, or nullptr for a key without one.
const SettingMeaning* find(const QString& key);
// The method's name for a tab ("Replace/Remove"), "" outside 0 to 9.
QString methodName(int tab);
// The values of a key with few of them, with their meanings, in order: the index keys'
// own lists, the method names for `selectedTab`, "0"/"1" for every flag. Empty otherwise.
QList<QPair<QString, QString>> values(const QString& key);

} // namespace SettingMeanings
