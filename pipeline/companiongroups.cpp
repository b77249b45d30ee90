#include "pipeline/companiongroups.h"

#include "engine/filename.h"
#include "platform/foldercase.h"
#include "platform/folderentries.h"
#include "platform/utf16scan.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace {

// The dot before a name's extension, as splitName finds it: the last one, unless it opens
// or ends the name; -1 when there is none.
qsizetype extensionDot(QStringView name)
{
    const qsizetype dot = Utf16Scan::lastIndexOf(name, u'.');
    return dot <= 0 || dot == name.size() - 1 ? -1 : dot;
}

// splitName(name).base, as a view of the name.
QStringView baseOf(QStringView name)
{
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}

bool isAscii(QStringView text)
{
    return Utf16Scan::spanWithin<>(text, 0, 0x80) == text.size();
}

// An ASCII extension of three or four units, lowered, as one number (its length above).
constexpr quint64 packedExtension(const char16_t* units, int size)
{
    quint64 key = quint64(size) << 32;
    for (int i = 0; i < size; ++i) {
        const char16_t c = units[i] >= u'A' && units[i] <= u'Z' ? char16_t(units[i] + 32) : units[i];
        key |= quint64(c) << (8 * i);
    }
    return key;
}

template <size_t N>
constexpr quint64 packedExtension(const char16_t (&lower)[N])
{
    return packedExtension(lower, int(N - 1));
}

// The rank of an extension, lowered and packed.
int rankOfPacked(quint64 key)
{
    switch (key) {
    case packedExtension(u"cr2"): case packedExtension(u"cr3"): case packedExtension(u"crw"):
    case packedExtension(u"nef"): case packedExtension(u"nrw"): case packedExtension(u"arw"):
    case packedExtension(u"srf"): case packedExtension(u"sr2"): case packedExtension(u"raf"):
    case packedExtension(u"rw2"): case packedExtension(u"orf"): case packedExtension(u"dng"):
    case packedExtension(u"pef"): case packedExtension(u"srw"): case packedExtension(u"x3f"):
    case packedExtension(u"3fr"): case packedExtension(u"iiq"): case packedExtension(u"rwl"):
    case packedExtension(u"erf"): case packedExtension(u"kdc"): case packedExtension(u"mrw"):
    case packedExtension(u"raw"):
        return 0;
    case packedExtension(u"heic"): case packedExtension(u"heif"): case packedExtension(u"avif"):
        return 1;
    case packedExtension(u"jpg"): case packedExtension(u"jpeg"):
        return 2;
    default:
        return 3;
    }
}

// The rank of an extension that is not plain ASCII, through Qt's lowering: a non-ASCII
// letter may lower to an ASCII one (the Kelvin sign lowers to "k").
int leadRankOfLowered(QStringView extension)
{
    const QString lower = extension.toString().toLower();
    if (lower.size() < 3 || lower.size() > 4 || !isAscii(lower))
        return 3;
    return rankOfPacked(packedExtension(QStringView(lower).utf16(), int(lower.size())));
}

} // namespace

int leadRank(QStringView extension)
{
    const char16_t* units = extension.utf16();
    const qsizetype size = extension.size();
    if (size >= 3 && size <= 4) {
        if ((units[0] | units[1] | units[2] | (size == 4 ? units[3] : 0)) >= 0x80)
            return leadRankOfLowered(extension);
        return rankOfPacked(packedExtension(units, int(size)));
    }
    return isAscii(extension) ? 3 : leadRankOfLowered(extension);
}

std::vector<const FileSystemItem*> Companions::followersOf(const std::vector<FileSystemItem>& files, qint32 g) const
{
    std::vector<const FileSystemItem*> out;
    if (g < 0)
        return out;
    for (const FileSystemItem& item : files) {
        if (item.companionGroup == g && !item.leadsCompanions)
            out.push_back(&item);
    }
    for (const FileSystemItem& item : unlisted) {
        if (item.companionGroup == g)
            out.push_back(&item);
    }
    return out;
}

QString Companions::leadOf(const FileSystemItem& item) const
{
    if (item.companionGroup < 0 || item.leadsCompanions || size_t(item.companionGroup) >= groups.size())
        return {};
    return groups[size_t(item.companionGroup)].leadPath;
}

