#include "undo/logfilelist.h"

#include "engine/filescomparison.h"
#include "engine/stringutilities.h"
#include "pipeline/renamelogreader.h"
#include "platform/dateformat.h"
#include "platform/filemanager.h"
#include "platform/numbers.h"

#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <limits>

namespace LogFileList {

namespace {

const QString kNamePrefix = QStringLiteral("Log ");

QString joinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// Earlier (older) first; an invalid time counts as the oldest.
int compareTimes(const QDateTime& a, const QDateTime& b)
{
    const qint64 x = a.isValid() ? a.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    const qint64 y = b.isValid() ? b.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    return x < y ? -1 : (x > y ? 1 : 0);
}

// The time value with its tie-breaks: the name's time, then the name itself.
int compareByTime(const LogFileEntry& a, const LogFileEntry& b)
{
    if (int c = compareTimes(a.sortTime, b.sortTime))
        return c;
    if (int c = compareTimes(a.nameTime, b.nameTime))
        return c;
    return compareFiles(a.logFileName, b.logFileName);
}

} // namespace

std::optional<LogFileName> parseLogFileName(const QString& fileName)
{
    // The extension follows the last "." when that is neither the first nor the last unit.
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == fileName.size() - 1)
        return std::nullopt;
    if (fileName.mid(dot + 1).toLower() != QLatin1String("xml"))
        return std::nullopt;
    const QString base = fileName.left(dot);
    const QStringList parts = base.split(QLatin1Char('-'));
    if (parts.size() != 6)
        return std::nullopt;

    LogFileName result;
    const QString last = parts.last();
    result.isJournal = last.startsWith(QLatin1Char('#'));
    result.count = result.isJournal ? 0 : std::max(0, intValue(last));

    QString stamp = base.left(base.lastIndexOf(QLatin1Char('-')));
    if (stamp.startsWith(kNamePrefix))
        stamp.remove(0, kNamePrefix.size());
    result.startTime = DateFormat::parseFixedFormat(stamp, QStringLiteral("dd-MM-yyyy HH-mm-ss"));
    return result;
}

QList<LogFileEntry> listLogFiles(const QString& folder)
{
    QList<LogFileEntry> entries;
    if (folder.isEmpty())
        return entries;
    for (const QString& name : FileManager::contentsOfDirectory(folder)) {
        const std::optional<LogFileName> parsed = parseLogFileName(name);
        if (!parsed)
            continue;
        const QString path = joinPath(folder, name);
        // An apply that is still running holds its journal locked: not something to undo yet.
        if (parsed->isJournal && RenameLogReader::isLockedByRunningApply(path))
            continue;
        if (!StringUtilities::isFileVersionMatch(StringUtilities::appVersionInPlist(path)))
            continue;
        FileManager::Attributes attributes;
        if (!FileManager::attributesOfItem(path, attributes))
            continue;

        LogFileEntry entry;
        entry.logFileName = name;
        entry.logFilePath = path;
        entry.isJournal = parsed->isJournal;
        // A journal's name carries no count: what counts is the items it holds.
        entry.filesCount = parsed->isJournal ? int(RenameLogBackwards(path).itemCount()) : parsed->count;
        if (parsed->startTime)
            entry.nameTime = parsed->startTime->toUTC();
        const QDateTime birth = QFileInfo(path).birthTime();
        if (birth.isValid())
            entry.sortTime = birth.toUTC();
        else if (entry.nameTime.isValid())
            entry.sortTime = entry.nameTime;
        else
            entry.sortTime = attributes.modificationDate.toUTC();
        entry.dateCreated = DateFormat::standardDescription(entry.sortTime);
        entries.append(entry);
    }
    sortLogFiles(entries, QStringLiteral("dateCreated"), false);
    return entries;
}

void sortLogFiles(QList<LogFileEntry>& entries, const QString& column, bool ascending)
{
    std::function<int(const LogFileEntry&, const LogFileEntry&)> compare;
    if (column == QLatin1String("logFileName")) {
        compare = [](const LogFileEntry& a, const LogFileEntry& b) {
            return compareFiles(a.logFileName, b.logFileName);
        };
    } else if (column == QLatin1String("dateCreated")) {
        compare = compareByTime;
    } else if (column == QLatin1String("filesCount")) {
        compare = [](const LogFileEntry& a, const LogFileEntry& b) {
            return a.filesCount < b.filesCount ? -1 : (a.filesCount > b.filesCount ? 1 : 0);
        };
    } else {
        return;
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const LogFileEntry& a, const LogFileEntry& b) {
        int c = compare(a, b);
        if (c == 0)
            return compareByTime(a, b) > 0; // equal keys: newest first
        return ascending ? c < 0 : c > 0;
    });
}

} // namespace LogFileList
