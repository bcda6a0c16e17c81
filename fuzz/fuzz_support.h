#pragma once
// Writes fuzz input to a scratch file, for readers that take a path.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace corvessa::fuzz {

inline std::string ScratchFile(const uint8_t* data, size_t size, const std::string& name) {
    const std::string path = "/tmp/corvessa-fuzz-" + std::to_string(getpid()) + "-" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

}  // namespace corvessa::fuzz
