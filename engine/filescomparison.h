#pragma once

#include <QStringView>

// The order of the list's columns and of the per-folder runs: letter case ignored
// (simple case folding), runs of digits compared by their value (file2 before file10),
// code units as the final tie-break so the order is total and locale-independent.
// Returns <0, 0 or >0.
int compareFiles(QStringView a, QStringView b);
