// Rename-from-list files from arbitrary bytes: parsed, then imported into a list as the
// list intake does. Seeds name the fixed folder /tmp/quorvel-fuzz-list, made here, so the
// fuzzer reaches items that exist.
#include "fuzzsupport.h"

#include "engine/filename.h"
#include "engine/filesystemitem.h"
#include "intake/intake.h"
#include "intake/renamefromlist.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    const QString root = QStringLiteral("/tmp/quorvel-fuzz-list");
    QDir().mkpath(root + QStringLiteral("/Sub Folder"));
    for (const QString& name : {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("A.TXT"),
                                QStringLiteral("x:y.jpg"), QStringLiteral("Sub Folder/c.txt")}) {
        QFile f(root + QLatin1Char('/') + name);
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write("x");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int importType : {0, 1}) {
        QString failureKey;
        const std::optional<FileRenameItem> list = parseRenameList(bytes, importType, &failureKey);
        if (!list) {
            FUZZ_CHECK(!failureKey.isEmpty(), QStringLiteral("a refused list gives no message"));
            continue;
        }
        FUZZ_CHECK(!list->paths.isEmpty(), QStringLiteral("an accepted list is empty"));
        FUZZ_CHECK(QSet<QString>(list->paths.begin(), list->paths.end()).size() == list->paths.size(),
                   QStringLiteral("a path is listed twice"));
        for (const QString& path : list->paths) {
            FUZZ_CHECK(path.startsWith(QLatin1Char('/')) && list->records.contains(path), path);
            FUZZ_CHECK(isUsableFileName(lastPathComponent(path)), path);
        }

        ControllerState state;
        PassProgress progress(nullptr);
        Intake::importFilesToList(state, *list, progress);
        for (const FileSystemItem& item : state.list.files) {
            if (Status::isStatus(item.newFilename) || item.newFilename.isEmpty())
                continue;
            // A name offered for renaming must be one the file system and the log can take.
            FUZZ_CHECK(isUsableFileName(item.newFilenameValue()), item.fullPath + QStringLiteral(" -> ") + item.newFilename);
        }
    }
    return 0;
}
