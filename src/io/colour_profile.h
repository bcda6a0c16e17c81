#pragma once
// Colour profiles through Little CMS: the colours a photo's values mean,
// kept with the photo from the file it came from and written back into the
// files saved from it, and the conversions made from them: to sRGB when
// the user asks for it (Export), and to the display's profile for painting.
// The looks work on the photo's own values; nothing here changes a photo
// unless called on it. No Qt.
//
// Conversions use the perceptual intent. The profiles of cameras, phones
// and editors (Adobe RGB, Display P3, ProPhoto) are matrices and curves, of
// which Little CMS maps every intent colorimetrically: colours outside the
// target are clipped, as every viewer clips them. A profile that carries a
// perceptual table (a printer's CMYK) then brings its colours into the
// target the way its maker meant, rather than clipping them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// Red, green and blue primaries and the white point, as CIE xy.
struct Chromaticities {
    double rx, ry, gx, gy, bx, by, wx, wy;
};

// How values are coded from linear light.
struct ToneCurve {
    enum Kind : uint8_t { kSrgb, kBt709, kLinear, kGamma } kind = kSrgb;
    double gamma = 1;  // kGamma: value = light^(1/gamma)
};

// The colour description of a HEIF or AVIF file (its nclx box), in the
// code points of ITU-T H.273; 2 is "unspecified".
struct ColourDescription {
    uint16_t primaries = 2, transfer = 2, matrix = 2;
    bool fullRange = true;
    friend bool operator==(const ColourDescription&, const ColourDescription&) = default;
};

class ColourTransform;

// The colours of a photo's values: an ICC profile, or sRGB for a photo
// whose file names none. Cheap to copy; the transforms made from it are
// kept with it.
class ColourProfile {
public:
    // sRGB, without a profile of its own.
    ColourProfile() = default;

    // The profile of `icc`: one whose size is the size its header declares,
    // which Little CMS opens, of RGB, grey or CMYK colour. Anything else
    // (cut short, corrupt, another colour space) gives sRGB.
    static ColourProfile FromIcc(const uint8_t* icc, size_t size);
    static ColourProfile FromIcc(const std::vector<uint8_t>& icc) { return FromIcc(icc.data(), icc.size()); }
    // An RGB profile of `primaries` and `curve`, named `name`.
    static ColourProfile Made(const Chromaticities& primaries, const ToneCurve& curve, const std::string& name);
    // The profile of a HEIF colour description; sRGB for one unspecified
    // or sRGB's own, and for one a display profile cannot express (the PQ
    // and HLG curves of HDR video).
    static ColourProfile FromDescription(const ColourDescription& description);
    // Display P3 (P3 primaries, D65 white, sRGB's curve), as phones tag
    // their photos.
    static ColourProfile DisplayP3();

    // No profile at all, or one whose colours are sRGB's (every value
    // within half a step of 8 bits): nothing to convert.
    bool IsSrgb() const;
    // An RGB profile (photos are RGB: only such a profile can describe
    // their values or be written with them).
    bool IsRgb() const;
    bool IsCmyk() const;
    // The ICC bytes, to be written into a saved file; none for sRGB
    // without a profile.
    const std::vector<uint8_t>& Icc() const;
    // The profile's description ("Adobe RGB (1998)"), "sRGB" without one.
    std::string Name() const;

    struct State;

private:
    friend std::shared_ptr<const ColourTransform> MakeTransform(const ColourProfile&, const ColourProfile&, int);
    std::shared_ptr<State> state_;
};

// The profile of `icc` when it can describe a photo's values (a whole RGB
// profile, as FromIcc takes it), else sRGB: what a photo keeps of the
// profile its file carries.
ColourProfile KeptProfile(const uint8_t* icc, size_t size);
inline ColourProfile KeptProfile(const std::vector<uint8_t>& icc) { return KeptProfile(icc.data(), icc.size()); }

// A conversion of rows of 8-bit pixels from one profile to another, made
// once and used from any number of threads.
class ColourTransform {
public:
    // The pixel layouts a transform reads: our blue, green, red; CMYK
    // (Adobe's inverted form, 0 for full ink, or the plain one); red,
    // green, blue (and alpha, passed over) as floating point.
    enum Input : int { kBgr, kCmyk, kInvertedCmyk, kRgbFloat, kRgbaFloat };

    explicit ColourTransform(void* transform, Input input) : transform_(transform), input_(input) {}
    ~ColourTransform();
    ColourTransform(const ColourTransform&) = delete;
    ColourTransform& operator=(const ColourTransform&) = delete;

    // `width` pixels of `in` (of the input's layout) into `out`
    // (blue, green, red); `in` may be `out` for a BGR input.
    void ConvertRow(const uint8_t* in, uint8_t* out, int width) const;
    // Every row of `picture`, on all cores.
    void Convert(TBitmap& picture) const;
    Input InputLayout() const { return input_; }

private:
    void* transform_;
    Input input_;
};

// The conversion of values in `from` to values in `to`, kept with `from`
// for the next call with the same `to`; null when the values need none
// (the same profile, or two sRGB ones). `input` as ColourTransform's.
// Throws NotEnoughMemory when Little CMS cannot make it.
std::shared_ptr<const ColourTransform> MakeTransform(const ColourProfile& from, const ColourProfile& to,
                                                     int input = ColourTransform::kBgr);

// What painting a photo of `photo`'s colours on a display of `display`'s
// takes: null for nothing (an sRGB photo on an sRGB display, or a photo in
// the display's own profile). A pure function of the two, its transform
// made once per pair.
inline std::shared_ptr<const ColourTransform> DisplayTransform(const ColourProfile& photo,
                                                               const ColourProfile& display) {
    return MakeTransform(photo, display);
}

// Converts `picture`, whose values mean the colours of `profile`, to sRGB
// in place, on all cores; nothing for an sRGB profile.
void ConvertToSrgb(TBitmap& picture, const ColourProfile& profile);

}  // namespace corvessa
