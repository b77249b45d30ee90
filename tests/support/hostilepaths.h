#pragma once

#include "support/temptree.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Paths that name something a reader must refuse without waiting: a FIFO no one writes to,
// a device that never ends, a folder, a link to nothing, a file the reader may not read and
// (when a size is given) a sparse file larger than the reader's cap. The unreadable and the
// oversized files start with `content`, so only their permissions or size are wrong.
struct HostilePath {
    const char* what;
    QString path;
};
QList<HostilePath> hostilePaths(TempTree& tree, const QString& name, const QByteArray& content, qint64 oversize = 0);

// Tests run as root, and root reads a file of mode 000 anyway. While one of these lives, the
// calling thread has lost the capabilities that bypass read permissions (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH, from its effective set only), so such a file is unreadable to it as to
// any user; they are given back when it ends. For a user other than root it does nothing.
class PermissionsApply {
public:
    PermissionsApply();
    ~PermissionsApply();
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

private:
    bool dropped_ = false;
};
