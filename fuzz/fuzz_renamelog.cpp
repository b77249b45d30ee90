// Rename logs and journals from arbitrary bytes: the streaming reader, the entry count the
// undo list shows, the reading last first that undo does, the undo dialog's listing of a
// log folder, and the paths undo would use.
#include "fuzzsupport.h"

#include "pipeline/renamelogreader.h"
#include "undo/logfilelist.h"
#include "undo/logrestore.h"

#include <QDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

QString logFolder()
{
    return FuzzSupport::scratchFolder() + QStringLiteral("/Logs");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    QDir().mkpath(logFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // A journal left by an interrupted apply, in a log folder of its own.
    const QString path =
        FuzzSupport::writeScratchFile(bytes, QStringLiteral("Logs/Log 07-03-2026 09-05-02-#.xml"));

    const RenameLogContents contents = RenameLogReader::read(path);
    FUZZ_CHECK(RenameLogReader::countEntries(path) == contents.entries.size(),
               QStringLiteral("the count and the read entries disagree"));
    FUZZ_CHECK(contents.ok || !contents.error.isEmpty(), QStringLiteral("a failed read gives no reason"));
    RenameLogBackwards backwards(path);
    FUZZ_CHECK(backwards.entryCount() == contents.entries.size() && backwards.contents().ok == contents.ok,
               QStringLiteral("reading last first found other entries"));
    RenameLogEntry last;
    for (qsizetype i = contents.entries.size() - 1; i >= 0; --i) {
        const RenameLogEntry& entry = contents.entries.at(i);
        FUZZ_CHECK(backwards.previous(last) && last.srclocation == entry.srclocation
                       && last.tarlocation == entry.tarlocation && last.srcfilename == entry.srcfilename
                       && last.tarfilename == entry.tarfilename && last.inode == entry.inode,
                   QStringLiteral("entry %1 read last first differs").arg(i));
    }
    FUZZ_CHECK(!backwards.previous(last), QStringLiteral("reading last first gave more entries"));
    for (const RenameLogEntry& entry : contents.entries) {
        if (const std::optional<LogRestore::EntryPaths> paths = LogRestore::entryPaths(entry)) {
            FUZZ_CHECK(paths->oldPath.startsWith(QLatin1Char('/')) && paths->currentPath.startsWith(QLatin1Char('/')),
                       paths->oldPath + QStringLiteral(" <- ") + paths->currentPath);
        }
    }

    const QList<LogFileEntry> listed = LogFileList::listLogFiles(logFolder());
    FUZZ_CHECK(listed.size() <= 1, QStringLiteral("one log listed more than once"));
    const auto items = std::count_if(contents.entries.cbegin(), contents.entries.cend(), RenameLogReader::isItem);
    for (const LogFileEntry& entry : listed)
        FUZZ_CHECK(entry.filesCount == items, QStringLiteral("the listed count is wrong"));
    return 0;
}
