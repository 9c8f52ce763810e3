// corvane-sim's registry file over any file contents: what loads is saved, and what was saved
// loads again to the same values.
#include "app/sim/RegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string Listed(sim::Registry& registry) {
    std::string text;
    for (const auto& [name, value] : registry.ListValues("")) {
        text += name + '=' + std::string(value->data.begin(), value->data.end()) + '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/corvane-fuzz-registry." + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    sim::Registry registry;
    std::string error;
    if (!LoadRegistry(registry, path, error)) {
        return 0;
    }
    if (!SaveRegistry(registry, path, error)) {
        __builtin_trap();
    }
    sim::Registry again;
    if (!LoadRegistry(again, path, error) || Listed(again) != Listed(registry)) {
        __builtin_trap();
    }
    return 0;
}
