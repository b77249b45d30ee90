#pragma once

#include "engine/filesystemitem.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class FolderEntries;

// One group of companion files as the last preview named it: the files of one folder that
// share a stem (IMG_0001.CR2, IMG_0001.JPG, IMG_0001.xmp) and the sidecars of a member's
// full name (IMG_0001.CR2.xmp), named once from their lead.
struct CompanionGroup {
    QString leadPath; // the lead's path at the preview
    QString newStem;  // what every member's new name starts with
    int followers = 0; // members that take the lead's new stem, listed or not
};

// The companion groups of the last preview, and the followers that are not in the list.
// Those are items of their own (a path, an inode and a new name each) so that the batch
// judgement and the moves treat them as they treat listed items; they are never shown as
// rows of the list.
struct Companions {
    std::vector<CompanionGroup> groups;
    std::vector<FileSystemItem> unlisted;

    void clear()
    {
        groups.clear();
        unlisted.clear();
    }
    // Forgets the groups (a pass that does not group companions): no item leads or follows.
    void forget(std::vector<FileSystemItem>& files)
    {
        clear();
        for (FileSystemItem& item : files) {
            item.companionGroup = -1;
            item.leadsCompanions = false;
        }
    }
    // The members of group g that follow its lead, listed ones first, in list order.
    std::vector<const FileSystemItem*> followersOf(const std::vector<FileSystemItem>& files, qint32 g) const;
    // The group's lead path for a follower (empty for an item that follows nothing).
    QString leadOf(const FileSystemItem& item) const;
};

// How a member ranks to lead its group: raw formats first, then HEIC/HEIF/AVIF, then
// JPEG, then every other extension.
int leadRank(QStringView extension);

// Finds the groups of the listed files at a preview and names them as the preview reaches
// them. The lead's method call is the group's only call: a listed follower is never
// handed to the method (the group's name wins over what the method would propose for
// it), so a counter advances once per group.
class CompanionFinder {
public:
    // Lists each folder of the listed regular files once (through disk, whose listing the
    // preview's existence checks then reuse) and marks the listed members of each group
    // with at least two members. out is cleared.
    CompanionFinder(std::vector<FileSystemItem>& files, FolderEntries& disk, Companions& out);
    ~CompanionFinder();

    // The method's call on one item, as a reference to the caller's callable (made once per
    // group reached, so never a copy of it).
    class MethodCall {
    public:
        template <typename Call>
        MethodCall(Call& call) // NOLINT(google-explicit-constructor): passed as the call itself
            : call_(const_cast<void*>(static_cast<const void*>(&call)))
            , invoke_([](void* c, FileSystemItem& item) { (*static_cast<Call*>(c))(item); })
        {
        }
        void operator()(FileSystemItem& item) const { invoke_(call_, item); }

    private:
        void* call_;
        void (*invoke_)(void*, FileSystemItem&);
    };

    // Called when the preview reaches a listed member. The first call of a group names it:
    // callMethod is called on its listed members in lead order until one holds a proposed
    // name afterwards (the lead); the members ranked below the lead take its new stem. A
    // member ranked above the lead is left as it is. Later calls do nothing.
    void nameGroupOf(size_t index, MethodCall callMethod);

    // After the preview's loop: the followers that are not listed go to out.unlisted.
    void finish();

private:
    struct State;
    std::unique_ptr<State> d_;
};
