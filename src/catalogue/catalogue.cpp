#include "catalogue/catalogue.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <new>
#include <stdexcept>
#include <string>

#include "ground/blend_rows.h"
#include "ground/error.h"
#include "ground/stop.h"
#include "looks/cube_lut.h"
#include "looks/line_art.h"
#include "looks/overlay.h"
#include "looks/painterly.h"
#include "looks/tints.h"

namespace corvessa {

namespace {

// --- Step vocabulary, so the tables below read like the recipes -----------

constexpr Step Call(Routine routine, int number = 0, Rgb colour = {}) {
    return Step{routine, {}, {}, number, colour};
}
constexpr Step CopySource() { return Call(Routine::kCopySource); }
constexpr Step Gray() { return Call(Routine::kGrayscale); }
constexpr Step Overlay(std::string_view strip, std::string_view fullSize, int number, OverlayBlend blend) {
    return Step{Routine::kOverlayPicture, strip, fullSize, number, {}, blend};
}
// A picture screened onto the photo, and one overlaid on it.
constexpr Step Screen(std::string_view folder, int number) {
    return Overlay(folder, folder, number, OverlayBlend::kScreen);
}
constexpr Step Overlaid(std::string_view folder, int number) {
    return Overlay(folder, folder, number, OverlayBlend::kOverlay);
}
constexpr Step Mask(std::string_view strip, std::string_view fullSize, int number, Rgb fill) {
    return {Routine::kMaskOverlay, strip, fullSize, number, fill, {}};
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
constexpr Step Grade(std::string_view folder, int n) { return Step{Routine::kColourGrade, folder, folder, n, {}, {}}; }

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

// Preset (16): chains of other categories' steps, with their folders
// exactly as spelled here; gradients and textures are overlaid, the other
// pictures screened, as in their own categories.
constexpr std::array<Recipe, kEffectCount> kPresetEffects{{
    Steps(Screen("LightA", 2), Screen("Amazing", 1), Mask("EdgeA", "Edgea", 9, kWhite)),
    Steps(Screen("weather", 8), Overlaid("Gradient", 10)),
    Steps(Overlaid("gradient", 1), Screen("weather", 1)),
    Steps(CopySource(), Gray(), Burn(kGreen), Overlaid("texture", 8)),
    Steps(Sketch(3), Screen("amazing", 10)),
    Steps(MaskTint(kRed), Overlaid("texture", 6)),
    Steps(CopySource(), Gray(), Burn(kGreyishYellow), Screen("lightB", 5)),
    Steps(Screen("dreamA", 1), PictureTint(1, kMagenta)),
    Steps(Screen("dreamb", 1), Mask("EdgeA", 1, kYellow)),
    Steps(Screen("LightA", 10), Screen("star", 5)),
}};

// --- The routines recipes are made of ---------------------------------------

std::string_view FolderAt(const Step& step, Stage stage) {
    return stage == Stage::kStrip ? step.stripFolder : step.fullSizeFolder;
}

using StepPictureFn = std::optional<PictureName> (*)(const Step&, Stage);
using RunFn = void (*)(const Step&, Stage, const TBitmap& src, TBitmap& r, const RenderContext&);

constexpr StepPictureFn kNoPicture = [](const Step&, Stage) { return std::optional<PictureName>(); };
constexpr StepPictureFn kStepFolder = [](const Step& step, Stage stage) {
    return std::optional<PictureName>(PictureName{FolderAt(step, stage), step.number});
};

struct RoutineEntry {
    Routine routine;
    bool readsSource;    // reads S (or T), and writes all of R
    bool asksForColour;  // in Change Color mode
    StepPictureFn picture;
    RunFn run;
};

// One row per routine, in the order of the enumeration.
constexpr RoutineEntry kRoutines[] = {
    {Routine::kNone, false, false, kNoPicture, [](const Step&, Stage, const TBitmap&, TBitmap&, const RenderContext&) {}},
    {Routine::kCopySource, true, false, kNoPicture,
     [](const Step&, Stage, const TBitmap& src, TBitmap& r, const RenderContext&) { r.CopyFrom(src); }},
    {Routine::kGrayscale, false, false, kNoPicture,
     [](const Step&, Stage, const TBitmap&, TBitmap& r, const RenderContext&) { Grayscale(r); }},
    {Routine::kOverlayPicture, true, true, kStepFolder,
     [](const Step& step, Stage stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
         OverlayPicture(src, r, {FolderAt(step, stage), step.number}, step.blend, ctx);
     }},
    {Routine::kMaskOverlay, true, true, kStepFolder,
     [](const Step& step, Stage stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
         MaskOverlay(src, r, {FolderAt(step, stage), step.number}, step.colour, ctx);
     }},
    {Routine::kColorBurnTint, false, true, kNoPicture,
     [](const Step& step, Stage, const TBitmap&, TBitmap& r, const RenderContext& ctx) {
         ColorBurnTint(r, step.colour, ctx);
     }},
    {Routine::kQuadColorTint, false, false, kNoPicture,
     [](const Step&, Stage, const TBitmap&, TBitmap& r, const RenderContext&) { QuadColorTint(r); }},
    {Routine::kColorMaskTint, true, true,
     [](const Step&, Stage) { return std::optional<PictureName>(kColorMaskTintMask); },
     [](const Step& step, Stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
         ColorMaskTint(src, r, step.colour, ctx);
     }},
    {Routine::kPictureColorTint, false, true,
     [](const Step&, Stage) { return std::optional<PictureName>(kPictureColorTintMask); },
     [](const Step& step, Stage, const TBitmap&, TBitmap& r, const RenderContext& ctx) {
         PictureColorTint(r, step.number, step.colour, ctx);
     }},
    {Routine::kSketchBlend, true, false, kNoPicture,
     [](const Step& step, Stage, const TBitmap& src, TBitmap& r, const RenderContext&) {
         SketchBlend(src, r, step.number);
     }},
    {Routine::kContrastCurve, true, false, kNoPicture,
     [](const Step&, Stage, const TBitmap& src, TBitmap& r, const RenderContext&) { ContrastCurve(src, r); }},
    {Routine::kMosaicPainting, true, false, kNoPicture,
     [](const Step&, Stage, const TBitmap& src, TBitmap& r, const RenderContext&) { MosaicPainting(src, r); }},
    {Routine::kPencilSketch, true, true, kNoPicture,
     [](const Step&, Stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) { PencilSketch(src, r, ctx); }},
    {Routine::kLinePattern, true, true,
     [](const Step& step, Stage) { return std::optional<PictureName>(LinePatternPicture(step.number)); },
     [](const Step& step, Stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
         LinePattern(src, r, step.number, ctx);
     }},
    {Routine::kColourGrade, true, false, kNoPicture,
     [](const Step& step, Stage stage, const TBitmap& src, TBitmap& r, const RenderContext& ctx) {
         const SharedGrade grade = ctx.pictures->LoadGrade({FolderAt(step, stage), step.number});
         grade->Apply(src, r);
     }},
};

constexpr bool RoutinesInOrder() {
    for (size_t i = 0; i < std::size(kRoutines); ++i)
        if (size_t(kRoutines[i].routine) != i) return false;
    return std::size(kRoutines) == size_t(Routine::kColourGrade) + 1;
}
static_assert(RoutinesInOrder(), "kRoutines has one row per Routine, in order");

const RoutineEntry& EntryOf(Routine routine) { return kRoutines[size_t(routine)]; }

bool IsEffect(int n) { return n >= 1 && n <= kEffectCount; }

// Runs `recipe` from `source` into `result`; `scratch` is T, the copy of R
// that steps after the first read.
void RunRecipe(const Recipe& recipe, Stage stage, const TBitmap& source, TBitmap& result, TBitmap& scratch,
               const RenderContext& ctx) {
    bool resultWritten = false;
    for (const Step& step : recipe.steps) {
        if (step.routine == Routine::kNone) break;
        ThrowIfStopped();
        // Pixel buffers report a lack of memory themselves; the routines'
        // smaller scratch arrays fail with bad_alloc, which the user would
        // meet as a meaningless message.
        const RoutineEntry& routine = EntryOf(step.routine);
        try {
            if (routine.readsSource && resultWritten) {
                // T must hold what R holds. Every step that reads a source
                // writes all of R, so T takes R's pixels instead of a copy of
                // them; a step that fails (they load their pictures before
                // touching R) hands them back.
                scratch.SwapPixels(result);
                try {
                    routine.run(step, stage, scratch, result, ctx);
                } catch (...) {
                    result.SwapPixels(scratch);
                    throw;
                }
            } else {
                routine.run(step, stage, source, result, ctx);
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

std::string LookTitle(int category, int effect) {
    const Category* c = FindCategory(category);
    if (!c || !IsEffect(effect)) return "";
    return std::string(c->caption) + " " + std::to_string(effect) + ", " + std::string(c->lookNames[size_t(effect - 1)]);
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
    case StripFill::kOverlay: return Steps(Overlay(c->stripFolder, c->fullSizeFolder, n, c->blend));
    case StripFill::kEdge: return Steps(Mask(c->stripFolder, c->fullSizeFolder, n, kWhite));
    case StripFill::kColour: return kColourEffects[i].recipe;
    case StripFill::kArt: return kArtEffects[i].recipe;
    case StripFill::kPreset: return kPresetEffects[i];
    case StripFill::kLine: return Steps(Line(n));
    case StripFill::kGrade: return Steps(Grade(c->fullSizeFolder, n));
    }
    return {};
}

std::optional<PictureName> StepPicture(const Step& step, Stage stage) { return EntryOf(step.routine).picture(step, stage); }

std::vector<PictureName> RecipePictures(int category, int n, Stage stage) {
    std::vector<PictureName> pictures;
    for (const Step& step : EffectRecipe(category, n).steps)
        if (const std::optional<PictureName> picture = StepPicture(step, stage)) pictures.push_back(*picture);
    return pictures;
}

bool RecipeAsksForColour(int category, int n) {
    for (const Step& step : EffectRecipe(category, n).steps)
        if (EntryOf(step.routine).asksForColour) return true;
    return false;
}

std::vector<FolderUse> CatalogueFolders() {
    std::vector<FolderUse> folders;
    const auto useOf = [](const Step& step) {
        switch (step.routine) {
        case Routine::kOverlayPicture:
            return step.blend == OverlayBlend::kOverlay ? PictureUse::kOverlay : PictureUse::kScreen;
        case Routine::kMaskOverlay: return PictureUse::kEdgeMask;
        case Routine::kLinePattern: return PictureUse::kLineTile;
        default: return PictureUse::kTintMask;
        }
    };
    for (int category = 1; category <= kCategoryCount; ++category)
        for (int n = 1; n <= kEffectCount; ++n)
            for (const Step& step : EffectRecipe(category, n).steps)
                for (Stage stage : {Stage::kStrip, Stage::kFullSize}) {
                    const std::optional<PictureName> picture = StepPicture(step, stage);
                    if (!picture) continue;
                    std::string folder;
                    for (unsigned char ch : picture->folder) folder += char(std::tolower(ch));
                    auto it = std::find_if(folders.begin(), folders.end(),
                                           [&](const FolderUse& f) { return f.folder == folder; });
                    if (it == folders.end()) {
                        folders.push_back({folder, picture->number, useOf(step)});
                    } else {
                        if (it->use != useOf(step)) throw std::logic_error("folder " + folder + " is used two ways");
                        it->count = std::max(it->count, picture->number);
                    }
                }
    return folders;
}

std::vector<PictureName> CatalogueGrades() {
    std::vector<PictureName> grades;
    for (int category = 1; category <= kCategoryCount; ++category)
        for (int n = 1; n <= kEffectCount; ++n)
            for (const Step& step : EffectRecipe(category, n).steps) {
                const PictureName grade{step.fullSizeFolder, step.number};
                if (step.routine == Routine::kColourGrade && std::find(grades.begin(), grades.end(), grade) == grades.end())
                    grades.push_back(grade);
            }
    return grades;
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
