#pragma once
// The effect catalogue: the seventeen categories, the recipe of each of their
// ten effects, the strip renderer that makes a category's ten thumbnails and
// the full-size dispatcher that renders one effect on the working photo.
//
// The window owns the buffers and the browser state and hands them in; the
// catalogue keeps nothing between calls.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"
#include "looks/overlay.h"
#include "looks/render_context.h"

namespace corvessa {

inline constexpr int kCategoryCount = 17;
inline constexpr int kEffectCount = 10;
// ThumbPhoto's size: that of a thumbnail view.
inline constexpr int kThumbSide = 105;

// Who fills a category's strip.
enum class StripFill {
    kOverlay,  // BtnLightClick: one overlay picture per thumbnail
    kEdge,     // EdgeClick: one mask picture per thumbnail
    kColour,   // the category's own sequences
    kArt,
    kPreset,
    kLine,
    kGrade,    // one colour table per thumbnail
};

// What a strip does with the preview's "Change Color" button, and when.
enum class StripButton {
    kShownAfter,   // shown once the tenth thumbnail is done
    kHiddenAfter,  // hidden once the tenth thumbnail is done
    kHiddenBefore, // hidden before the first thumbnail
    kShownBefore,  // shown before the first thumbnail
    kUnchanged,    // left alone; the full-size render sets it
};

struct Category {
    int number;
    std::string_view caption;  // the main window's button caption
    StripFill fill;
    // Overlay folders as the strip and the full-size render spell them
    // (empty for categories that name their pictures per effect). The
    // spellings differ in letter case only; pictures are found without
    // regard to case, so both reach the same folder.
    std::string_view stripFolder;
    std::string_view fullSizeFolder;
    // How an overlay category's pictures go onto the photo.
    OverlayBlend blend;
    StripButton stripButton;
    // What the user knows each of the ten looks by.
    std::array<std::string_view, kEffectCount> lookNames;
    // What the category's looks do, in one short sentence: the tooltip of
    // its button and of its entry in the batch dialog.
    std::string_view help;
    // The object name the window gives the category's button, and the name
    // of the handler it runs, for whoever reads the window's object tree.
    std::string_view buttonName;
    std::string_view handlerName;
};

// In the order of the category numbers 1..17.
inline constexpr std::array<Category, kCategoryCount> kCategories = [] {
    using Fill = StripFill;
    using Button = StripButton;
    constexpr auto kScreen = OverlayBlend::kScreen;
    constexpr auto kOverlay = OverlayBlend::kOverlay;
    return std::array<Category, kCategoryCount>{{
        // No caption     strip filled by strip folder full size   blend     Change Color
        //   the names of its ten looks, then what the category does, then its
        //   button's object name and handler in the window
        {1,   "Light A",  Fill::kOverlay, "lightA",    "lightA",   kScreen,  Button::kShownAfter,
         {"Amber Leak", "Corner Burn", "Edge Film Burn", "Twin Corner Leaks", "Warm Sweep",
          "Golden Rise", "Burn Hole", "Film Gate Streaks", "Peach Wash", "Ember Edges"},
         "Warm light leaks and film burns laid over the photo",
         "BtnLightA", "BtnLightAClick"},
        {2,   "Light B",  Fill::kOverlay, "lightB",    "lightB",   kScreen,  Button::kShownAfter,
         {"Blue Leak", "Prism Edge", "Cyan Flare", "Teal Violet Corners", "Anamorphic Streak",
          "Prism Fan", "Halo Flare", "Violet Pour", "Spectral Streaks", "Moonlit Haze"},
         "Cool flares, rainbow leaks and lens streaks laid over the photo",
         "BtnLightB", "BtnLightBClick"},
        {3,   "Light C",  Fill::kOverlay, "lightc",    "lightC",   kScreen,  Button::kShownAfter,
         {"Corner Sunbeams", "God Rays", "Golden Bokeh", "Side Bokeh", "Sunburst Corner",
          "Low Sun", "Corner Hexagons", "Amber Uplight", "Forest Shafts", "Low Bokeh"},
         "Sunbeams, rays and soft bokeh lights laid over the photo",
         "btnLightC", "btnLightCClick"},
        {4,   "Star",     Fill::kOverlay, "Star",      "star",     kScreen,  Button::kShownAfter,
         {"Blue Sky Glitter", "Golden Glints", "Star Haze Arc", "Blue Giants", "Rose Gold Trail",
          "Magic Dust", "Rainbow Corners", "Meteor Shower", "Glitter Frame", "Great Starburst"},
         "Stars, glints and sparkles scattered over the photo",
         "BtnStar", "ImgBtnStarClick"},
        {5,   "Amazing",  Fill::kOverlay, "amazing",   "Amazing",  kScreen,  Button::kShownAfter,
         {"Corner Fireworks", "Aurora Sky", "Summer Rainbow", "Low Light Trails", "Laser Show",
          "Golden Burst", "Passing Comet", "Sun Halo", "Light Painting", "Cosmic Nebula"},
         "Fireworks, northern lights, rainbows and other wonders in the sky",
         "btnAmazing", "btnAmazingClick"},
        {6,   "Weather",  Fill::kOverlay, "weather",   "weather",  kScreen,  Button::kShownAfter,
         {"Light Rain", "Soft Snowfall", "Low Fog", "Heavy Downpour", "Lightning Strike",
          "Hail Shower", "Driving Blizzard", "Morning Mist", "Grey Drizzle", "Snow Crystals"},
         "Rain, snow, fog and lightning laid over the photo",
         "BtnWeather", "BtnWeatherClick"},
        {7,   "Gradient", Fill::kOverlay, "gradient",  "gradient", kOverlay, Button::kHiddenAfter,
         {"Warm To Cool", "Sunset Bands", "Teal Orange", "Warm Centre", "Rose To Blue",
          "Pastel Rainbow", "Cross Process", "Blue Night", "Golden Corner", "Green Purple"},
         "Colour gradients blended into the photo",
         "BtnGradient", "BtnGradientClick"},
        {8,   "Color",    Fill::kColour,  "",          "",         kScreen,  Button::kUnchanged,
         {"Mint Tint", "Lemon Tint", "Cyan Tint", "Orange Tint", "Violet Tint",
          "Pop Quadrants", "Olive Mono", "Crimson Veil", "Green Edges", "Green Mono"},
         "The photo tinted with one colour or several",
         "BtnColor", "ImgBtnColorClick"},
        {9,   "Texture",  Fill::kOverlay, "texture",   "texture",  kOverlay, Button::kHiddenAfter,
         {"Bright Paper", "Primed Canvas", "Film Grain", "Grunge Stains", "Raw Concrete",
          "Wood Grain", "Celadon Crackle", "Old Print", "Faded Denim", "Burnt Parchment"},
         "Paper, canvas, grain and other surfaces blended into the photo",
         "BtnTexture", "BtnTextureClick"},
        {10,  "Edge A",   Fill::kEdge,    "edgeA",     "EdgeA",    kScreen,  Button::kShownAfter,
         {"Frosted Margin", "Soft Oval", "Torn Paper", "Deckled Print", "Postage Stamp",
          "Sprocket Strip", "Brush Strokes", "Heart Shape", "Soft Circle", "Instant Photo"},
         "Margins and shaped frames around the photo",
         "BtnEadge", "BtnEadgeClick"},
        {11,  "Edge B",   Fill::kEdge,    "edgeB",     "EdgeB",    kScreen,  Button::kShownAfter,
         {"Cloud Frame", "Feathered Edge", "Lined Mat", "Grunge Spray", "Rounded Corners",
          "Lace Oval", "Arched Window", "Notepad Page", "Slide Mount", "Spray Splatter"},
         "More frames: clouds, lace, torn paper and slide mounts",
         "BtnEdge2", "ImgBtnEdge2Click"},
        {12,  "Dream A",  Fill::kOverlay, "dreamA",    "dreamA",   kScreen,  Button::kHiddenAfter,
         {"Pink Haze", "Floating Hearts", "Soap Bubbles", "Lavender Glitter", "Heart Bokeh",
          "Peach Bubbles", "Pastel Orbs", "White Dream", "Pastel Drift", "Falling Petals"},
         "Soft pastel haze, hearts and bubbles over the photo",
         "BtnDreamA", "BtnDreamAClick"},
        {13,  "Dream B",  Fill::kOverlay, "dreamB",    "dreamB",   kScreen,  Button::kHiddenAfter,
         {"Cotton Candy", "Corner Hearts", "Big Bubbles", "Golden Magic", "Pastel Clouds",
          "Violet Sparkle", "Fairy Light Heart", "Crescent Moon", "Sky Lanterns", "Rose Gold Dust"},
         "Candy colours, clouds and fairy lights over the photo",
         "btnDreamB", "btnDreamBClick"},
        {14,  "Line",     Fill::kLine,    "",          "",         kScreen,  Button::kShownBefore,
         {"Fine Rules", "Fine Columns", "Diagonal Hairlines", "Fine Grid", "Dot Screen",
          "Cross Hatch", "Wave Lines", "Brick Lines", "Halftone Corner", "Zigzag Rules"},
         "Line patterns drawn from the photo",
         "BtnLine", "BtnLineClick"},
        {15,  "Art",      Fill::kArt,     "",          "",         kScreen,  Button::kUnchanged,
         {"Soft Bloom", "Dark Bloom", "Misty Grey", "Muted Wash", "Deep Tones",
          "Bright Glow", "Coloured Pencil", "Strong Contrast", "Mosaic Tiles", "Pencil Sketch"},
         "Glows, washes, pencil drawings and mosaics made from the photo",
         "BtnArt", "ImgBtnArtClick"},
        {16,  "Preset",   Fill::kPreset,  "",          "",         kScreen,  Button::kHiddenBefore,
         {"Fireworks Circle", "Lilac Mist", "Rainy Day", "Night Vision", "Nebula Dream",
          "Rose Wood", "Old Film Flare", "Magenta Dream", "Yellow Frame", "Ember Stardust"},
         "Ready-made looks that mix several effects in one",
         "BtnPreset", "BtnPresetClick"},
        {17,  "Film",     Fill::kGrade,   "film",      "film",     kScreen,  Button::kHiddenBefore,
         {"Warm Print", "Cool Matte", "Faded Vintage", "Teal And Orange", "Rich Slide",
          "Soft Portrait", "Contrast Mono", "Warm Mono", "Cross Process", "Bleach Bypass"},
         "Gentle colour grades of the whole photo, like film stocks and prints",
         "BtnFilm", "BtnFilmClick"},
    }};
}();

// The category with this number, or nothing outside 1..17.
const Category* FindCategory(int number);

// The categories the window's column shows, from the top down (the batch
// dialog lists them in the same order). Line has no button of its own.
inline constexpr std::array<int, kCategoryCount - 1> kCategoryColumn{16, 1, 2, 3, 4, 5, 12, 13, 6, 7, 8, 15, 9, 10, 11, 17};
// The place of `category` in kCategoryColumn from 0 at the top; -1 for a
// category the column does not show.
constexpr int ColumnPlace(int category) {
    for (size_t i = 0; i < kCategoryColumn.size(); ++i)
        if (kCategoryColumn[i] == category) return int(i);
    return -1;
}
// How the user reads a look: "Light A 3, Amber Leak"; empty for a category
// or effect outside the table.
std::string LookTitle(int category, int effect);

// The category whose caption matches `caption` without regard to letter
// case and spaces ("light a", "LIGHTA"), or nothing.
const Category* FindCategoryByCaption(std::string_view caption);

// --- Recipes -------------------------------------------------------------

// The routine calls recipes are made of. S is the source photo (ThumbPhoto
// or WorkPhoto), R is ResultPhoto.
enum class Routine {
    kNone,
    kCopySource,        // R := exact copy of S
    kGrayscale,         // Grayscale(R)
    kOverlayPicture,    // OverlayPicture(src, R, folder/number, blend)
    kMaskOverlay,       // MaskOverlay(src, R, folder/number, colour)
    kColorBurnTint,     // ColorBurnTint(R, colour)
    kQuadColorTint,     // QuadColorTint(R)
    kColorMaskTint,     // ColorMaskTint(src, R, colour)
    kPictureColorTint,  // PictureColorTint(R, number = mode, colour)
    kSketchBlend,       // SketchBlend(src, R, number = mode)
    kContrastCurve,     // ContrastCurve(src, R)
    kMosaicPainting,    // MosaicPainting(src, R)
    kPencilSketch,      // PencilSketch(src, R)
    kLinePattern,       // LinePattern(src, R, number)
    kColourGrade,       // R := S through the colour table folder/number.cube
};

// One routine call. Steps that read a source read S until a step of the
// same recipe has written R; from then on they read T, a scratch copy of R
// made just before the step, since a routine's source and result are never
// the same buffer.
struct Step {
    Routine routine = Routine::kNone;
    // Overlay folder in the strip and at full size (OverlayPicture,
    // MaskOverlay, and the colour table's folder of ColourGrade).
    std::string_view stripFolder;
    std::string_view fullSizeFolder;
    int number = 0;  // picture number, mode or pattern number
    Rgb colour{};
    OverlayBlend blend = OverlayBlend::kScreen;  // OverlayPicture only
};

inline constexpr int kMaxSteps = 4;
struct Recipe {
    std::array<Step, kMaxSteps> steps{};  // unused steps are kNone
};

// Where a recipe runs: on the 105 x 105 thumbnail photo or at full size.
// The two name some overlay folders in different letter case.
enum class Stage { kStrip, kFullSize };

// What a render does with the preview's "Change Color" button.
enum class ButtonChange { kKeep, kShow, kHide };

// The recipe of effect n (1..10) of category `category` (1..17).
Recipe EffectRecipe(int category, int n);

// The picture `step` reads at `stage`, if it reads one.
std::optional<PictureName> StepPicture(const Step& step, Stage stage);
// The overlay pictures the recipe of effect n reads at `stage`, in order.
std::vector<PictureName> RecipePictures(int category, int n, Stage stage);
// Whether the recipe of effect n asks for a colour in Change Color mode.
bool RecipeAsksForColour(int category, int n);

// How each picture the catalogue names is used, which decides how it is to
// be drawn: for every folder any recipe reads (spelled in lower case), the
// pictures it reads and how.
enum class PictureUse {
    kScreen,     // OverlayPicture with the screen blend
    kOverlay,    // OverlayPicture with the overlay blend
    kEdgeMask,   // MaskOverlay: white shows the photo, black the fill
    kTintMask,   // the masks of ColorMaskTint and PictureColorTint
    kLineTile,   // LinePattern's tile
};
struct FolderUse {
    std::string folder;  // lower case
    int count;           // pictures 1 .. count
    PictureUse use;
};
std::vector<FolderUse> CatalogueFolders();
// The colour tables <folder>/<number>.cube the grading looks read, each
// once, in the order of the catalogue (folder as spelled there).
std::vector<PictureName> CatalogueGrades();

// How the full-size render of effect n leaves the Change Color button:
// Colour and Art set it per effect, all others keep it.
ButtonChange FullSizeButton(int category, int n);

// --- Entry points ----------------------------------------------------------

// What the window does with the strip while it is rendered.
class StripView {
public:
    virtual ~StripView() = default;
    // Thumbnail n (1..10) is done: show `picture` in view n with its label;
    // repaint the strip panel at once when `repaint` is set, so thumbnails
    // appear one by one (the Art strip sets it for none of them).
    virtual void ThumbnailDone(int n, const TBitmap& picture, bool repaint) = 0;
    virtual void SetChangeColorButton(bool visible) = 0;
};

// The strip renderer of `category`: draws `workPhoto` scaled into the whole
// of `thumbPhoto` (kept at its size; an empty one is made kThumbSide square),
// then renders the ten thumbnails from it into `resultPhoto`, handing each
// to `view`, and sets the Change Color button as the category's rule says.
// A failing thumbnail throws: the ones before it have been delivered and
// the rule's "after" part is not applied. A number outside 1..17 does
// nothing.
void RenderStrip(int category, const TBitmap& workPhoto, TBitmap& thumbPhoto, TBitmap& resultPhoto,
                 const RenderContext& ctx, StripView& view);

// The full-size dispatcher: renders effect `effect` of `category` from
// `workPhoto` into `resultPhoto` and says how the Change Color button is to
// be left. Category 0, a number outside 1..17 or an effect outside 1..10
// renders nothing and leaves `resultPhoto` as it was.
ButtonChange ImgViewClick(int effect, int category, const TBitmap& workPhoto, TBitmap& resultPhoto,
                          const RenderContext& ctx);

}  // namespace corvessa