namespace {

// A member of a group while it is found and named.
struct Member {
    size_t listIndex = SIZE_MAX; // in the list, or SIZE_MAX for a file that is not listed
    qsizetype nameAt = 0;        // its name on disk, in the finder's names
    qsizetype nameSize = 0;
    qsizetype suffixAt = 0;      // where what follows the group's stem starts in the name:
                                 // ".JPG", or ".CR2.xmp" for a sidecar
    qint32 base = -1;            // for a sidecar: the member whose full name it extends
    int rank = 3;
    quint64 inode = 0;           // from the folder's listing
    bool inodeAsLookedUp = false; // the listing answers a lookup of its path with that inode
    QString newName;             // set when it follows the lead
};

struct PendingGroup {
    size_t folder;      // in the finder's folders
    size_t begin = 0;   // its members in the finder's members, in lead order
    size_t end = 0;
    bool named = false;
};

// a followed by b, in one allocation.
QString joined(QStringView a, QStringView b)
{
    QString out(a.size() + b.size(), Qt::Uninitialized);
    std::copy_n(a.data(), a.size(), out.data());
    std::copy_n(b.data(), b.size(), out.data() + a.size());
    return out;
}

// Names by their text, for the few lookups per name of one folder's grouping: the entries
// in the order added (a view of the name and a value each), and a flat table of slots
// (open addressing, 8 bytes each: a tag of the name's hash and the entry's number) where
// names are compared only where the tags agree. The views' texts outlive the table.
template <typename Value>
class NameTable {
public:
    explicit NameTable(size_t expected)
    {
        entries_.reserve(expected);
        size_t capacity = 16;
        while (capacity < 2 * expected)
            capacity *= 2;
        slots_.resize(capacity);
    }

    static quint64 hashOf(QStringView name)
    {
        const char* bytes = reinterpret_cast<const char*>(name.data());
        size_t size = size_t(name.size()) * 2;
        quint64 h = 0x9E3779B97F4A7C15ull ^ size;
        for (; size >= 8; size -= 8, bytes += 8) {
            quint64 word;
            std::memcpy(&word, bytes, 8);
            h = (h ^ word) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 29;
        }
        if (size > 0) { // 2, 4 or 6 bytes left
            quint64 word = 0;
            if (size >= 4) {
                quint32 four;
                std::memcpy(&four, bytes, 4);
                word = four;
                bytes += 4;
                size -= 4;
            }
            if (size > 0) {
                quint16 two;
                std::memcpy(&two, bytes, 2);
                word |= quint64(two) << 32;
            }
            h = (h ^ word) * 0xC4CEB9FE1A85EC53ull;
        }
        return h ^ (h >> 32);
    }

    Value* find(QStringView name, quint64 hash)
    {
        const quint32 tag = quint32(hash);
        for (size_t at = slotOf(hash);; at = (at + 1) & (slots_.size() - 1)) {
            const Slot slot = slots_[at];
            if (slot.entry == 0)
                return nullptr;
            if (slot.tag != tag)
                continue;
            Entry& e = entries_[slot.entry - 1];
            if (e.size == name.size() && std::memcmp(e.data, name.data(), size_t(name.size()) * 2) == 0)
                return &e.value;
        }
    }
    Value* find(QStringView name) { return find(name, hashOf(name)); }

    // The value of the name, made from value when the name is not in the table yet.
    Value& insert(QStringView name, quint64 hash, Value value)
    {
        if (Value* known = find(name, hash))
            return *known;
        if (2 * (entries_.size() + 1) > slots_.size())
            grow();
        entries_.push_back(Entry{name.data(), name.size(), hash, value});
        place(hash, quint32(entries_.size()));
        return entries_.back().value;
    }
    Value& insert(QStringView name, Value value) { return insert(name, hashOf(name), value); }

private:
    struct Slot {
        quint32 tag = 0;
        quint32 entry = 0; // its number + 1; 0 for an empty slot
    };
    struct Entry {
        const QChar* data;
        qsizetype size;
        quint64 hash;
        Value value;
    };
    size_t slotOf(quint64 hash) const { return size_t(hash >> 32) & (slots_.size() - 1); }
    void place(quint64 hash, quint32 entry)
    {
        size_t at = slotOf(hash);
        while (slots_[at].entry != 0)
            at = (at + 1) & (slots_.size() - 1);
        slots_[at] = Slot{quint32(hash), entry};
    }
    void grow()
    {
        slots_.assign(slots_.size() * 2, Slot{});
        for (size_t k = 0; k < entries_.size(); ++k)
            place(entries_[k].hash, quint32(k + 1));
    }
    std::vector<Entry> entries_;
    std::vector<Slot> slots_;
};

} // namespace

