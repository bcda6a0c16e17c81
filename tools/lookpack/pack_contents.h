#pragma once
// What the look pack holds: every folder under pic/ that the effect
// catalogue reads, how many numbered pictures each has, how each picture is
// used (which decides how it is drawn and checked) and its size. The
// folders, their counts and uses come from the catalogue's recipes; the
// pack adds how large it draws each folder's pictures. The generator, the
// gallery and the tests all walk this list.

#include <span>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace corvessa::lookpack {

// kScreen: screen-blended onto the photo, black leaves it unchanged;
// kOverlay: overlay-blended, mid grey (128) leaves it unchanged; kEdgeMask:
// MaskBlend, white shows the photo and black the frame's fill; kLineTile: a
// square pattern tile repeated across the photo; kTintMask: the masks of
// the two mask tints.
using corvessa::PictureUse;

struct PackFolder {
    const char* name;  // as stored; lookups ignore case
    int count;         // pictures 1.ssl .. count.ssl
    PictureUse use;
    int width, height;
};

std::span<const PackFolder> PackFolders();
const PackFolder* FindPackFolder(const std::string& name);  // case ignored; null if none

// The start-up photo beside the folders: pic/sample.jpg.
inline constexpr const char* kSampleName = "sample.jpg";
inline constexpr int kSampleWidth = 1600;
inline constexpr int kSampleHeight = 1200;

struct PackFile {
    const PackFolder* folder;  // null for the sample photo
    int number;                // 1..count; 0 for the sample photo
    std::string relativePath;  // "lightA/3.ssl", "sample.jpg"
};

// Every file of the pack, the sample photo first.
std::vector<PackFile> PackFiles();

}  // namespace corvessa::lookpack
