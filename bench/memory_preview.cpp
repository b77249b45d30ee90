// Peak memory of a preview over a large in-memory list, per item. N items (default
// 1,000,000, in 1,000 folders) enter a FileList as the intake appends them (the vector
// and the set of listed paths), then the replace method runs over every item through
// PreviewDispatch exactly as the preview loop calls it. The paths name nothing on disk,
// so the disk tests of the loop are left out: what is measured is the memory of the list
// and the method. The peak (VmHWM, reset after start-up) less the start-up memory, less
// the heap blocks of each item's two strings (fullPath and newFilename), divided by N, is
// the cost of an item beyond its two path strings.
//
//   memory_preview [N=1000000]
// Prints key=value lines; exit status 1 when a proposed name is not the expected one.
#include "engine/filelist.h"
#include "engine/settings.h"
#include "pipeline/previewchecks.h"
#include "pipeline/previewdispatch.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return -1;
}

// Resets VmHWM to the current RSS (Linux 4.0 and later).
bool resetPeak()
{
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

// The heap block behind a string (its header and its characters), 0 when it owns none.
size_t heapBytes(QString& s)
{
    void* block = s.data_ptr().d_ptr();
    return block ? malloc_usable_size(block) + sizeof(size_t) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    Edition::select(Edition::Kind::Quorvel);
    QCoreApplication app(argc, argv);
    Messages::install(Edition::current());
    const int n = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 1000000;
    constexpr int kFolders = 1000;

    Settings settings;
    settings.setInteger(QStringLiteral("selectedTab"), int(MethodTab::ReplaceRemove));
    settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("draft"));
    settings.setText(QStringLiteral("replaceRemoveWith"), QStringLiteral("final"));
    if (PreviewChecks::checkAndFillDefaults(settings)) {
        std::fputs("memory_preview: the replace options were refused\n", stderr);
        return 2;
    }
    const Settings snapshot = settings.snapshot();

    const long baseKiB = statusKiB("VmRSS");
    const bool peakReset = resetPeak();

    FileList list;
    const QString root = QStringLiteral("/quorvel-bench-no-disk");
    const int perFolder = (n + kFolders - 1) / kFolders;
    for (int i = 0; i < n; ++i) {
        const QString path = QStringLiteral("%1/folder%2/photo_%3_draft.txt")
                                 .arg(root)
                                 .arg(i / perFolder, 4, 10, QLatin1Char('0'))
                                 .arg(i, 7, 10, QLatin1Char('0'));
        list.append(FileSystemItem::withKind(path, ItemType::File));
    }
    const long listKiB = statusKiB("VmRSS");

    QString error;
    long calls = 0;
    {
        PreviewDispatch dispatch(snapshot);
        for (FileSystemItem& item : list.files) {
            item.newFilename.clear();
            if (dispatch.call(item, error))
                ++calls;
        }
    }
    const long peakKiB = statusKiB("VmHWM");
    const long endKiB = statusKiB("VmRSS");

    long wrong = 0;
    size_t stringBytes = 0;
    for (FileSystemItem& item : list.files) {
        QString expected = item.filenameWithExtension();
        expected.replace(QStringLiteral("_draft."), QStringLiteral("_final."));
        if (item.newFilename != expected)
            ++wrong;
        stringBytes += heapBytes(item.fullPath) + heapBytes(item.newFilename);
    }
    const double total = double(peakKiB - baseKiB) * 1024.0 / n;
    const double strings = double(stringBytes) / n;
    std::printf("items=%d\nmethod_calls=%ld\nwrong_names=%ld\nerror=%s\n", n, calls, wrong,
                error.toUtf8().constData());
    std::printf("peak_reset=%d\nbase_kib=%ld\nlist_kib=%ld\npeak_kib=%ld\nend_kib=%ld\n", peakReset ? 1 : 0,
                baseKiB, listKiB, peakKiB, endKiB);
    std::printf("bytes_per_item_total=%.1f\nbytes_per_item_strings=%.1f\nbytes_per_item_beyond_strings=%.1f\n",
                total, strings, total - strings);
    std::printf("sizeof_item=%zu\n", sizeof(FileSystemItem));
    return wrong == 0 && error.isEmpty() ? 0 : 1;
}
