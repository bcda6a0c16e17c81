#pragma once
// Every setting the windows keep between runs, in one table: its key in the
// settings file, its kind, its default, which values are valid and what it
// is. The windows name a setting by its row here (Remembered takes nothing
// else), so the file's keys are spelled once and a value that is out of
// range or of another kind reads as the default.

#include <QString>
#include <span>

namespace corvessa {

enum class Setting {
    kMainPlace,
    kPreviewPlace,
    kOpenFolder,
    kLooksFolder,
    kOpenFilter,
    kSaveFilter,
    kSaveQuality,
    kCategory,
    kLargeThumbnails,
    kBatchPlace,
    kBatchFolder,
    kBatchFormat,
    kBatchNames,
    kBatchSkipDone,
    kBatchLookSource,
    kBatchCubeFile,
    kBatchCategory,
    kBatchEffect,
    kBatchChangeColour,
    kBatchColour,
    kBatchStrength,
    kBatchCrop,
    kBatchTurns,
    kBatchAdjust,
    kBatchAuto,
    kKeepFaces,
    kBatchKeepFaces,
    kHighContrast,
};

enum class SettingKind {
    kPlace,      // where and how large a window was, as QWidget::saveGeometry gives it
    kPlaceText,  // the same, kept as Base64 text
    kFolder,     // a folder that still exists
    kNumber,     // a whole number within [lowest, highest]
    kFlag,       // true or false
    kText,       // text that `accepts` takes (any text where it is null)
    kColour,     // "#rrggbb", as QColor::name writes it
};

struct SettingRow {
    Setting setting;
    const char* key;  // in the settings file, as every earlier run wrote it
    SettingKind kind;
    int lowest, highest;  // a number's range
    int fallback;         // a number's or a flag's default
    const char* text;     // a text's or a colour's default
    bool (*accepts)(const QString& value);
    const char* example;  // a text or colour it may hold
    const char* what;
};

// The rows, in the order of Setting.
std::span<const SettingRow> SettingRows();
const SettingRow& RowOf(Setting setting);

// The look source the batch dialog keeps (kBatchLookSource).
inline constexpr char kLookSourcePreview[] = "preview";
inline constexpr char kLookSourceChosen[] = "chosen";
inline constexpr char kLookSourceCube[] = "cube";

}  // namespace corvessa
