#pragma once

#include "engine/filename.h"
#include "engine/renamingcontract.h"

#include <QString>

// The name a renaming method stores: base and extension joined, with any "/" that an
// option text or a date format brought in turned into ":" (how the file system holds a
// "/" the user sees), so a proposed name never names a path.
inline QString proposedName(const QString& base, const QString& extension)
{
    return slashesToColons(joinName(base, extension));
}
