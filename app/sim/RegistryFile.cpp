#include "RegistryFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

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

} // namespace

bool LoadRegistry(sim::Registry& registry, const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        return true; // the first run starts with nothing stored
    }
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        const std::size_t equals = line.rfind('=');
        const std::size_t backslash = line.rfind('\\', equals);
        if (line.empty()) {
            continue;
        }
        char* end = nullptr;
        const unsigned long value =
            equals == std::string::npos ? 0 : std::strtoul(line.c_str() + equals + 1, &end, 10);
        if (equals == std::string::npos || backslash == std::string::npos || end == nullptr ||
            *end != '\0' || value > 0xFFFFFFFFul) {
            error = path + ":" + std::to_string(number) + ": not KEY\\NAME=NUMBER";
            return false;
        }
        registry.WriteDword(line.substr(0, backslash),
                            line.substr(backslash + 1, equals - backslash - 1),
                            static_cast<DWORD>(value));
    }
    return true;
}

bool SaveRegistry(sim::Registry& registry, const std::string& path, std::string& error) {
    if (!MakeDirectories(path)) {
        error = "cannot create the folder of " + path + ": " + std::strerror(errno);
        return false;
    }
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        for (const auto& [name, value] : registry.ListValues("")) {
            if (value->type == REG_DWORD && value->data.size() == sizeof(DWORD)) {
                DWORD number = 0;
                std::memcpy(&number, value->data.data(), sizeof number);
                file << name << '=' << number << '\n';
            }
        }
        if (!file) {
            error = "cannot write " + temporary;
            return false;
        }
    }
    // Replaced in one step, so an interrupted save leaves the last good file.
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string DefaultRegistryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string base =
        config && *config ? config : std::string(home ? home : ".") + "/.config";
    return base + "/corvane-sim/registry";
}
