#pragma once
// A render as one self-contained value: what it renders from, what it
// renders, the colour decided for it, and its own generator and effect
// component. The window, the command-line renderer and a batch all render
// through these, so the same look gives the same bytes everywhere, and a
// job never borrows the window's objects: it can run on any thread, beside
// other jobs, as long as its picture source is shared safely.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "catalogue/catalogue.h"
#include "effectimage/effect_image.h"
#include "faces/faces.h"
#include "ground/bitmap.h"
#include "ground/random.h"
#include "ground/strength.h"
#include "looks/render_context.h"
#include "io/user_looks.h"

namespace corvessa {

// Effect `effect` (1..10) of category `category` (1..16).
struct Look {
    int category = 0;
    int effect = 0;
};

// One effect of the component with its arguments.
struct FilterCall {
    const EffectEntry* effect = nullptr;
    std::vector<int> arguments;  // one per parameter
};

// What the user answered when asked for a colour for a "Change Color"
// re-render, or that nobody asked (a plain render).
struct ColourDecision {
    enum class Kind { kNotAsked, kChosen, kCancelled };
    Kind kind = Kind::kNotAsked;
    Rgb colour{};

    static ColourDecision NotAsked() { return {}; }
    static ColourDecision Chosen(Rgb colour) { return {Kind::kChosen, colour}; }
    static ColourDecision Cancelled() { return {Kind::kCancelled, {}}; }
};

struct RenderResult {
    // Its fill colour is the one the render left set on it.
    TBitmap picture;
    ButtonChange button = ButtonChange::kKeep;
};

class RenderJob {
public:
    // A look of the catalogue, rendered at full size from `source` with the
    // pictures of `pictures` (which must outlive the job).
    RenderJob(std::shared_ptr<const TBitmap> source, Look look, const PictureSource& pictures);
    // One of the component's effects on `source`; its noise comes from a
    // generator seeded with `seed`.
    RenderJob(TBitmap source, FilterCall filter, uint32_t seed);
    // One of the user's tables on `source`: its colours through the table,
    // nothing asked. A look without a table fails with its reason.
    RenderJob(std::shared_ptr<const TBitmap> source, UserLook look);
    // The same on a photo the job may take: at full strength the table is
    // applied in its pixels, so no second picture's memory is needed.
    RenderJob(TBitmap source, UserLook look);
    RenderJob(const RenderJob&) = delete;
    RenderJob& operator=(const RenderJob&) = delete;

    // Whether the look asks for a colour in a "Change Color" re-render;
    // only then is a decision other than NotAsked used.
    bool AsksForColour() const;
    void DecideColour(ColourDecision decision) { colour_ = decision; }
    // The fill colour last set on the buffer the result replaces: a mask or
    // line look whose colour dialog was cancelled fills with it.
    void SetResultFill(Rgb fill) { resultFill_ = fill; }
    // A look at less than full strength (0..100) is mixed with its source
    // (MixByStrength); 100, the look itself, unless said otherwise.
    void SetStrength(int strength) { strength_ = strength; }
    // "Keep faces clear": the faces of the source photo, over which a look
    // is taken back toward the photo before any strength mix. Null (the
    // default) leaves every byte as the look makes it.
    void SetFaces(std::shared_ptr<PhotoFaces> faces) { faces_ = std::move(faces); }

    // Decodes the pictures the look reads, so that a missing one fails
    // before the user is asked for a colour. Run does it when nobody has.
    // Throws what loading throws.
    void LoadPictures();
    // The rendered picture and what it does with the "Change Color"
    // button. A job runs once.
    RenderResult Run();

private:
    class LoadedPictures;

    RenderResult RunLook(const Look& look);
    RenderResult RunFilter(const FilterCall& filter);
    RenderResult RunUserLook(const UserLook& look);

    std::shared_ptr<const TBitmap> source_;
    std::variant<Look, FilterCall, UserLook> what_;
    TBitmap ownSource_;  // the photo a user look may take
    const PictureSource* pictures_ = nullptr;
    std::vector<std::pair<PictureName, SharedPicture>> loaded_;
    bool picturesLoaded_ = false;
    ColourDecision colour_;
    Rgb resultFill_ = kWhite;
    int strength_ = kFullStrength;
    std::shared_ptr<PhotoFaces> faces_;
    RandomGenerator random_;
    TProEffectImage effect_{random_};
};

// `photo` scaled to fit a box of side x side keeping its shape (the longer
// side becomes `side`): shrunk by area averaging, each pixel the mean of the
// photo's pixels it covers; grown by repeating the nearest pixel.
TBitmap ScaleToFit(const TBitmap& photo, int side);

// The sides large thumbnails may have.
inline constexpr int kLargeThumbMin = 16;
inline constexpr int kLargeThumbMax = 1024;

// A category's strip as one value, like a RenderJob: the ten thumbnails of
// `category` from a 105 x 105 copy of the working photo, or, when large,
// each look's full-size render of the photo scaled to fit the large side.
class StripJob {
public:
    StripJob(std::shared_ptr<const TBitmap> work, int category, const PictureSource& pictures);
    // Large thumbnails of `side` (kLargeThumbMin..kLargeThumbMax, clamped);
    // 0 for the 105 x 105 strip.
    void SetLargeSide(int side) { largeSide_ = side > 0 ? std::clamp(side, kLargeThumbMin, kLargeThumbMax) : 0; }
    int LargeSide() const { return largeSide_; }
    // The working photo's faces, kept clear in every thumbnail as a
    // full-size render keeps them (see RenderJob::SetFaces).
    void SetFaces(std::shared_ptr<PhotoFaces> faces) { faces_ = std::move(faces); }

    // Renders the thumbnails one by one, handing each to `view`, and sets
    // the Change Color button as the category's rule says. A failing
    // thumbnail throws; the ones before it have been delivered.
    void Run(StripView& view);
    // The thumbnail photo the strip was rendered from.
    const TBitmap& ThumbPhoto() const { return thumb_; }
    // The last render's buffer, holding the tenth thumbnail once Run ends.
    TBitmap TakeResult() { return std::move(result_); }

private:
    void RunLarge(StripView& view);

    std::shared_ptr<const TBitmap> work_;
    int category_;
    int largeSide_ = 0;
    std::shared_ptr<PhotoFaces> faces_;
    const PictureSource& pictures_;
    TBitmap thumb_, result_;
};

}  // namespace corvessa
