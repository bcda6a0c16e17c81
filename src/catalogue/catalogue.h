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
#include "ground/words.h"
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
        {1,   CORVESSA_WORDS("Looks", "Light A"),  Fill::kOverlay, "lightA",    "lightA",   kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Amber Leak"), CORVESSA_WORDS("Looks", "Corner Burn"),
          CORVESSA_WORDS("Looks", "Edge Film Burn"), CORVESSA_WORDS("Looks", "Twin Corner Leaks"),
          CORVESSA_WORDS("Looks", "Warm Sweep"), CORVESSA_WORDS("Looks", "Golden Rise"),
          CORVESSA_WORDS("Looks", "Burn Hole"), CORVESSA_WORDS("Looks", "Film Gate Streaks"),
          CORVESSA_WORDS("Looks", "Peach Wash"), CORVESSA_WORDS("Looks", "Ember Edges")},
         CORVESSA_WORDS("Looks", "Warm light leaks and film burns laid over the photo"),
         "BtnLightA", "BtnLightAClick"},
        {2,   CORVESSA_WORDS("Looks", "Light B"),  Fill::kOverlay, "lightB",    "lightB",   kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Blue Leak"), CORVESSA_WORDS("Looks", "Prism Edge"),
          CORVESSA_WORDS("Looks", "Cyan Flare"), CORVESSA_WORDS("Looks", "Teal Violet Corners"),
          CORVESSA_WORDS("Looks", "Anamorphic Streak"), CORVESSA_WORDS("Looks", "Prism Fan"),
          CORVESSA_WORDS("Looks", "Halo Flare"), CORVESSA_WORDS("Looks", "Violet Pour"),
          CORVESSA_WORDS("Looks", "Spectral Streaks"), CORVESSA_WORDS("Looks", "Moonlit Haze")},
         CORVESSA_WORDS("Looks", "Cool flares, rainbow leaks and lens streaks laid over the photo"),
         "BtnLightB", "BtnLightBClick"},
        {3,   CORVESSA_WORDS("Looks", "Light C"),  Fill::kOverlay, "lightc",    "lightC",   kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Corner Sunbeams"), CORVESSA_WORDS("Looks", "God Rays"),
          CORVESSA_WORDS("Looks", "Golden Bokeh"), CORVESSA_WORDS("Looks", "Side Bokeh"),
          CORVESSA_WORDS("Looks", "Sunburst Corner"), CORVESSA_WORDS("Looks", "Low Sun"),
          CORVESSA_WORDS("Looks", "Corner Hexagons"), CORVESSA_WORDS("Looks", "Amber Uplight"),
          CORVESSA_WORDS("Looks", "Forest Shafts"), CORVESSA_WORDS("Looks", "Low Bokeh")},
         CORVESSA_WORDS("Looks", "Sunbeams, rays and soft bokeh lights laid over the photo"),
         "btnLightC", "btnLightCClick"},
        {4,   CORVESSA_WORDS("Looks", "Star"),     Fill::kOverlay, "Star",      "star",     kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Blue Sky Glitter"), CORVESSA_WORDS("Looks", "Golden Glints"),
          CORVESSA_WORDS("Looks", "Star Haze Arc"), CORVESSA_WORDS("Looks", "Blue Giants"),
          CORVESSA_WORDS("Looks", "Rose Gold Trail"), CORVESSA_WORDS("Looks", "Magic Dust"),
          CORVESSA_WORDS("Looks", "Rainbow Corners"), CORVESSA_WORDS("Looks", "Meteor Shower"),
          CORVESSA_WORDS("Looks", "Glitter Frame"), CORVESSA_WORDS("Looks", "Great Starburst")},
         CORVESSA_WORDS("Looks", "Stars, glints and sparkles scattered over the photo"),
         "BtnStar", "ImgBtnStarClick"},
        {5,   CORVESSA_WORDS("Looks", "Amazing"),  Fill::kOverlay, "amazing",   "Amazing",  kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Corner Fireworks"), CORVESSA_WORDS("Looks", "Aurora Sky"),
          CORVESSA_WORDS("Looks", "Summer Rainbow"), CORVESSA_WORDS("Looks", "Low Light Trails"),
          CORVESSA_WORDS("Looks", "Laser Show"), CORVESSA_WORDS("Looks", "Golden Burst"),
          CORVESSA_WORDS("Looks", "Passing Comet"), CORVESSA_WORDS("Looks", "Sun Halo"),
          CORVESSA_WORDS("Looks", "Light Painting"), CORVESSA_WORDS("Looks", "Cosmic Nebula")},
         CORVESSA_WORDS("Looks", "Fireworks, northern lights, rainbows and other wonders in the sky"),
         "btnAmazing", "btnAmazingClick"},
        {6,   CORVESSA_WORDS("Looks", "Weather"),  Fill::kOverlay, "weather",   "weather",  kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Light Rain"), CORVESSA_WORDS("Looks", "Soft Snowfall"),
          CORVESSA_WORDS("Looks", "Low Fog"), CORVESSA_WORDS("Looks", "Heavy Downpour"),
          CORVESSA_WORDS("Looks", "Lightning Strike"), CORVESSA_WORDS("Looks", "Hail Shower"),
          CORVESSA_WORDS("Looks", "Driving Blizzard"), CORVESSA_WORDS("Looks", "Morning Mist"),
          CORVESSA_WORDS("Looks", "Grey Drizzle"), CORVESSA_WORDS("Looks", "Snow Crystals")},
         CORVESSA_WORDS("Looks", "Rain, snow, fog and lightning laid over the photo"),
         "BtnWeather", "BtnWeatherClick"},
        {7,   CORVESSA_WORDS("Looks", "Gradient"), Fill::kOverlay, "gradient",  "gradient", kOverlay, Button::kHiddenAfter,
         {CORVESSA_WORDS("Looks", "Warm To Cool"), CORVESSA_WORDS("Looks", "Sunset Bands"),
          CORVESSA_WORDS("Looks", "Teal Orange"), CORVESSA_WORDS("Looks", "Warm Centre"),
          CORVESSA_WORDS("Looks", "Rose To Blue"), CORVESSA_WORDS("Looks", "Pastel Rainbow"),
          CORVESSA_WORDS("Looks", "Cross Process"), CORVESSA_WORDS("Looks", "Blue Night"),
          CORVESSA_WORDS("Looks", "Golden Corner"), CORVESSA_WORDS("Looks", "Green Purple")},
         CORVESSA_WORDS("Looks", "Colour gradients blended into the photo"),
         "BtnGradient", "BtnGradientClick"},
        {8,   CORVESSA_WORDS("Looks", "Color"),    Fill::kColour,  "",          "",         kScreen,  Button::kUnchanged,
         {CORVESSA_WORDS("Looks", "Mint Tint"), CORVESSA_WORDS("Looks", "Lemon Tint"),
          CORVESSA_WORDS("Looks", "Cyan Tint"), CORVESSA_WORDS("Looks", "Orange Tint"),
          CORVESSA_WORDS("Looks", "Violet Tint"), CORVESSA_WORDS("Looks", "Pop Quadrants"),
          CORVESSA_WORDS("Looks", "Olive Mono"), CORVESSA_WORDS("Looks", "Crimson Veil"),
          CORVESSA_WORDS("Looks", "Green Edges"), CORVESSA_WORDS("Looks", "Green Mono")},
         CORVESSA_WORDS("Looks", "The photo tinted with one colour or several"),
         "BtnColor", "ImgBtnColorClick"},
        {9,   CORVESSA_WORDS("Looks", "Texture"),  Fill::kOverlay, "texture",   "texture",  kOverlay, Button::kHiddenAfter,
         {CORVESSA_WORDS("Looks", "Bright Paper"), CORVESSA_WORDS("Looks", "Primed Canvas"),
          CORVESSA_WORDS("Looks", "Film Grain"), CORVESSA_WORDS("Looks", "Grunge Stains"),
          CORVESSA_WORDS("Looks", "Raw Concrete"), CORVESSA_WORDS("Looks", "Wood Grain"),
          CORVESSA_WORDS("Looks", "Celadon Crackle"), CORVESSA_WORDS("Looks", "Old Print"),
          CORVESSA_WORDS("Looks", "Faded Denim"), CORVESSA_WORDS("Looks", "Burnt Parchment")},
         CORVESSA_WORDS("Looks", "Paper, canvas, grain and other surfaces blended into the photo"),
         "BtnTexture", "BtnTextureClick"},
        {10,  CORVESSA_WORDS("Looks", "Edge A"),   Fill::kEdge,    "edgeA",     "EdgeA",    kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Frosted Margin"), CORVESSA_WORDS("Looks", "Soft Oval"),
          CORVESSA_WORDS("Looks", "Torn Paper"), CORVESSA_WORDS("Looks", "Deckled Print"),
          CORVESSA_WORDS("Looks", "Postage Stamp"), CORVESSA_WORDS("Looks", "Sprocket Strip"),
          CORVESSA_WORDS("Looks", "Brush Strokes"), CORVESSA_WORDS("Looks", "Heart Shape"),
          CORVESSA_WORDS("Looks", "Soft Circle"), CORVESSA_WORDS("Looks", "Instant Photo")},
         CORVESSA_WORDS("Looks", "Margins and shaped frames around the photo"),
         "BtnEadge", "BtnEadgeClick"},
        {11,  CORVESSA_WORDS("Looks", "Edge B"),   Fill::kEdge,    "edgeB",     "EdgeB",    kScreen,  Button::kShownAfter,
         {CORVESSA_WORDS("Looks", "Cloud Frame"), CORVESSA_WORDS("Looks", "Feathered Edge"),
          CORVESSA_WORDS("Looks", "Lined Mat"), CORVESSA_WORDS("Looks", "Grunge Spray"),
          CORVESSA_WORDS("Looks", "Rounded Corners"), CORVESSA_WORDS("Looks", "Lace Oval"),
          CORVESSA_WORDS("Looks", "Arched Window"), CORVESSA_WORDS("Looks", "Notepad Page"),
          CORVESSA_WORDS("Looks", "Slide Mount"), CORVESSA_WORDS("Looks", "Spray Splatter")},
         CORVESSA_WORDS("Looks", "More frames: clouds, lace, torn paper and slide mounts"),
         "BtnEdge2", "ImgBtnEdge2Click"},
        {12,  CORVESSA_WORDS("Looks", "Dream A"),  Fill::kOverlay, "dreamA",    "dreamA",   kScreen,  Button::kHiddenAfter,
         {CORVESSA_WORDS("Looks", "Pink Haze"), CORVESSA_WORDS("Looks", "Floating Hearts"),
          CORVESSA_WORDS("Looks", "Soap Bubbles"), CORVESSA_WORDS("Looks", "Lavender Glitter"),
          CORVESSA_WORDS("Looks", "Heart Bokeh"), CORVESSA_WORDS("Looks", "Peach Bubbles"),
          CORVESSA_WORDS("Looks", "Pastel Orbs"), CORVESSA_WORDS("Looks", "White Dream"),
          CORVESSA_WORDS("Looks", "Pastel Drift"), CORVESSA_WORDS("Looks", "Falling Petals")},
         CORVESSA_WORDS("Looks", "Soft pastel haze, hearts and bubbles over the photo"),
         "BtnDreamA", "BtnDreamAClick"},
        {13,  CORVESSA_WORDS("Looks", "Dream B"),  Fill::kOverlay, "dreamB",    "dreamB",   kScreen,  Button::kHiddenAfter,
         {CORVESSA_WORDS("Looks", "Cotton Candy"), CORVESSA_WORDS("Looks", "Corner Hearts"),
          CORVESSA_WORDS("Looks", "Big Bubbles"), CORVESSA_WORDS("Looks", "Golden Magic"),
          CORVESSA_WORDS("Looks", "Pastel Clouds"), CORVESSA_WORDS("Looks", "Violet Sparkle"),
          CORVESSA_WORDS("Looks", "Fairy Light Heart"), CORVESSA_WORDS("Looks", "Crescent Moon"),
          CORVESSA_WORDS("Looks", "Sky Lanterns"), CORVESSA_WORDS("Looks", "Rose Gold Dust")},
         CORVESSA_WORDS("Looks", "Candy colours, clouds and fairy lights over the photo"),
         "btnDreamB", "btnDreamBClick"},
        {14,  CORVESSA_WORDS("Looks", "Line"),     Fill::kLine,    "",          "",         kScreen,  Button::kShownBefore,
         {CORVESSA_WORDS("Looks", "Fine Rules"), CORVESSA_WORDS("Looks", "Fine Columns"),
          CORVESSA_WORDS("Looks", "Diagonal Hairlines"), CORVESSA_WORDS("Looks", "Fine Grid"),
          CORVESSA_WORDS("Looks", "Dot Screen"), CORVESSA_WORDS("Looks", "Cross Hatch"),
          CORVESSA_WORDS("Looks", "Wave Lines"), CORVESSA_WORDS("Looks", "Brick Lines"),
          CORVESSA_WORDS("Looks", "Halftone Corner"), CORVESSA_WORDS("Looks", "Zigzag Rules")},
         CORVESSA_WORDS("Looks", "Line patterns drawn from the photo"),
         "BtnLine", "BtnLineClick"},
        {15,  CORVESSA_WORDS("Looks", "Art"),      Fill::kArt,     "",          "",         kScreen,  Button::kUnchanged,
         {CORVESSA_WORDS("Looks", "Soft Bloom"), CORVESSA_WORDS("Looks", "Dark Bloom"),
          CORVESSA_WORDS("Looks", "Misty Grey"), CORVESSA_WORDS("Looks", "Muted Wash"),
          CORVESSA_WORDS("Looks", "Deep Tones"), CORVESSA_WORDS("Looks", "Bright Glow"),
          CORVESSA_WORDS("Looks", "Coloured Pencil"), CORVESSA_WORDS("Looks", "Strong Contrast"),
          CORVESSA_WORDS("Looks", "Mosaic Tiles"), CORVESSA_WORDS("Looks", "Pencil Sketch")},
         CORVESSA_WORDS("Looks", "Glows, washes, pencil drawings and mosaics made from the photo"),
         "BtnArt", "ImgBtnArtClick"},
        {16,  CORVESSA_WORDS("Looks", "Preset"),   Fill::kPreset,  "",          "",         kScreen,  Button::kHiddenBefore,
         {CORVESSA_WORDS("Looks", "Fireworks Circle"), CORVESSA_WORDS("Looks", "Lilac Mist"),
          CORVESSA_WORDS("Looks", "Rainy Day"), CORVESSA_WORDS("Looks", "Night Vision"),
          CORVESSA_WORDS("Looks", "Nebula Dream"), CORVESSA_WORDS("Looks", "Rose Wood"),
          CORVESSA_WORDS("Looks", "Old Film Flare"), CORVESSA_WORDS("Looks", "Magenta Dream"),
          CORVESSA_WORDS("Looks", "Yellow Frame"), CORVESSA_WORDS("Looks", "Ember Stardust")},
         CORVESSA_WORDS("Looks", "Ready-made looks that mix several effects in one"),
         "BtnPreset", "BtnPresetClick"},
        {17,  CORVESSA_WORDS("Looks", "Film"),     Fill::kGrade,   "film",      "film",     kScreen,  Button::kHiddenBefore,
         {CORVESSA_WORDS("Looks", "Warm Print"), CORVESSA_WORDS("Looks", "Cool Matte"),
          CORVESSA_WORDS("Looks", "Faded Vintage"), CORVESSA_WORDS("Looks", "Teal And Orange"),
          CORVESSA_WORDS("Looks", "Rich Slide"), CORVESSA_WORDS("Looks", "Soft Portrait"),
          CORVESSA_WORDS("Looks", "Contrast Mono"), CORVESSA_WORDS("Looks", "Warm Mono"),
          CORVESSA_WORDS("Looks", "Cross Process"), CORVESSA_WORDS("Looks", "Bleach Bypass")},
         CORVESSA_WORDS("Looks", "Gentle colour grades of the whole photo, like film stocks and prints"),
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
