#pragma once
// Overlay pictures (.ssl): a JPEG stream whose first 16 bytes are ignored
// and replaced on loading by a fixed JFIF start.

#include <string>

#include "ground/bitmap.h"

namespace corvessa {

inline constexpr uint8_t kSslHeader[16] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46,
                                           0x49, 0x46, 0x00, 0x01, 0x11, 0x00, 0x00, 0x01};

// Loads the picture at `path` into `target`, which takes its size (and keeps
// its fill colour). Throws "Cannot open file PATH: REASON" or "JPEG error
// #N: LIBJPEG'S MESSAGE — PATH"; `target` is unchanged then.
void LoadSslPicture(const std::string& path, TBitmap& target);

}  // namespace corvessa
