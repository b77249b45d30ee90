#pragma once

#include "platform/moveladder.h"

#include <cerrno>

// Makes the local disk answer the way another drive does, through MoveLadder's system
// calls: renameat2 with flags refused (a FUSE driver without rename flags, NFS, CIFS), hard
// links refused (FAT, exFAT), rename(2) itself refused. 0 leaves a call as it is. One at a
// time; the real calls come back when it goes.
class RefusingDrive {
public:
    struct Errors {
        int renameFlags = 0; // errno of renameat2 with flags
        int link = 0;        // errno of linkat
        int rename = 0;      // errno of the plain renameat
    };
    explicit RefusingDrive(Errors errors)
    {
        current() = errors;
        static const MoveLadder::SystemCalls calls = {renameat2, linkat, MoveLadder::realCalls().unlinkat, renameat,
                                                      MoveLadder::realCalls().openat, MoveLadder::realCalls().mkdirat};
        MoveLadder::setCallsForTesting(&calls);
    }
    ~RefusingDrive() { MoveLadder::setCallsForTesting(nullptr); }
    RefusingDrive(const RefusingDrive&) = delete;
    RefusingDrive& operator=(const RefusingDrive&) = delete;

    // FAT or exFAT through FUSE: no rename flags, no hard links.
    static Errors fat() { return {EINVAL, EPERM, 0}; }

private:
    static Errors& current()
    {
        static Errors errors;
        return errors;
    }
    static int refuse(int error)
    {
        errno = error;
        return -1;
    }
    static int renameat2(int a, const char* b, int c, const char* d, unsigned flags)
    {
        return flags && current().renameFlags ? refuse(current().renameFlags)
                                               : MoveLadder::realCalls().renameat2(a, b, c, d, flags);
    }
    static int linkat(int a, const char* b, int c, const char* d, int flags)
    {
        return current().link ? refuse(current().link) : MoveLadder::realCalls().linkat(a, b, c, d, flags);
    }
    static int renameat(int a, const char* b, int c, const char* d)
    {
        return current().rename ? refuse(current().rename) : MoveLadder::realCalls().renameat(a, b, c, d);
    }
};
