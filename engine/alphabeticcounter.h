#pragma once

#include <QString>

// One step of the alphabetic sequence counter, whose letters count like a, b, ..., z, aa,
// ab, ... Each works on the UTF-16 code units of the counter as digits; units outside
// "a".."z" are stepped by code like letters, and the caller repeats the step until the
// counter holds letters only (with its own limit on the number of steps).
// An empty counter is returned unchanged.

// counter + incrementBy: a carry starts at the last unit. When the last unit runs past "z"
// it becomes the incrementBy-th letter, so z + 1 = aa, zz + 1 = aaa, y + 3 = ac,
// abc + 26 = acz.
QString nextAlphabeticNumber(const QString& counter, int incrementBy);

// counter - decrementBy: when the last unit falls below "a" it becomes the
// (27 - decrementBy)-th letter and borrows; a borrow out of the first unit drops it.
// a - 1 = z, aa - 1 = z, ba - 1 = az, b - 3 = x, ab - 2 = y.
QString previousAlphabeticNumber(const QString& counter, int decrementBy);