struct CompanionFinder::State {
    std::vector<FileSystemItem>& files;
    FolderEntries& disk;
    Companions& out;
    std::vector<QString> folders;
    std::u16string names;        // the members' names, one after the other
    std::vector<Member> members; // the groups' members, group after group
    std::vector<PendingGroup> groups;

    QStringView nameOf(const Member& m) const { return QStringView(names.data() + m.nameAt, m.nameSize); }
    void groupFolder(size_t folder, const std::vector<size_t>& listed, bool folds);
};

CompanionFinder::CompanionFinder(std::vector<FileSystemItem>& files, FolderEntries& disk, Companions& out)
    : d_(new State{files, disk, out, {}, {}, {}, {}})
{
    out.clear();
    // The listed regular files by folder, folders in the order first met. Items come folder
    // by folder, so an item's folder is mostly the one before.
    QHash<QString, size_t> folderIndex;
    std::vector<std::vector<size_t>> listedByFolder;
    std::vector<QString>& folders = d_->folders;
    size_t last = SIZE_MAX;
    for (size_t i = 0; i < files.size(); ++i) {
        FileSystemItem& item = files[i];
        item.companionGroup = -1;
        item.leadsCompanions = false;
        if (item.kind() != ItemType::File || item.isHidden)
            continue;
        const qsizetype slash = Utf16Scan::lastIndexOf(item.fullPath, u'/');
        const QStringView folder = slash < 0 ? QStringView()
            : slash == 0                     ? QStringView(u"/")
                                             : QStringView(item.fullPath).left(slash);
        if (last == SIZE_MAX || folder != QStringView(folders[last])) {
            const QString location = item.fileLocation();
            const auto it = folderIndex.constFind(location);
            if (it != folderIndex.constEnd()) {
                last = *it;
            } else {
                last = folders.size();
                folderIndex.insert(location, last);
                folders.push_back(location);
                listedByFolder.emplace_back();
            }
        }
        listedByFolder[last].push_back(i);
    }
    FolderCase::Cache folds;
    for (size_t f = 0; f < folders.size(); ++f)
        d_->groupFolder(f, listedByFolder[f], folds.foldsCase(folders[f]));
}

CompanionFinder::~CompanionFinder() = default;

