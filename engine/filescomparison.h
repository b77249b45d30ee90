#pragma once

#include <QStringView>

#include <string>

// The order of the list's columns and of the per-folder runs: letter case ignored
// (simple case folding), runs of digits compared by their value (file2 before file10),
// code units as the final tie-break so the order is total and locale-independent.
// Returns <0, 0 or >0.
int compareFiles(QStringView a, QStringView b);

// A key whose plain order is compareFiles' order up to the tie-break: sorting many names
// by key (then by code units where keys are equal) orders them as compareFiles does,
// with the folding and digit parsing done once per name instead of once per comparison.
// A digit run becomes '0', its count of significant digits, then those digits: any digit
// compares with any other character as '0' does, since no other character lies between
// the digits. The code points are stored as UTF-8, whose byte order is code point order,
// so keys compare as bytes (memcmp).
std::string naturalSortKey(QStringView name);
// The same key appended to key (many keys in one buffer).
void appendNaturalSortKey(std::string& key, QStringView name);
