#include "pipeline/companiongroups.h"

#include "engine/filename.h"
#include "platform/foldercase.h"
#include "platform/folderentries.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <sys/stat.h>

#include <algorithm>

int leadRank(QStringView extension)
{
    static const QSet<QString> raw = {
        QStringLiteral("cr2"), QStringLiteral("cr3"), QStringLiteral("crw"), QStringLiteral("nef"),
        QStringLiteral("nrw"), QStringLiteral("arw"), QStringLiteral("srf"), QStringLiteral("sr2"),
        QStringLiteral("raf"), QStringLiteral("rw2"), QStringLiteral("orf"), QStringLiteral("dng"),
        QStringLiteral("pef"), QStringLiteral("srw"), QStringLiteral("x3f"), QStringLiteral("3fr"),
        QStringLiteral("iiq"), QStringLiteral("rwl"), QStringLiteral("erf"), QStringLiteral("kdc"),
        QStringLiteral("mrw"), QStringLiteral("raw")};
    const QString lower = extension.toString().toLower();
    if (raw.contains(lower))
        return 0;
    if (lower == QLatin1String("heic") || lower == QLatin1String("heif") || lower == QLatin1String("avif"))
        return 1;
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return 2;
    return 3;
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
    QString name;                // its name on disk
    QString suffix;              // what follows the group's stem: ".JPG", or ".CR2.xmp" for a sidecar
    qint32 base = -1;            // for a sidecar: the member whose full name it extends
    int rank = 3;
    quint64 inode = 0;           // from the folder's listing (unlisted members)
    QString newName;             // set when it follows the lead
};

struct PendingGroup {
    QString folder;
    std::vector<Member> members; // in lead order
    bool named = false;
};

} // namespace

struct CompanionFinder::State {
    std::vector<FileSystemItem>& files;
    FolderEntries& disk;
    Companions& out;
    std::vector<PendingGroup> groups;

    void groupFolder(const QString& folder, const std::vector<size_t>& listed, bool folds);
};

CompanionFinder::CompanionFinder(std::vector<FileSystemItem>& files, FolderEntries& disk, Companions& out)
    : d_(new State{files, disk, out, {}})
{
    out.clear();
    // The listed regular files by folder, folders in the order first met.
    QHash<QString, std::vector<size_t>> listedByFolder;
    std::vector<QString> folders;
    for (size_t i = 0; i < files.size(); ++i) {
        FileSystemItem& item = files[i];
        item.companionGroup = -1;
        item.leadsCompanions = false;
        if (item.kind() != ItemType::File || item.isHidden)
            continue;
        const QString folder = item.fileLocation();
        std::vector<size_t>& slot = listedByFolder[folder];
        if (slot.empty())
            folders.push_back(folder);
        slot.push_back(i);
    }
    FolderCase::Cache folds;
    for (const QString& folder : folders)
        d_->groupFolder(folder, listedByFolder.value(folder), folds.foldsCase(folder));
}

CompanionFinder::~CompanionFinder() = default;

// One listing of the folder: its regular, non-hidden files whose stem is a listed file's
// stem (or the stem of a listed file's full name, for sidecars) are grouped by that stem.
void CompanionFinder::State::groupFolder(const QString& folder, const std::vector<size_t>& listed, bool folds)
{
    const auto compared = [folds](const QString& name) { return FolderCase::comparisonName(name, folds); };
    QHash<QString, size_t> listedByName;
    QSet<QString> stems;
    for (size_t index : listed) {
        const QString name = compared(files[index].filenameWithExtension());
        listedByName.insert(name, index);
        const QString stem = splitName(name).base;
        stems.insert(stem);
        stems.insert(splitName(stem).base);
    }
    struct Candidate {
        QString name;
        QString comparedName;
        quint64 inode;
    };
    std::vector<Candidate> candidates;
    QSet<QString> candidateNames;
    disk.forEachEntry(folder, [&](const QString& name, const FolderEntries::Entry& entry) {
        if (name.startsWith(u'.'))
            return;
        QString c = compared(name);
        const QString stem = splitName(c).base;
        if (!stems.contains(stem) && !stems.contains(splitName(stem).base))
            return;
        if (!entry.isRegularFile) { // a link, a folder, or a file system that does not say
            struct stat st;
            if (::lstat(QFile::encodeName(appendingPathComponent(folder, name)).constData(), &st) != 0
                || !S_ISREG(st.st_mode))
                return;
        }
        candidateNames.insert(c);
        candidates.push_back({name, std::move(c), quint64(entry.inode)});
    });

    // Members by group stem: a name that extends another member's full name by one
    // extension is that member's sidecar; any other name belongs to its own stem.
    QHash<QString, std::vector<Member>> byStem;
    QHash<QString, QString> sidecarBase; // compared sidecar name -> compared base name
    for (const Candidate& c : candidates) {
        const NameParts parts = splitName(c.comparedName);
        const NameParts baseParts = splitName(parts.base);
        const bool sidecar = !parts.extension.isEmpty() && !baseParts.extension.isEmpty()
            && candidateNames.contains(parts.base);
        const QString stem = sidecar ? baseParts.base : parts.base;
        Member m;
        m.listIndex = listedByName.value(c.comparedName, SIZE_MAX);
        m.name = c.name;
        const NameParts real = splitName(c.name);
        m.suffix = c.name.mid((sidecar ? splitName(real.base).base : real.base).size());
        m.rank = sidecar ? 3 : leadRank(real.extension);
        m.inode = c.inode;
        if (sidecar)
            sidecarBase.insert(c.comparedName, parts.base);
        byStem[stem].push_back(std::move(m));
    }
    for (auto it = byStem.begin(); it != byStem.end(); ++it) {
        std::vector<Member>& members = it.value();
        if (members.size() < 2
            || std::none_of(members.begin(), members.end(), [](const Member& m) { return m.listIndex != SIZE_MAX; }))
            continue;
        std::stable_sort(members.begin(), members.end(), [](const Member& a, const Member& b) {
            return a.rank != b.rank ? a.rank < b.rank : a.name < b.name;
        });
        for (Member& m : members) {
            const QString base = sidecarBase.value(compared(m.name));
            if (base.isEmpty())
                continue;
            for (size_t k = 0; k < members.size(); ++k) {
                if (compared(members[k].name) == base)
                    m.base = qint32(k);
            }
        }
        const qint32 g = qint32(groups.size());
        for (const Member& m : members) {
            if (m.listIndex != SIZE_MAX)
                files[m.listIndex].companionGroup = g;
        }
        groups.push_back(PendingGroup{folder, std::move(members), false});
        out.groups.push_back(CompanionGroup{});
    }
}

