// corvane-sim's registry file parser over any file contents.
#include "app/sim/RegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

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
    LoadRegistry(registry, path, error);
    return 0;
}
