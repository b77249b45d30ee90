#include "platform/folderentries.h"

#include "platform/foldercase.h"
#include "platform/utf16scan.h"

#include <QByteArrayView>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

namespace {
// A listing costs about as much as a few dozen single lookups per thousand entries, so a
// folder is listed once the lookups made in it reach a share of its estimated size.
constexpr qint64 kMinimumLookupsBeforeListing = 8;
constexpr qint64 kEntriesPerLookup = 128;
// A rough size of a directory entry on disk, to estimate the entries from a folder's size.
constexpr qint64 kBytesPerEntry = 32;
} // namespace

struct FolderEntries::Folder {
    bool listed = false;
    bool unlistable = false;
    qint64 lookups = 0;
    qint64 listAfter = 0;
    std::string names; // every name of the listing, one after the other
    QHash<QByteArrayView, Entry> entries; // views into names
};

FolderEntries::FolderEntries() = default;
FolderEntries::~FolderEntries() = default;

FolderEntries::Folder& FolderEntries::folderOf(QStringView folderView)
{
    // Items come folder by folder, so the last folder answers most calls.
    if (lastFolder_ && folderView == lastFolderPath_)
        return *lastFolder_;
    const QString folder = folderView.toString();
    std::shared_ptr<Folder>& slot = folders_[folder];
    if (!slot) {
        slot = std::make_shared<Folder>();
        struct stat st;
        const QByteArray encoded = QFile::encodeName(folder);
        if (::lstat(encoded.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || FolderCase::foldsCase(folder))
            slot->unlistable = true;
        else
            slot->listAfter = qMax(kMinimumLookupsBeforeListing, qint64(st.st_size) / kBytesPerEntry / kEntriesPerLookup);
    }
    lastFolderPath_ = folder;
    lastFolder_ = slot.get();
    return *slot;
}

bool FolderEntries::list(const QString& folder, Folder& f)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        f.unlistable = true;
        return false;
    }
    std::vector<std::pair<size_t, Entry>> offsets;
    while (const dirent* e = ::readdir(dir)) {
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        offsets.emplace_back(f.names.size(), Entry{e->d_ino ? e->d_ino : 1, e->d_type == DT_REG});
        f.names.append(name);
        f.names.push_back('\0');
    }
    ::closedir(dir);
    // The views point into the finished string, which no longer grows.
    f.entries.reserve(offsets.size());
    for (const auto& [offset, entry] : offsets)
        f.entries.insert(QByteArrayView(f.names.data() + offset), entry);
    f.listed = true;
    ++listingsRead_;
    return true;
}

namespace {

// The name's bytes as the file system stores them, into a buffer kept between calls; plain
// ASCII (most names) without the general encoder.
void encodeNameInto(QByteArray& out, QStringView name)
{
    if (Utf16Scan::spanWithin<>(name, 0, 0x80) != name.size()) {
        out = QFile::encodeName(name.toString());
        return;
    }
    out.resize(name.size());
    Utf16Scan::narrowInto(out.data(), name);
}

} // namespace

FolderEntries::Entry FolderEntries::entryAt(const QString& path)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
    if (slash >= 0 && slash + 1 < path.size())
        return entryAt(QStringView(path).left(slash == 0 ? 1 : slash), QStringView(path).mid(slash + 1));
    return lookUp(path);
}

namespace {

QString joined(QStringView folder, QStringView name)
{
    QString path = folder.toString();
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        path += u'/';
    return path.append(name);
}

} // namespace

FolderEntries::Entry FolderEntries::entryAt(QStringView folder, QStringView name)
{
    if (name.isEmpty() || folder.isEmpty())
        return lookUp(joined(folder, name));
    Folder& f = folderOf(folder);
    if (!f.listed && !f.unlistable && ++f.lookups >= f.listAfter)
        list(lastFolderPath_, f);
    if (!f.listed)
        return lookUp(joined(folder, name));
    encodeNameInto(nameBytes_, name);
    return f.entries.value(QByteArrayView(nameBytes_));
}

FolderEntries::Entry FolderEntries::lookUp(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return Entry{st.st_ino ? st.st_ino : 1, S_ISREG(st.st_mode)};
}
