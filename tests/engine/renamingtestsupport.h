#pragma once

// Small helpers for the renaming method tests: items that need no disk, and the checks
// every result must pass.

#include "engine/filename.h"
#include "engine/filesystemitem.h"

#include <QString>

#include <gtest/gtest.h>

// "a", U+1F600 (a surrogate pair), "b".
inline const QString kEmoji = QStringLiteral("\U0001F600");

// A file (or, with itemType 1, a folder) at a path that is never touched on disk.
inline FileSystemItem itemNamed(const QString& name, int itemType = 0,
                                const QString& folder = QStringLiteral("/home/user/Pictures"))
{
    return FileSystemItem::withKind(folder + QLatin1Char('/') + name, itemType);
}

// What every stored proposed name must be: never a path, never broken UTF-16.
inline void expectSafeName(const FileSystemItem& item)
{
    EXPECT_FALSE(item.newFilename.contains(QLatin1Char('/'))) << item.newFilename.toStdString();
    if (!item.newFilename.isEmpty()) {
        EXPECT_TRUE(isUsableFileName(item.newFilename)) << item.newFilename.toStdString();
    }
}
