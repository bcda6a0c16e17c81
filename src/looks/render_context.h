#pragma once
// What a look may read of the program around it, handed over explicitly:
// whether the user asked for a re-render with a colour of their choice, how
// to ask for that colour, and where its overlay pictures come from.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ground/bitmap.h"

namespace corvessa {

// Asks the user for a colour. The window answers with its colour dialog;
// tests and the command-line renderer answer with fixed colours.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<Rgb> ChooseColor() = 0;
};

// An overlay picture pic/<folder>/<number>.ssl; folder names are matched
// without regard to letter case.
struct PictureName {
    std::string_view folder;
    int number = 0;
    friend bool operator==(const PictureName&, const PictureName&) = default;
};

// Decoded pictures are shared read-only, so no caller can change what
// another one gets.
using SharedPicture = std::shared_ptr<const TBitmap>;

// A colour table made ready for photos (looks/cube_lut.h), shared read-only
// like the pictures.
class PreparedLut;
using SharedGrade = std::shared_ptr<const PreparedLut>;

// Where the looks get their overlay pictures, decoded, and their colour
// tables, read. Safe to use from
// several renders at once.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // Throws the file layer's errors ("Cannot open file PATH: REASON",
    // "JPEG error #N", ...) when the picture is missing or broken.
    virtual SharedPicture Load(PictureName name) const = 0;
    // For a routine that only ever stretches the picture onto width x height
    // by nearest neighbour: a picture that stretches there to the same
    // pixels. Load's own picture always does; a source may hand a copy
    // already stretched to that size, which stretches onto it unchanged.
    virtual SharedPicture LoadStretched(PictureName name, int width, int height) const {
        (void)width;
        (void)height;
        return Load(name);
    }
    // The colour table <folder>/<number>.cube of a grading look. Throws
    // "Cannot open file PATH: REASON" or the reader's "LUT file is not
    // valid: REASON — PATH".
    virtual SharedGrade LoadGrade(PictureName name) const = 0;
};

struct RenderContext {
    // Set only while a "Change Color" re-render runs.
    bool changeColorMode = false;
    ColorChooser* colorChooser = nullptr;
    const PictureSource* pictures = nullptr;
};

}  // namespace corvessa
