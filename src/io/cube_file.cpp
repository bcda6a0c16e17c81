#include "io/cube_file.h"

#include <string_view>

#include "io/files.h"

namespace corvessa {

std::vector<uint8_t> ReadCubeFileBytes(const std::string& path) {
    return ReadWholeFile(path, 4096, [&](const uint8_t*, size_t, uint64_t fileSize) {
        if (fileSize > kMaxCubeFileBytes)
            throw InvalidCubeFile("the file is longer than " + std::to_string(kMaxCubeFileBytes >> 20) + " MB", path);
    });
}

CubeLut ReadCubeLutFile(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadCubeFileBytes(path);
    return ParseCubeLut(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
}

}  // namespace corvessa
