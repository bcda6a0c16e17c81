#include "shell/setting_table.h"

#include <QStringList>
#include <array>
#include <iterator>
#include <stdexcept>

#include "batch/name_pattern.h"
#include "catalogue/catalogue.h"
#include "ground/strength.h"
#include "io/photo_formats.h"
#include "shell/batch_edit_box.h"
#include "shell/dialogs.h"

namespace corvessa {

namespace {

using Kind = SettingKind;

constexpr SettingRow Place(Setting setting, const char* key, const char* what) {
    return {setting, key, Kind::kPlace, 0, 0, 0, "", nullptr, nullptr, what};
}
constexpr SettingRow PlaceText(Setting setting, const char* key, const char* what) {
    return {setting, key, Kind::kPlaceText, 0, 0, 0, "", nullptr, nullptr, what};
}
constexpr SettingRow Folder(Setting setting, const char* key, const char* what) {
    return {setting, key, Kind::kFolder, 0, 0, 0, "", nullptr, nullptr, what};
}
constexpr SettingRow Number(Setting setting, const char* key, int lowest, int highest, int fallback,
                            const char* what) {
    return {setting, key, Kind::kNumber, lowest, highest, fallback, "", nullptr, nullptr, what};
}
constexpr SettingRow Flag(Setting setting, const char* key, bool fallback, const char* what) {
    return {setting, key, Kind::kFlag, 0, 1, fallback ? 1 : 0, "", nullptr, nullptr, what};
}
constexpr SettingRow Text(Setting setting, const char* key, const char* fallback, bool (*accepts)(const QString&),
                          const char* example, const char* what) {
    return {setting, key, Kind::kText, 0, 0, 0, fallback, accepts, example, what};
}
constexpr SettingRow Colour(Setting setting, const char* key, const char* fallback, const char* example,
                            const char* what) {
    return {setting, key, Kind::kColour, 0, 0, 0, fallback, nullptr, example, what};
}

bool OneOfTheOpenFilters(const QString& value) { return OpenDialogFilter().split(QStringLiteral(";;")).contains(value); }
bool OneOfTheSaveFilters(const QString& value) { return SaveDialogFilter().split(QStringLiteral(";;")).contains(value); }

bool ASaveFormatsName(const QString& value) {
    for (const PhotoFormat* format : SaveFormats())
        if (value == QString::fromUtf8(format->name.data(), qsizetype(format->name.size()))) return true;
    return false;
}

bool ANamePattern(const QString& value) {
    try {
        batch::NamePattern(value.toStdString());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool ALookSource(const QString& value) {
    return value == QLatin1String(kLookSourcePreview) || value == QLatin1String(kLookSourceChosen) ||
           value == QLatin1String(kLookSourceCube);
}

bool ABatchCropShape(const QString& value) {
    for (const BatchCropShape& shape : kBatchCropShapes)
        if (shape.ratioWidth > 0 && value == QLatin1String(shape.name)) return true;
    return value.isEmpty();
}

bool AdjustmentsAsAdjustSpellsThem(const QString& value) { return ReadAdjustText(value).has_value(); }

// The default pattern as a C string, for the table.
constexpr std::array<char, batch::NamePattern::kDefault.size() + 1> kDefaultNames = [] {
    std::array<char, batch::NamePattern::kDefault.size() + 1> text{};
    for (size_t i = 0; i < batch::NamePattern::kDefault.size(); ++i) text[i] = batch::NamePattern::kDefault[i];
    return text;
}();

using S = Setting;

constexpr SettingRow kRows[] = {
    Place(S::kMainPlace, "windows/main", "Where and how large the main window was"),
    Place(S::kPreviewPlace, "windows/preview", "Where and how large the preview was"),
    Folder(S::kOpenFolder, "folders/open", "The folder of the photo opened last, where Open starts"),
    Folder(S::kLooksFolder, "folders/looks", "The folder Add Look took tables from last"),
    Text(S::kOpenFilter, "filters/open", "", OneOfTheOpenFilters, "*.bmp *.jpg (*.bmp *.jpg)",
         "The file type Open showed last; empty: all pictures"),
    Text(S::kSaveFilter, "filters/save", "", OneOfTheSaveFilters, "*.png (*.png)",
         "The file type Save wrote last; empty: JPEG"),
    Number(S::kSaveQuality, "saveQuality", kDefaultQuality, 100, kDefaultQuality,
           "The quality of a lossy save, 1 to 100; 0: the format's own"),
    Number(S::kCategory, "category", 1, kCategoryCount, 0, "The category shown last; 0: none"),
    Flag(S::kLargeThumbnails, "largeThumbnails", false, "Whether the strip shows large looks"),
    PlaceText(S::kBatchPlace, "batch/geometry", "Where and how large the batch dialog was"),
    Folder(S::kBatchFolder, "batch/folder", "The output folder the user chose; empty: beside the first photo"),
    Text(S::kBatchFormat, "batch/format", "", ASaveFormatsName, "PNG",
         "The batch's output format by its name; empty: the first one offered"),
    Text(S::kBatchNames, "batch/names", kDefaultNames.data(), ANamePattern, "{folder}-{name}-{look}",
         "The pattern of the batch's output names"),
    Flag(S::kBatchSkipDone, "batch/skipDone", false, "Whether photos done already are skipped"),
    Text(S::kBatchLookSource, "batch/lookSource", kLookSourcePreview, ALookSource, kLookSourceCube,
         "Where the batch's look comes from: the preview, a strip, or a .cube file"),
    Text(S::kBatchCubeFile, "batch/cubeFile", "", nullptr, "/home/me/warm.cube", "The .cube file named last"),
    Number(S::kBatchCategory, "batch/category", 1, kCategoryCount, 1, "The category picked for the batch"),
    Number(S::kBatchEffect, "batch/effect", 1, kEffectCount, 1, "The thumbnail picked for the batch"),
    Flag(S::kBatchChangeColour, "batch/changeColor", false, "Whether the batch's look takes a colour"),
    Colour(S::kBatchColour, "batch/color", "#ffffff", "#ff8000", "The colour the batch's look takes"),
    Number(S::kBatchStrength, "batch/strength", 0, kFullStrength, kFullStrength, "The strength of the batch's look"),
    Text(S::kBatchCrop, "batch/crop", "", ABatchCropShape, "4:5",
         "The shape each photo of the batch is cropped to; empty: none"),
    Number(S::kBatchTurns, "batch/turns", 0, 3, 0, "The quarter turns clockwise the batch gives each photo"),
    Text(S::kBatchAdjust, "batch/adjust", "", AdjustmentsAsAdjustSpellsThem, "shadows=40,warmth=20",
         "The batch's adjustments as --adjust spells them; empty: none"),
    Flag(S::kBatchAuto, "batch/auto", false, "Whether Auto adjusts each photo of the batch"),
    Flag(S::kKeepFaces, "keepFaces", false, "Whether looks are taken back over the faces in the photo"),
    Flag(S::kBatchKeepFaces, "batch/keepFaces", false, "Whether the batch keeps each photo's faces clear"),
    Flag(S::kHighContrast, "highContrast", false,
         "Whether the windows take the desktop's colours and a strong focus frame in place of the skin, "
         "as they do when the desktop asks for high contrast"),
};

constexpr bool InTheOrderOfSetting() {
    for (size_t i = 0; i < std::size(kRows); ++i)
        if (size_t(kRows[i].setting) != i) return false;
    return true;
}
static_assert(InTheOrderOfSetting(), "a row out of place answers for another setting");
static_assert(std::size(kRows) == size_t(Setting::kHighContrast) + 1, "every setting has its row");

}  // namespace

std::span<const SettingRow> SettingRows() { return kRows; }

const SettingRow& RowOf(Setting setting) { return kRows[size_t(setting)]; }

}  // namespace corvessa
