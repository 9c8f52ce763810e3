#include "RegistryFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool MakeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string directory = path.substr(0, slash);
        if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

std::string Reason() {
    return std::strerror(errno);
}

// "Key\Path\Name=NUMBER": a key path and a name, neither empty, and a whole number that fits
// 32 bits. A line may end in CRLF, as a file edited on Windows does.
bool ParseLine(std::string line, std::string& key, std::string& name, DWORD& value) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const std::size_t equals = line.rfind('=');
    const std::size_t backslash = equals == std::string::npos ? equals : line.rfind('\\', equals);
    if (equals == std::string::npos || backslash == std::string::npos || backslash == 0 ||
        backslash + 1 == equals || equals + 1 == line.size()) {
        return false;
    }
    const std::string number = line.substr(equals + 1);
    char* end = nullptr;
    errno = 0;
    const unsigned long long parsed = std::strtoull(number.c_str(), &end, 10);
    if (number[0] < '0' || number[0] > '9' || *end != '\0' || errno != 0 ||
        parsed > 0xFFFFFFFFull) {
        return false;
    }
    key = line.substr(0, backslash);
    name = line.substr(backslash + 1, equals - backslash - 1);
    value = static_cast<DWORD>(parsed);
    return true;
}

// The file a path names, through any symbolic links, so that a save replaces the file and
// keeps the link.
std::string Resolved(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string Contents(sim::Registry& registry) {
    std::string text;
    for (const auto& [name, value] : registry.ListValues("")) {
        if (value->type == REG_DWORD && value->data.size() == sizeof(DWORD)) {
            DWORD number = 0;
            std::memcpy(&number, value->data.data(), sizeof number);
            text += name + '=' + std::to_string(number) + '\n';
        }
    }
    return text;
}

bool WriteAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool LoadRegistry(sim::Registry& registry, const std::string& path, std::string& error) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return true; // the first run starts with nothing stored
        }
        error = "cannot read " + path + ": " + Reason();
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        error = path + " is not a regular file";
        return false;
    }
    std::ifstream file(path);
    if (!file) {
        error = "cannot read " + path + ": " + Reason();
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (line.empty()) {
            continue;
        }
        std::string key;
        std::string name;
        DWORD value = 0;
        if (!ParseLine(line, key, name, value)) {
            error = path + ":" + std::to_string(number) + ": not KEY\\NAME=NUMBER";
            return false;
        }
        registry.WriteDword(key, name, value);
    }
    if (file.bad()) {
        error = "cannot read " + path + ": " + Reason();
        return false;
    }
    return true;
}

// Written in full to a new file beside the old one, flushed to the disk, then put in its
// place in one step: a full disk or a crash leaves the last good file.
bool SaveRegistry(sim::Registry& registry, const std::string& path, std::string& error) {
    const std::string target = Resolved(path);
    if (!MakeDirectories(target)) {
        error = "cannot create the folder of " + target + ": " + Reason();
        return false;
    }
    struct stat status {};
    const mode_t mode = stat(target.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0600;
    const std::string temporary = target + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot write " + temporary + ": " + Reason();
        return false;
    }
    const bool written =
        WriteAll(fd, Contents(registry)) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    const std::string reason = written ? "" : Reason();
    if (close(fd) != 0 || !written) {
        error = "cannot write " + temporary + ": " + (written ? Reason() : reason);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = "cannot replace " + target + ": " + Reason();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool RegistryFile::KeepChanges(std::string& error) {
    if (m_registry.Changes() == m_kept) {
        return true;
    }
    if (!SaveRegistry(m_registry, m_path, error)) {
        return false;
    }
    m_kept = m_registry.Changes();
    return true;
}

std::string DefaultRegistryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string base =
        config && *config ? config : std::string(home ? home : ".") + "/.config";
    return base + "/corvane-sim/registry";
}
