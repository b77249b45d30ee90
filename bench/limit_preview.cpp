// The floor of a preview: the names of one folder are read, then per file one stat of the
// item and, when its name changes, one existence test (lstat) of the new name, and one
// output line in quorvel-cli's tsv form ("full path<TAB>new name or status"). Nothing is
// renamed. bench/compare times this process against the dry runs.
//
//   limit_preview DIR FROM TO    first occurrence of FROM in a name becomes TO
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: limit_preview DIR FROM TO\n", stderr);
        return 2;
    }
    const std::string folder = argv[1], from = argv[2], to = argv[3];
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        std::fprintf(stderr, "limit_preview: %s: %s\n", argv[1], std::strerror(errno));
        return 2;
    }
    const int dirFd = ::dirfd(dir);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        names.emplace_back(n);
    }

    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    long renamable = 0;
    struct stat st;
    for (const std::string& name : names) {
        const char* status = nullptr;
        std::string target;
        if (::fstatat(dirFd, name.c_str(), &st, 0) != 0) {
            status = "File Not Found";
        } else {
            const size_t at = from.empty() ? std::string::npos : name.find(from);
            if (at == std::string::npos) {
                status = "No Changes";
            } else {
                target = name.substr(0, at) + to + name.substr(at + from.size());
                if (::fstatat(dirFd, target.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                    status = "File Already Exists";
                else
                    ++renamable;
            }
        }
        std::fputs(folder.c_str(), stdout);
        std::fputc('/', stdout);
        std::fputs(name.c_str(), stdout);
        std::fputc('\t', stdout);
        std::fputs(status ? status : target.c_str(), stdout);
        std::fputc('\n', stdout);
    }
    ::closedir(dir);
    std::fflush(stdout);
    std::fprintf(stderr, "items %zu renamable %ld\n", names.size(), renamable);
    return 0;
}
