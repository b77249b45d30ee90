#pragma once

#include "engine/filesystemitem.h"

#include <QString>
#include <QStringList>

// The audio method (tab 6): names music files from their tags, either by replacing the
// eight tokens ("<Artist>" ... "<Composer>") in the mask or, in separator mode, by joining
// the values of the token list with the separator. Follows the contract of every
// renameBy... method.
bool renameByID3Tags(FileSystemItem& item, const QString& id3RenamingMask, bool isID3RenamingSeperator,
                     const QString& id3RenamingSeperator, bool isID3RenamingColonReplace,
                     const QString& id3RenamingColonReplace, const QStringList& tags,
                     const QStringList& allowedExtensions, QString& error);

// A comment tag as a name part: trimmed of blanks and line breaks, then of characters
// that are not valid characters at either end, then every pair of blanks removed (left to
// right, not overlapping: two blanks vanish, three leave one).
QString cleanedAudioComment(const QString& comment);
