#include "platform/folderentries.h"

#include "platform/foldercase.h"
#include "platform/utf16scan.h"

#include <QByteArrayView>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
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

// The entries of one listing by name: the names one after the other in one buffer, and a
// flat open-addressing table whose slots carry a tag of each name's hash, so that a lookup
// compares names only where the tags agree (two or three memory reads per lookup, where a
// node-based hash compares the name of every entry on its probe path).
class ListedNames {
public:
    void add(const char* name, size_t length, FolderEntries::Entry entry)
    {
        named_.push_back(Named{quint32(names_.size()), quint32(length), entry});
        names_.append(name, length);
    }
    // Builds the table once every name is in.
    void index()
    {
        size_t capacity = 16;
        while (capacity < 2 * named_.size())
            capacity *= 2;
        slots_.assign(capacity, 0);
        mask_ = capacity - 1;
        for (size_t k = 0; k < named_.size(); ++k) {
            const size_t hash = hashOf(names_.data() + named_[k].at, named_[k].length);
            size_t at = hash & mask_;
            while (slots_[at] != 0)
                at = (at + 1) & mask_;
            slots_[at] = quint64(tagOf(hash)) << 32 | quint64(k + 1);
        }
    }
    template <typename Visit>
    void forEach(Visit&& visit) const
    {
        for (const Named& n : named_)
            visit(names_.data() + n.at, size_t(n.length), n.entry);
    }
    FolderEntries::Entry find(const char* name, size_t length) const
    {
        const size_t hash = hashOf(name, length);
        const quint32 tag = tagOf(hash);
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const quint64 slot = slots_[at];
            if (slot == 0)
                return {};
            if (quint32(slot >> 32) != tag)
                continue;
            const Named& n = named_[size_t(quint32(slot)) - 1];
            if (n.length == length && std::memcmp(names_.data() + n.at, name, length) == 0)
                return n.entry;
        }
    }

private:
    struct Named {
        quint32 at;
        quint32 length;
        FolderEntries::Entry entry;
    };
    static size_t hashOf(const char* name, size_t length) { return qHashBits(name, length, 0); }
    static quint32 tagOf(size_t hash) { return quint32(hash >> 32) ^ quint32(hash); }
    std::string names_;
    std::vector<Named> named_;
    std::vector<quint64> slots_; // the tag above, the entry's number + 1 below; 0 when empty
    size_t mask_ = 0;
};

struct FolderEntries::Folder {
    bool listed = false;
    bool unlistable = false;
    qint64 lookups = 0;
    qint64 listAfter = 0;
    ListedNames entries;
};

FolderEntries::FolderEntries() = default;
FolderEntries::~FolderEntries() = default;

FolderEntries::Folder& FolderEntries::folderOf(QStringView folderView)
{
    // Items come folder by folder, so the last folder answers most calls.
    if (lastFolder_ && Utf16Scan::sameUnits(folderView, lastFolderPath_))
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
    while (const dirent* e = ::readdir(dir)) {
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        f.entries.add(name, std::strlen(name), Entry{e->d_ino ? e->d_ino : 1, e->d_type == DT_REG});
    }
    ::closedir(dir);
    f.entries.index();
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
    return f.entries.find(nameBytes_.constData(), size_t(nameBytes_.size()));
}

void FolderEntries::forEachEntry(const QString& folder,
                                 const std::function<void(QStringView name, const Entry& entry)>& visit)
{
    // Plain ASCII names (most) are widened into the buffer without the general decoder and
    // without an allocation per name.
    QString decoded;
    const auto visitDecoded = [&](const char* name, size_t length, const Entry& entry) {
        const qsizetype size = qsizetype(length);
        if (Utf16Scan::asciiSpan(name, size) == size) {
            decoded.resize(size);
            Utf16Scan::widenInto(decoded.data(), name, size);
        } else {
            decoded = QFile::decodeName(QByteArray::fromRawData(name, size));
        }
        visit(QStringView(decoded), entry);
    };
    Folder& f = folderOf(folder);
    if (!f.listed && !f.unlistable)
        list(lastFolderPath_, f);
    if (f.listed) {
        f.entries.forEach(visitDecoded);
        return;
    }
    // A folder answered one lookup at a time (it folds case): read once for the caller.
    Folder once;
    if (list(folder, once)) {
        --listingsRead_;
        once.entries.forEach(visitDecoded);
    }
}

bool FolderEntries::answersFromListing(QStringView folder)
{
    return folderOf(folder).listed;
}

FolderEntries::Entry FolderEntries::lookUp(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return Entry{st.st_ino ? st.st_ino : 1, S_ISREG(st.st_mode)};
}
