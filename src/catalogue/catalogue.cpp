#include "catalogue/catalogue.h"

#include <cctype>
#include <new>
#include <string>

#include "routines/blend.h"
#include "routines/error.h"
#include "routines/line_art.h"
#include "routines/overlay.h"
#include "routines/painterly.h"
#include "routines/tints.h"

namespace corvessa {

namespace {

// --- Step vocabulary, so the tables below read like the recipes -----------

constexpr Step Call(Routine routine, int number = 0, Rgb colour = {}) {
    return Step{routine, {}, {}, number, colour};
}
constexpr Step CopySource() { return Call(Routine::kCopySource); }
constexpr Step Gray() { return Call(Routine::kGrayscale); }
constexpr Step Overlay(std::string_view strip, std::string_view fullSize, int number) {
    return Step{Routine::kOverlayPicture, strip, fullSize, number, {}};
}
constexpr Step Overlay(std::string_view folder, int number) { return Overlay(folder, folder, number); }
constexpr Step Mask(std::string_view strip, std::string_view fullSize, int number, Rgb fill) {
    return {Routine::kMaskOverlay, strip, fullSize, number, fill};
}
constexpr Step Mask(std::string_view folder, int number, Rgb fill) { return Mask(folder, folder, number, fill); }
constexpr Step Burn(Rgb colour) { return Call(Routine::kColorBurnTint, 0, colour); }
constexpr Step Quad() { return Call(Routine::kQuadColorTint); }
constexpr Step MaskTint(Rgb colour) { return Call(Routine::kColorMaskTint, 0, colour); }
constexpr Step PictureTint(int mode, Rgb colour) { return Call(Routine::kPictureColorTint, mode, colour); }
constexpr Step Sketch(int mode) { return Call(Routine::kSketchBlend, mode); }
constexpr Step Contrast() { return Call(Routine::kContrastCurve); }
constexpr Step MosaicPaint() { return Call(Routine::kMosaicPainting); }
constexpr Step Pencil() { return Call(Routine::kPencilSketch); }
constexpr Step Line(int n) { return Call(Routine::kLinePattern, n); }

constexpr Recipe Steps(Step a, Step b = {}, Step c = {}, Step d = {}) { return Recipe{{a, b, c, d}}; }

constexpr Rgb kPaleGreen{185, 255, 185};
constexpr Rgb kPaleYellow{255, 255, 128};
constexpr Rgb kCyan{85, 255, 255};
constexpr Rgb kOrange{255, 153, 104};
constexpr Rgb kViolet{193, 132, 255};
constexpr Rgb kGreyishYellow{192, 192, 129};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kYellow{255, 255, 0};

constexpr auto kShow = ButtonChange::kShow;
constexpr auto kHide = ButtonChange::kHide;

// Colour (8). Every recipe works on R holding a fresh copy of S, which the
// strip and the dispatcher provide. The strip skips the fresh copy after 7
// (8 writes all of R from S) and after 10 (the last).
struct ColourEffect {
    Recipe recipe;
    ButtonChange buttonAfterFullSize;
    bool freshCopyAfter;
};
constexpr std::array<ColourEffect, kEffectCount> kColourEffects{{
    {Steps(Burn(kPaleGreen)), kShow, true},
    {Steps(Burn(kPaleYellow)), kShow, true},
    {Steps(Burn(kCyan)), kShow, true},
    {Steps(Burn(kOrange)), kShow, true},
    {Steps(Burn(kViolet)), kShow, true},
    {Steps(Quad()), kHide, true},
    {Steps(Gray(), Burn(kGreyishYellow)), kShow, false},
    {Steps(MaskTint(kRed)), kShow, true},
    {Steps(PictureTint(1, kGreen)), kShow, true},
    {Steps(PictureTint(2, kGreen)), kShow, false},
}};

// Art (15). Every recipe writes all of R from S.
struct ArtEffect {
    Recipe recipe;
    ButtonChange buttonAfterFullSize;
};
constexpr std::array<ArtEffect, kEffectCount> kArtEffects{{
    {Steps(Sketch(1)), kHide},
    {Steps(Sketch(2)), kHide},
    {Steps(Sketch(3)), kHide},
    {Steps(Sketch(4)), kHide},
    {Steps(Sketch(5)), kHide},
    {Steps(Sketch(6)), kHide},
    {Steps(Sketch(7)), kHide},
    {Steps(Contrast()), kHide},
    {Steps(MosaicPaint()), kHide},
    {Steps(Pencil()), kShow},
}};

// Preset (16): chains of other categories' steps; folders exactly as spelled
// here ("Gradient" blends in overlay mode like "gradient").
constexpr std::array<Recipe, kEffectCount> kPresetEffects{{
    Steps(Overlay("LightA", 2), Overlay("Amazing", 1), Mask("EdgeA", "Edgea", 9, kWhite)),
    Steps(Overlay("weather", 8), Overlay("Gradient", 10)),
    Steps(Overlay("gradient", 1), Overlay("weather", 1)),
    Steps(CopySource(), Gray(), Burn(kGreen), Overlay("texture", 8)),
    Steps(Sketch(3), Overlay("amazing", 10)),
    Steps(MaskTint(kRed), Overlay("texture", 6)),
    Steps(CopySource(), Gray(), Burn(kGreyishYellow), Overlay("lightB", 5)),
    Steps(Overlay("dreamA", 1), PictureTint(1, kMagenta)),
    Steps(Overlay("dreamb", 1), Mask("EdgeA", 1, kYellow)),
    Steps(Overlay("LightA", 10), Overlay("star", 5)),
}};

bool ReadsSource(Routine routine) {
    switch (routine) {
    case Routine::kCopySource:
    case Routine::kOverlayPicture:
    case Routine::kMaskOverlay:
    case Routine::kColorMaskTint:
    case Routine::kSketchBlend:
    case Routine::kContrastCurve:
    case Routine::kMosaicPainting:
    case Routine::kPencilSketch:
    case Routine::kLinePattern:
        return true;
    default:
        return false;
    }
}

enum class Stage { kStrip, kFullSize };

void RunStep(const Step& step, Stage stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
    const std::string folder(stage == Stage::kStrip ? step.stripFolder : step.fullSizeFolder);
    const std::string number = std::to_string(step.number);
    switch (step.routine) {
    case Routine::kNone: return;
    case Routine::kCopySource: return r.CopyFrom(src);
    case Routine::kGrayscale: return Grayscale(r);
    case Routine::kOverlayPicture: return OverlayPicture(src, r, folder, number, ctx);
    case Routine::kMaskOverlay: return MaskOverlay(src, r, folder, number, step.colour, ctx);
    case Routine::kColorBurnTint: return ColorBurnTint(r, step.colour, ctx);
    case Routine::kQuadColorTint: return QuadColorTint(r);
    case Routine::kColorMaskTint: return ColorMaskTint(src, r, step.colour, ctx);
    case Routine::kPictureColorTint: return PictureColorTint(r, step.number, step.colour, ctx);
    case Routine::kSketchBlend: return SketchBlend(src, r, step.number, ctx);
    case Routine::kContrastCurve: return ContrastCurve(src, r);
    case Routine::kMosaicPainting: return MosaicPainting(src, r, ctx);
    case Routine::kPencilSketch: return PencilSketch(src, r, ctx);
    case Routine::kLinePattern: return LinePattern(src, r, step.number, ctx);
    }
}

bool IsEffect(int n) { return n >= 1 && n <= kEffectCount; }

// Runs `recipe` from `source` into `result`; `scratch` is T, the copy of R
// that steps after the first read.
void RunRecipe(const Recipe& recipe, Stage stage, const TBitmap& source, TBitmap& result, TBitmap& scratch,
               const RenderContext& ctx) {
    bool resultWritten = false;
    for (const Step& step : recipe.steps) {
        if (step.routine == Routine::kNone) break;
        // Pixel buffers report a lack of memory themselves; the routines'
        // smaller scratch arrays fail with bad_alloc, which the user would
        // meet as a meaningless message.
        try {
            if (ReadsSource(step.routine) && resultWritten) {
                // T must hold what R holds. Every step that reads a source
                // writes all of R, so T takes R's pixels instead of a copy of
                // them; a step that fails (they load their pictures before
                // touching R) hands them back.
                scratch.SwapPixels(result);
                try {
                    RunStep(step, stage, scratch, result, ctx);
                } catch (...) {
                    result.SwapPixels(scratch);
                    throw;
                }
            } else {
                RunStep(step, stage, source, result, ctx);
            }
        } catch (const std::bad_alloc&) {
            throw NotEnoughMemory();
        }
        resultWritten = true;
    }
}

}  // namespace

const Category* FindCategory(int number) {
    if (number < 1 || number > kCategoryCount) return nullptr;
    return &kCategories[size_t(number - 1)];
}

const Category* FindCategoryByCaption(std::string_view caption) {
    const auto squeeze = [](std::string_view text) {
        std::string out;
        for (unsigned char ch : text)
            if (ch != ' ') out += char(std::tolower(ch));
        return out;
    };
    const std::string wanted = squeeze(caption);
    for (const Category& category : kCategories)
        if (squeeze(category.caption) == wanted) return &category;
    return nullptr;
}

Recipe EffectRecipe(int category, int n) {
    const Category* c = FindCategory(category);
    if (!c || !IsEffect(n)) return {};
    const size_t i = size_t(n - 1);
    switch (c->fill) {
    case StripFill::kOverlay: return Steps(Overlay(c->stripFolder, c->fullSizeFolder, n));
    case StripFill::kEdge: return Steps(Mask(c->stripFolder, c->fullSizeFolder, n, kWhite));
    case StripFill::kColour: return kColourEffects[i].recipe;
    case StripFill::kArt: return kArtEffects[i].recipe;
    case StripFill::kPreset: return kPresetEffects[i];
    case StripFill::kLine: return Steps(Line(n));
    }
    return {};
}

std::vector<PictureName> FullSizePictures(int category, int n) {
    std::vector<PictureName> pictures;
    for (const Step& step : EffectRecipe(category, n).steps) {
        const std::string number = std::to_string(step.number);
        switch (step.routine) {
        case Routine::kOverlayPicture:
        case Routine::kMaskOverlay: pictures.push_back({std::string(step.fullSizeFolder), number}); break;
        case Routine::kColorMaskTint: pictures.push_back({"color", "2"}); break;
        case Routine::kPictureColorTint: pictures.push_back({"color", "1"}); break;
        case Routine::kLinePattern: pictures.push_back({"line", number}); break;
        default: break;
        }
    }
    return pictures;
}

ButtonChange FullSizeButton(int category, int n) {
    const Category* c = FindCategory(category);
    if (!c || !IsEffect(n)) return ButtonChange::kKeep;
    if (c->fill == StripFill::kColour) return kColourEffects[size_t(n - 1)].buttonAfterFullSize;
    if (c->fill == StripFill::kArt) return kArtEffects[size_t(n - 1)].buttonAfterFullSize;
    return ButtonChange::kKeep;
}

void RenderStrip(int category, const TBitmap& workPhoto, TBitmap& thumbPhoto, TBitmap& resultPhoto,
                 const RenderContext& ctx, StripView& view) {
    const Category* c = FindCategory(category);
    if (!c) return;
    if (c->stripButton == StripButton::kShownBefore) view.SetChangeColorButton(true);

    if (thumbPhoto.Empty()) thumbPhoto.SetSize(kThumbSide, kThumbSide);
    thumbPhoto.StretchDraw(workPhoto);

    if (c->stripButton == StripButton::kHiddenBefore) view.SetChangeColorButton(false);

    const bool colour = c->fill == StripFill::kColour;
    // T of the Preset chains: made once for the strip, copied between steps.
    TBitmap scratch;
    if (colour) resultPhoto.CopyFrom(thumbPhoto);
    for (int n = 1; n <= kEffectCount; ++n) {
        RunRecipe(EffectRecipe(category, n), Stage::kStrip, thumbPhoto, resultPhoto, scratch, ctx);
        // The Art strip shows its ten thumbnails together when it is done.
        view.ThumbnailDone(n, resultPhoto, c->fill != StripFill::kArt);
        if (colour && kColourEffects[size_t(n - 1)].freshCopyAfter) resultPhoto.CopyFrom(thumbPhoto);
    }

    if (c->stripButton == StripButton::kShownAfter) view.SetChangeColorButton(true);
    if (c->stripButton == StripButton::kHiddenAfter) view.SetChangeColorButton(false);
}

ButtonChange ImgViewClick(int effect, int category, const TBitmap& workPhoto, TBitmap& resultPhoto,
                          const RenderContext& ctx) {
    const Category* c = FindCategory(category);
    if (!c || !IsEffect(effect)) return ButtonChange::kKeep;
    if (c->fill == StripFill::kColour) resultPhoto.CopyFrom(workPhoto);
    TBitmap scratch;
    RunRecipe(EffectRecipe(category, effect), Stage::kFullSize, workPhoto, resultPhoto, scratch, ctx);
    return FullSizeButton(category, effect);
}

}  // namespace corvessa
