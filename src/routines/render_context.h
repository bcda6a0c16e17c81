#pragma once
// What a photo effect routine may read of the program around it, handed
// over explicitly: whether the user asked for a re-render with a colour of
// their choice, how to ask for that colour, where the program's pictures
// are, and the effect component used as a blur and mosaic filter.

#include <optional>
#include <string>

#include "routines/bitmap.h"

namespace corvessa {

class TProEffectImage;
class PictureCache;

// Asks the user for a colour. The window answers with its colour dialog;
// tests and the command-line renderer answer with fixed colours.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<Rgb> ChooseColor() = 0;
};

struct RenderContext {
    // Set only while a "Change Color" re-render runs.
    bool changeColorMode = false;
    ColorChooser* colorChooser = nullptr;
    // The program folder, ending with a separator; pictures are found
    // under appDir + "pic/".
    std::string appDir;
    TProEffectImage* effect = nullptr;
    // Decoded overlay pictures kept between renders; none means every
    // picture is decoded when it is used.
    PictureCache* pictures = nullptr;
};

}  // namespace corvessa