void CompanionFinder::nameGroupOf(size_t index, const std::function<void(FileSystemItem&)>& callMethod)
{
    const qint32 g = d_->files[index].companionGroup;
    if (g < 0)
        return;
    PendingGroup& group = d_->groups[size_t(g)];
    if (group.named)
        return;
    group.named = true;
    std::vector<FileSystemItem>& files = d_->files;
    std::vector<Member>& members = group.members;

    // The lead: the first listed member, in lead order, that the method gives a name.
    qint32 lead = -1;
    for (size_t k = 0; k < members.size() && lead < 0; ++k) {
        if (members[k].listIndex == SIZE_MAX)
            continue;
        FileSystemItem& item = files[members[k].listIndex];
        callMethod(item);
        if (!item.newFilename.isEmpty() && !Status::isStatus(item.newFilename))
            lead = qint32(k);
    }
    if (lead < 0)
        return;

    // The group's new stem: the lead's new name without the lead's own suffix.
    const Member& leader = members[size_t(lead)];
    const QString leadName = files[leader.listIndex].newFilename;
    const QString stem = leadName.size() > leader.suffix.size() && leadName.endsWith(leader.suffix)
        ? leadName.chopped(leader.suffix.size())
        : splitName(leadName).base;
    members[size_t(lead)].newName = leadName;
    // Members ranked below the lead take the stem; a sidecar follows its member's new
    // full name, and stays where that member stays.
    for (size_t k = size_t(lead) + 1; k < members.size(); ++k) {
        if (members[k].base < 0)
            members[k].newName = stem + members[k].suffix;
    }
    for (size_t k = 0; k < members.size(); ++k) {
        Member& m = members[k];
        if (m.base < 0 || qint32(k) == lead || (qint32(k) < lead && m.listIndex != SIZE_MAX))
            continue;
        const Member& base = members[size_t(m.base)];
        m.newName = base.newName.isEmpty() ? QString() : base.newName + m.name.mid(base.name.size());
    }

    int followers = 0;
    for (size_t k = 0; k < members.size(); ++k) {
        Member& m = members[k];
        if (qint32(k) == lead)
            continue;
        if (m.listIndex == SIZE_MAX) {
            if (m.newName == m.name)
                m.newName.clear();
            followers += m.newName.isEmpty() ? 0 : 1;
            continue;
        }
        FileSystemItem& item = files[m.listIndex];
        if (qint32(k) < lead)
            continue; // the method was asked and proposed nothing
        if (m.newName.isEmpty()) {
            item.newFilename = Status::NoChanges;
            continue;
        }
        item.inode = d_->disk.inodeAt(item.fullPath);
        if (item.inode == 0) {
            item.newFilename = Status::FileNotFound;
            m.newName.clear();
            continue;
        }
        item.newFilename = m.newName;
        item.dateSource = DateSource::None;
        followers += m.newName == m.name ? 0 : 1;
    }
    FileSystemItem& leadItem = files[leader.listIndex];
    leadItem.leadsCompanions = true;
    d_->out.groups[size_t(g)] = CompanionGroup{leadItem.fullPath, stem, followers};
}

void CompanionFinder::finish()
{
    std::vector<FileSystemItem>& files = d_->files;
    for (size_t g = 0; g < d_->groups.size(); ++g) {
        PendingGroup& group = d_->groups[g];
        for (Member& m : group.members) {
            if (m.listIndex != SIZE_MAX) {
                FileSystemItem& item = files[m.listIndex];
                if (!item.leadsCompanions && (m.newName.isEmpty() || item.newFilename != m.newName))
                    item.companionGroup = -1;
                continue;
            }
            if (m.newName.isEmpty())
                continue;
            FileSystemItem item = FileSystemItem::withKind(appendingPathComponent(group.folder, m.name), ItemType::File);
            item.inode = m.inode;
            item.newFilename = std::move(m.newName);
            item.companionGroup = qint32(g);
            d_->out.unlisted.push_back(std::move(item));
        }
    }
    d_->groups.clear();
}
