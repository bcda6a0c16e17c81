#pragma once
// The three 38 x 30 pictures of the Undo button: a curved arrow pointing
// back over horizontal two-tone stripes, green at rest, red on hover and
// sea-green while pressed.

#include "ground/bitmap.h"

namespace corvessa {

inline constexpr int kUndoPictureWidth = 38;
inline constexpr int kUndoPictureHeight = 30;

struct UndoPictureColours {
    Rgb arrow, stripe1, stripe2;
};

inline constexpr UndoPictureColours kUndoAtRest{{0, 208, 33}, {177, 255, 189}, {201, 255, 209}};
inline constexpr UndoPictureColours kUndoHover{{208, 0, 0}, {255, 177, 177}, {255, 201, 201}};
inline constexpr UndoPictureColours kUndoPressed{{16, 192, 137}, {183, 249, 229}, {206, 251, 237}};

TBitmap DrawUndoPicture(const UndoPictureColours& colours);

}  // namespace corvessa
