#pragma once
// .cube colour table files (looks/cube_lut.h) read from disk.

#include <cstdint>
#include <string>
#include <vector>

#include "looks/cube_lut.h"

namespace corvessa {

// The file's bytes, refused unread past its head when it is longer than
// any table may be; also "Cannot open file PATH: REASON".
std::vector<uint8_t> ReadCubeFileBytes(const std::string& path);
// Reads and parses the file.
CubeLut ReadCubeLutFile(const std::string& path);

}  // namespace corvessa
