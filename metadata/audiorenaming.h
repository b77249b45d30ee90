#pragma once

#include "engine/filesystemitem.h"
#include "engine/renamingcontract.h"

#include <QString>
#include <QStringList>

class SettingsReader;

// The audio method's options (tab 6), read once per pass (see engine/methodoptions.h).
struct AudioTagOptions {
    QString mask;
    QString separator; // joins the tags' values when set; empty without the separator flag
    bool replacesColons = false;
    QString colonReplacement;
    QStringList tags;       // the tokens of the separator mode, in order
    QStringList extensions; // the stored list of the files to name

    static AudioTagOptions from(const SettingsReader& settings);
};

// The audio method: names music files from their tags, either by replacing the eight
// tokens ("<Artist>" ... "<Composer>") in the mask or, with a separator, by joining the
// values of the token list with it. Follows the contract of every renameBy... method.
MethodResult renameByID3Tags(FileSystemItem& item, const AudioTagOptions& options);

// A comment tag as a name part: trimmed of blanks and line breaks, then of characters
// that are not valid characters at either end, then every pair of blanks removed (left to
// right, not overlapping: two blanks vanish, three leave one).
QString cleanedAudioComment(const QString& comment);