// One listing of the folder: its regular, non-hidden files whose stem is a listed file's
// stem (or the stem of a listed file's full name, for sidecars) are grouped by that stem.
// Names are compared as views of the listed paths and of one buffer of the candidates'
// names; where the folder folds case, as their case folds.
void CompanionFinder::State::groupFolder(size_t folderIndex, const std::vector<size_t>& listed, bool folds)
{
    const QString& folder = folders[folderIndex];
    std::vector<QString> foldedListed;
    if (folds)
        foldedListed.reserve(listed.size());
    NameTable<size_t> listedByName(listed.size());
    // The stems met, with the number of the group each stem names (-1 until it does).
    NameTable<qint32> stems(listed.size() / 2);
    size_t listedUnits = 0;
    for (size_t index : listed) {
        const QString& path = files[index].fullPath;
        QStringView name = QStringView(path).mid(Utf16Scan::lastIndexOf(path, u'/') + 1);
        if (folds) {
            foldedListed.push_back(FolderCase::comparisonName(name.toString(), true));
            name = foldedListed.back();
        }
        listedByName.insert(name, index) = index; // a name listed twice: the later item
        listedUnits += size_t(name.size());
        const QStringView stem = baseOf(name);
        stems.insert(stem, -1);
        if (const QStringView baseStem = baseOf(stem); baseStem.size() != stem.size())
            stems.insert(baseStem, -1);
    }

    // The candidates, in the listing's order: their names go to names, their compared names
    // (where they differ, the folded ones) to folded.
    // (A name is at most a few hundred units, and one folder's names far below 4G units:
    // 32 bytes each.)
    struct Candidate {
        quint32 nameAt; // in names, from this folder's first

        quint32 comparedAt;
        quint16 nameSize;
        quint16 comparedSize;
        qint16 dot;     // of the compared name's extension (extensionDot), or -1
        qint16 baseDot; // of the extension of the compared name without its own, or -1
        quint64 inode;
        bool ascii;
    };
    std::vector<Candidate> candidates;
    candidates.reserve(listed.size());
    std::u16string folded;
    const size_t namesFrom = names.size();
    names.reserve(namesFrom + listedUnits); // the listed files are candidates, mostly
    disk.forEachEntry(folder, [&](QStringView name, const FolderEntries::Entry& entry) {
        if (name.startsWith(u'.'))
            return;
        QString foldedName;
        QStringView compared = name;
        if (folds) {
            foldedName = FolderCase::comparisonName(name.toString(), true);
            compared = foldedName;
        }
        const qsizetype dot = extensionDot(compared);
        const QStringView stem = dot < 0 ? compared : compared.left(dot);
        const qsizetype baseDot = dot < 0 ? -1 : extensionDot(stem);
        if (!stems.find(stem) && (baseDot < 0 || !stems.find(stem.left(baseDot))))
            return;
        if (!entry.isRegularFile) { // a link, a folder, or a file system that does not say
            struct stat st;
            if (::lstat(QFile::encodeName(appendingPathComponent(folder, name)).constData(), &st) != 0
                || !S_ISREG(st.st_mode))
                return;
        }
        const quint32 at = quint32(names.size() - namesFrom);
        Candidate c{at, at, quint16(name.size()), quint16(compared.size()), qint16(dot), qint16(baseDot),
                    quint64(entry.inode), isAscii(name)};
        names.append(name.utf16(), size_t(name.size()));
        if (folds) {
            c.comparedAt = quint32(folded.size());
            folded.append(compared.utf16(), size_t(compared.size()));
        }
        candidates.push_back(c);
    });
    if (candidates.size() < 2)
        return;
    // A listed member's inode is the one a lookup of its path gives when the folder is
    // answered from this very listing and the name is its own bytes (plain ASCII).
    const bool inodesAsLookedUp = !folds && disk.answersFromListing(folder);
    const char16_t* const namesHere = names.data() + namesFrom;
    const char16_t* const comparedHere = folds ? folded.data() : namesHere;
    const auto comparedOf = [&](const Candidate& c) { return QStringView(comparedHere + c.comparedAt, c.comparedSize); };
    const auto nameOfCandidate = [&](const Candidate& c) { return QStringView(namesHere + c.nameAt, c.nameSize); };

    // A name that extends another candidate's full name by one extension is that
    // candidate's sidecar; the set of names is needed only when some name has two.
    const bool twoExtensions =
        std::any_of(candidates.begin(), candidates.end(), [](const Candidate& c) { return c.baseDot >= 0; });
    NameTable<char> candidateNames(twoExtensions ? candidates.size() : 0);
    if (twoExtensions) {
        for (const Candidate& c : candidates)
            candidateNames.insert(comparedOf(c), 1);
    }

    // Each candidate's group stem (its own stem, a sidecar's base's stem), stems numbered in
    // the order first met.
    std::vector<qint32> stemOf(candidates.size());
    std::vector<qsizetype> sidecarBaseSize(candidates.size(), -1); // the compared base name's length
    std::vector<size_t> stemCount;
    for (size_t k = 0; k < candidates.size(); ++k) {
        const Candidate& c = candidates[k];
        const QStringView compared = comparedOf(c);
        const QStringView base = c.dot < 0 ? compared : compared.left(c.dot);
        const bool sidecar = c.baseDot >= 0 && candidateNames.find(base);
        if (sidecar)
            sidecarBaseSize[k] = base.size();
        qint32& number = stems.insert(sidecar ? base.left(c.baseDot) : base, -1);
        if (number < 0) {
            number = qint32(stemCount.size());
            stemCount.push_back(0);
        }
        stemOf[k] = number;
        ++stemCount[size_t(number)];
    }
    // The candidates by stem, in listing order within each.
    std::vector<size_t> startOf(stemCount.size() + 1, 0);
    for (size_t s = 0; s < stemCount.size(); ++s)
        startOf[s + 1] = startOf[s] + stemCount[s];
    std::vector<size_t> byStem(candidates.size());
    {
        std::vector<size_t> next(startOf.begin(), startOf.end() - 1);
        for (size_t k = 0; k < candidates.size(); ++k)
            byStem[next[size_t(stemOf[k])]++] = k;
    }

    // A group of each stem with two members or more, one of them listed.
    struct Sorted {
        Member member;
        size_t candidate;
    };
    std::vector<Sorted> group;
    members.reserve(members.size() + candidates.size());
    const auto leadsBefore = [&](const Sorted& a, const Sorted& b) {
        return a.member.rank != b.member.rank ? a.member.rank < b.member.rank
                                              : nameOfCandidate(candidates[a.candidate])
                < nameOfCandidate(candidates[b.candidate]);
    };
    for (size_t s = 0; s < stemCount.size(); ++s) {
        if (stemCount[s] < 2)
            continue;
        group.clear();
        bool anyListed = false;
        for (size_t at = startOf[s]; at < startOf[s + 1]; ++at) {
            const size_t k = byStem[at];
            const Candidate& c = candidates[k];
            const bool sidecar = sidecarBaseSize[k] >= 0;
            const QStringView name = nameOfCandidate(c);
            const qsizetype dot = folds ? extensionDot(name) : c.dot;
            const QStringView realBase = dot < 0 ? name : name.left(dot);
            Member m;
            const size_t* listedAt = listedByName.find(comparedOf(c));
            m.listIndex = listedAt ? *listedAt : SIZE_MAX;
            m.nameAt = qsizetype(namesFrom + c.nameAt);
            m.nameSize = c.nameSize;
            m.suffixAt = sidecar ? baseOf(realBase).size() : realBase.size();
            m.rank = sidecar ? 3 : leadRank(dot < 0 ? QStringView() : name.mid(dot + 1));
            m.inode = c.inode;
            m.inodeAsLookedUp = inodesAsLookedUp && c.ascii;
            anyListed = anyListed || m.listIndex != SIZE_MAX;
            group.push_back(Sorted{std::move(m), k});
        }
        if (!anyListed)
            continue;
        // Lead order: rank, then name. Groups are small: an insertion sort (stable, and
        // without the buffer std::stable_sort allocates) up to a few dozen members.
        if (group.size() <= 32) {
            for (size_t i = 1; i < group.size(); ++i) {
                for (size_t j = i; j > 0 && leadsBefore(group[j], group[j - 1]); --j)
                    std::swap(group[j], group[j - 1]);
            }
        } else {
            std::stable_sort(group.begin(), group.end(), leadsBefore);
        }
        // A sidecar's base: the member whose compared name is the sidecar's without its
        // last extension.
        for (Sorted& x : group) {
            const qsizetype baseSize = sidecarBaseSize[x.candidate];
            if (baseSize < 0)
                continue;
            const QStringView base = comparedOf(candidates[x.candidate]).left(baseSize);
            for (size_t k = 0; k < group.size(); ++k) {
                if (comparedOf(candidates[group[k].candidate]) == base)
                    x.member.base = qint32(k);
            }
        }
        const qint32 g = qint32(groups.size());
        PendingGroup pending{folderIndex, members.size(), members.size() + group.size(), false};
        for (Sorted& x : group) {
            if (x.member.listIndex != SIZE_MAX)
                files[x.member.listIndex].companionGroup = g;
            members.push_back(std::move(x.member));
        }
        groups.push_back(pending);
        out.groups.push_back(CompanionGroup{});
    }
}

