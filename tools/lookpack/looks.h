#pragma once
// The drawings of the look pack, one family per source file. Each returns
// the finished 8-bit picture at the folder's size.

#include <cstdint>
#include <vector>

#include "lookpack/pack_contents.h"
#include "ground/bitmap.h"

namespace corvessa::lookpack {

TBitmap RenderScreenLook(const PackFolder& folder, int number);    // looks_light.cpp
TBitmap RenderOverlayLook(const PackFolder& folder, int number);   // looks_overlay.cpp
TBitmap RenderEdgeMask(const PackFolder& folder, int number);      // looks_mask.cpp
TBitmap RenderLineTile(const PackFolder& folder, int number, int originX = 0, int originY = 0);
TBitmap RenderColorMask(const PackFolder& folder, int number);
TBitmap RenderSamplePhoto();                                       // sample_scene.cpp
// Not in the pack: a second, muted photo of any size to judge looks on.
TBitmap RenderTrunkPhoto(int width, int height);                   // trunk_scene.cpp

// Any picture of the pack by its table entry (folder null: the sample).
TBitmap RenderPackPicture(const PackFolder* folder, int number);

// Our mark in the first 16 bytes of every .ssl file, where a plain JPEG
// has its JFIF start: the files only load through the overlay loader.
inline constexpr uint8_t kPackSignature[16] = {'C', 'O', 'R', 'V', 'E', 'S', 'S', 'A',
                                               ' ', 'O', 'V', 'E', 'R', 'L', 'A', 'Y'};
inline constexpr int kPackQuality = 95;

// The bytes of one file as stored: the sample photo as a plain JPEG (the
// program's own encoder), a .ssl picture as JPEG at kPackQuality with the
// signature over its JFIF start.
std::vector<uint8_t> PackFileBytes(const PackFile& file);

}  // namespace corvessa::lookpack
