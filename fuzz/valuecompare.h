#pragma once

#include <QVariant>

// Deep equality of property-list value trees, with NaN equal to NaN (a real read from a
// file may be NaN, and it must come back as NaN), and a description of the first
// difference for the crash report.
bool sameValue(const QVariant& a, const QVariant& b, QString* where = nullptr);
