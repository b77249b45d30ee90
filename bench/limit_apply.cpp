// The floor of an apply: the names of one folder are read, the new names are computed in
// memory, then one renameat2(RENAME_NOREPLACE) per file, relative to the folder's
// descriptor, and nothing else (no existence test, no log, no list). bench/compare times
// this process against the renamers.
//
//   limit_apply DIR replace FROM TO    first occurrence of FROM in a name becomes TO
//   limit_apply DIR number WIDTH SEP   "000001" + SEP + name, in listing order
//
// Prints "renamed N failed M" on stderr; exit status 1 when a rename failed.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> listNames(DIR* dir)
{
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        names.emplace_back(n);
    }
    return names;
}

int usage()
{
    std::fputs("usage: limit_apply DIR replace FROM TO | limit_apply DIR number WIDTH SEP\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        return usage();
    const std::string mode = argv[2];
    if (mode != "replace" && mode != "number")
        return usage();

    DIR* dir = ::opendir(argv[1]);
    if (!dir) {
        std::fprintf(stderr, "limit_apply: %s: %s\n", argv[1], std::strerror(errno));
        return 2;
    }
    const int dirFd = ::dirfd(dir);
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> names = listNames(dir);

    std::vector<std::string> targets;
    targets.reserve(names.size());
    if (mode == "replace") {
        const std::string from = argv[3], to = argv[4];
        for (const std::string& name : names) {
            const size_t at = from.empty() ? std::string::npos : name.find(from);
            targets.push_back(at == std::string::npos ? std::string() : name.substr(0, at) + to + name.substr(at + from.size()));
        }
    } else {
        const int width = std::atoi(argv[3]);
        const std::string sep = argv[4];
        char number[32];
        long n = 0;
        for (const std::string& name : names) {
            std::snprintf(number, sizeof number, "%0*ld", width, ++n);
            targets.push_back(number + sep + name);
        }
    }
    const auto listed = std::chrono::steady_clock::now();

    long renamed = 0, failed = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        if (targets[i].empty())
            continue;
        if (::syscall(SYS_renameat2, dirFd, names[i].c_str(), dirFd, targets[i].c_str(), RENAME_NOREPLACE) == 0)
            ++renamed;
        else
            ++failed;
    }
    const auto done = std::chrono::steady_clock::now();
    ::closedir(dir);
    std::fprintf(stderr, "renamed %ld failed %ld (listing %.3f s, renames %.3f s)\n", renamed, failed,
                 std::chrono::duration<double>(listed - start).count(),
                 std::chrono::duration<double>(done - listed).count());
    return failed ? 1 : 0;
}
