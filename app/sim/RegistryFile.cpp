#include "RegistryFile.h"

#include "FileReplacement.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
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

// A key path of names that are not empty (never a backslash first, last or doubled) and no
// control characters in it or in a value's name: the writer writes neither.
bool WellFormed(const std::string& key, const std::string& name) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20; };
    return key.front() != '\\' && key.back() != '\\' && key.find("\\\\") == std::string::npos &&
           std::none_of(key.begin(), key.end(), control) &&
           std::none_of(name.begin(), name.end(), control);
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
    if (number[0] < '0' || number[0] > '9' || end != number.c_str() + number.size() || errno != 0 ||
        parsed > 0xFFFFFFFFull) {
        return false;
    }
    key = line.substr(0, backslash);
    name = line.substr(backslash + 1, equals - backslash - 1);
    value = static_cast<DWORD>(parsed);
    return WellFormed(key, name);
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
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (file.bad() || !file.is_open()) {
        error = "cannot read " + path + ": " + Reason();
        return false;
    }
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        ++number;
        const std::size_t end = text.find('\n', start);
        const std::string where = path + ":" + std::to_string(number) + ": ";
        // Every line the writer writes ends; one that does not was cut off.
        if (end == std::string::npos) {
            error = where + "the line is cut off";
            return false;
        }
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        std::string key;
        std::string name;
        DWORD value = 0;
        if (line.empty() || line == "\r") {
            continue;
        }
        if (!ParseLine(line, key, name, value)) {
            error = where + "not KEY\\NAME=NUMBER";
            return false;
        }
        registry.WriteDword(key, name, value);
    }
    return true;
}

namespace {

// A file the user made read-only stays as it is, as a read-only file on Windows does.
std::string ReadOnly(const std::string& target) {
    return access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0
               ? target + " is read-only"
               : "";
}

} // namespace

// Private to the user, as the registry's own files are.
bool SaveRegistry(sim::Registry& registry, const std::string& path, std::string& error) {
    const std::string target = FileBehindLinks(path);
    if (error = ReadOnly(target); !error.empty()) {
        return false;
    }
    if (!MakeDirectories(target)) {
        error = "cannot create the folder of " + target + ": " + Reason();
        return false;
    }
    const std::string contents = Contents(registry);
    error =
        ReplaceFile(target, Replacement{[&](std::FILE* file) {
                                            return std::fwrite(contents.data(), 1, contents.size(),
                                                               file) == contents.size();
                                        },
                                        0600});
    return error.empty();
}

RegistryFile::~RegistryFile() {
    if (m_lock >= 0) {
        close(m_lock);
    }
}

bool RegistryFile::Claim(std::string& error) {
    const std::string target = FileBehindLinks(m_path);
    if (!MakeDirectories(target)) {
        error = "cannot create the folder of " + target + ": " + Reason();
        return false;
    }
    const std::string lock = target + ".lock";
    m_lock = open(lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_lock < 0) {
        error = "cannot keep the settings in " + target + ": " + Reason() +
                " (--registry FILE names another file, --fresh keeps none)";
        return false;
    }
    if (flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK ? "another corvane-sim keeps its settings in " + target
                                     : "cannot lock " + lock + ": " + Reason();
        return false;
    }
    return true;
}

// The folder can be written: the lock was made in it.
std::string RegistryFile::Unwritable() const {
    return ReadOnly(FileBehindLinks(m_path));
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
