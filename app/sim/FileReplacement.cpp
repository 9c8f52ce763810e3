#include "FileReplacement.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Reason() {
    return std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string UnusableFileName(const std::string& name) {
    if (name.empty()) {
        return "a file name cannot be empty";
    }
    if (name.find('\0') != std::string::npos) {
        return "a file name cannot hold a NUL byte";
    }
    return "";
}

std::string FileBehindLinks(const std::string& name) {
    std::string path = name;
    // As many links as the system itself follows before it gives up.
    for (int followed = 0; followed < 40; ++followed) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::vector<char> target(PATH_MAX);
        const ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
        if (length <= 0) {
            return path;
        }
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return path;
}

mode_t ModeOfNewFiles() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string ReplaceFile(const std::string& name, const Replacement& replacement) {
    if (const std::string unusable = UnusableFileName(name); !unusable.empty()) {
        return unusable;
    }
    const std::string target = FileBehindLinks(name);
    mode_t mode = replacement.newMode;
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            return target + " is not a regular file";
        }
        mode = status.st_mode & 07777;
    }
    std::string temporary = FolderOf(target) + "/.corvane-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return "cannot write " + target + ": " + Reason();
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        const std::string reason = Reason();
        close(fd);
        std::remove(temporary.c_str());
        return "cannot write " + target + ": " + reason;
    }
    errno = 0;
    const bool written = replacement.write(file) && std::fflush(file) == 0 &&
                         fchmod(fd, mode) == 0 && fsync(fd) == 0;
    const std::string reason = written ? "" : (errno != 0 ? Reason() : "write failed");
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        return "cannot write " + target + ": " + (written ? Reason() : reason);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::string failed = Reason();
        std::remove(temporary.c_str());
        return "cannot replace " + target + ": " + failed;
    }
    return "";
}
