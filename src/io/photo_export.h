#pragma once
// A copy of a photo made for sharing: smaller, without the place it was
// taken or without any camera data. The working photo is never changed:
// Export and corvessa-render's --resize and --strip-... work on the copy
// about to be written.

#include "ground/bitmap.h"
#include "ground/resample.h"
#include "io/photo_metadata.h"

namespace corvessa {

struct ExportChoices {
    // At most one of these sizes is given; none keeps the photo's size. A
    // photo is never enlarged: one that fits already keeps its size.
    int longEdge = 0;                 // pixels on the longer side
    int boxWidth = 0, boxHeight = 0;  // fit inside
    int percent = 0;                  // of each side, 1..100
    bool stripLocation = false;       // the GPS position goes
    bool stripMetadata = false;       // all camera data goes (the colour profile stays)
    // The colours converted to sRGB, which every viewer and browser shows
    // right; the copy then carries no profile (sRGB is what one without
    // means).
    bool srgb = false;

    bool Resizes() const { return longEdge > 0 || boxWidth > 0 || percent > 0; }
    bool Changes() const { return Resizes() || stripLocation || stripMetadata || srgb; }
};

inline constexpr int kExportEdgeMin = 16, kExportEdgeMax = 65535;

// The size a `width` x `height` photo is written at.
PictureSize ExportSize(int width, int height, const ExportChoices& choices);

// The camera data the copy carries.
PhotoMetadata ExportedMetadata(const PhotoMetadata& metadata, const ExportChoices& choices);

// `photo`, whose colours are those of `metadata`, converted as `choices`
// ask (to sRGB, or not at all), in place.
void ConvertForExport(TBitmap& photo, const PhotoMetadata& metadata, const ExportChoices& choices);

// `photo` and `metadata` made what `choices` ask for, in place. Throws
// NotEnoughMemory, and WorkStopped when the work was given up on.
void PrepareExport(TBitmap& photo, PhotoMetadata& metadata, const ExportChoices& choices);

}  // namespace corvessa