void CompanionFinder::nameGroupOf(size_t index, MethodCall callMethod)
{
    State& d = *d_;
    std::vector<FileSystemItem>& files = d.files;
    const qint32 g = files[index].companionGroup;
    if (g < 0)
        return;
    PendingGroup& group = d.groups[size_t(g)];
    if (group.named)
        return;
    group.named = true;
    Member* const members = d.members.data() + group.begin;
    const size_t count = group.end - group.begin;

    // The lead: the first listed member, in lead order, that the method gives a name.
    size_t lead = SIZE_MAX;
    for (size_t k = 0; k < count && lead == SIZE_MAX; ++k) {
        if (members[k].listIndex == SIZE_MAX)
            continue;
        FileSystemItem& item = files[members[k].listIndex];
        callMethod(item);
        if (!item.newFilename.isEmpty() && !Status::isStatus(item.newFilename))
            lead = k;
    }
    if (lead == SIZE_MAX)
        return;

    // The group's new stem: the lead's new name without the lead's own suffix.
    Member& leader = members[lead];
    const QString leadName = files[leader.listIndex].newFilename;
    const QStringView leadSuffix = d.nameOf(leader).mid(leader.suffixAt);
    const QStringView stem = leadName.size() > leadSuffix.size() && QStringView(leadName).endsWith(leadSuffix)
        ? QStringView(leadName).chopped(leadSuffix.size())
        : baseOf(leadName);
    leader.newName = leadName;
    // Members ranked below the lead take the stem; a sidecar follows its member's new
    // full name, and stays where that member stays.
    for (size_t k = lead + 1; k < count; ++k) {
        if (members[k].base < 0)
            members[k].newName = joined(stem, d.nameOf(members[k]).mid(members[k].suffixAt));
    }
    for (size_t k = 0; k < count; ++k) {
        Member& m = members[k];
        if (m.base < 0 || k == lead || (k < lead && m.listIndex != SIZE_MAX))
            continue;
        const Member& base = members[size_t(m.base)];
        m.newName = base.newName.isEmpty() ? QString() : joined(base.newName, d.nameOf(m).mid(base.nameSize));
    }

    int followers = 0;
    for (size_t k = 0; k < count; ++k) {
        Member& m = members[k];
        if (k == lead)
            continue;
        if (m.listIndex == SIZE_MAX) {
            if (m.newName == d.nameOf(m))
                m.newName.clear();
            followers += m.newName.isEmpty() ? 0 : 1;
            continue;
        }
        FileSystemItem& item = files[m.listIndex];
        if (k < lead)
            continue; // the method was asked and proposed nothing
        if (m.newName.isEmpty()) {
            item.newFilename = Status::NoChanges;
            continue;
        }
        item.inode = m.inodeAsLookedUp ? m.inode : d.disk.inodeAt(item.fullPath);
        if (item.inode == 0) {
            item.newFilename = Status::FileNotFound;
            m.newName.clear();
            continue;
        }
        item.newFilename = m.newName;
        item.dateSource = DateSource::None;
        followers += m.newName == d.nameOf(m) ? 0 : 1;
    }
    FileSystemItem& leadItem = files[leader.listIndex];
    leadItem.leadsCompanions = true;
    d.out.groups[size_t(g)] = CompanionGroup{leadItem.fullPath, stem.toString(), followers};
}

void CompanionFinder::finish()
{
    State& d = *d_;
    std::vector<FileSystemItem>& files = d.files;
    for (size_t g = 0; g < d.groups.size(); ++g) {
        const PendingGroup& group = d.groups[g];
        for (size_t k = group.begin; k < group.end; ++k) {
            Member& m = d.members[k];
            if (m.listIndex != SIZE_MAX) {
                FileSystemItem& item = files[m.listIndex];
                if (!item.leadsCompanions && (m.newName.isEmpty() || item.newFilename != m.newName))
                    item.companionGroup = -1;
                continue;
            }
            if (m.newName.isEmpty())
                continue;
            FileSystemItem item =
                FileSystemItem::withKind(appendingPathComponent(d.folders[group.folder], d.nameOf(m)), ItemType::File);
            item.inode = m.inode;
            item.newFilename = std::move(m.newName);
            item.companionGroup = qint32(g);
            d.out.unlisted.push_back(std::move(item));
        }
    }
    d.groups.clear();
    d.members.clear();
}
