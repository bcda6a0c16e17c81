#pragma once
// Every key the windows answer, in one table: what the user knows the
// action by, its keys, the windows it works in and how each takes them, and
// what it does. The windows' shortcuts are made from it, their own key
// handling looks keys up in it, the tooltips that name a key take it from
// here, and the help page's list of keys is checked against it.

#include <QKeyCombination>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>

class QKeyEvent;
class QObject;
class QWidget;

namespace corvessa {

enum class Action {
    kOpen,
    kSave,
    kExport,
    kUndo,
    kRedo,
    kEdit,
    kBatch,
    kAddLook,
    kHelp,
    kNextLooks,
    kPreviousLooks,
    kLargeLooks,
    kActualSize,
    kFitPhoto,
    kCancel,
    kApply,
    kCompare,
    kThumbnailAlong,   // the first key steps back, the second forward
    kThumbnailAcross,  // likewise
    kOpenThumbnail,
    kAcceptEdit,
    kCategoryStep,  // the first key steps up the category column, the second down
    kCropAlong,     // the crop frame: the first key moves it left, the second right
    kCropAcross,    // up, down
    kCropWidth,     // narrower, wider
    kCropHeight,    // shorter, taller
};

// The Edit panel lies in the main window, where the main window's
// shortcuts work too; its own keys are its alone.
enum class ActionWindow { kMain, kPreview, kEditPanel };

// How a window takes an action's keys.
enum class Taken {
    kNot,       // the action does not work there
    kShortcut,  // a shortcut of the window, whatever control has the focus
    kOwnKey,    // the window's own key handling, of keys its controls leave
};

struct ActionRow {
    Action action;
    // Marked for translation (the context "ActionTable") and translated
    // where they are shown.
    const char* name;  // as the user knows it
    std::array<QKeyCombination, 3> keys;  // unused places hold Qt::Key_unknown
    Taken main, preview;
    const char* help;
    Taken editPanel = Taken::kNot;
};

// The rows, in the order of Action.
std::span<const ActionRow> ActionRows();
const ActionRow& RowOf(Action action);

// What the user knows the row's action by, in the user's words: "Undo".
QString ActionName(const ActionRow& row);
// The action's keys as the user reads them: "Ctrl+Shift+Z or Ctrl+Y".
QString KeysText(Action action);
// The line of the help page's list of keys for `row`.
QString HelpLine(const ActionRow& row);

// Makes the shortcuts of every action that `window`, as `which`, takes as
// a shortcut; `run` runs the action, in `context`.
void AddShortcuts(QWidget& window, ActionWindow which, QObject* context, const std::function<void(Action)>& run);

// The action that `window` takes as its own key for `event`, and which of
// the action's keys it was. Shift and the keypad do not count.
struct OwnKey {
    Action action;
    int index;
};
std::optional<OwnKey> OwnKeyOf(const QKeyEvent& event, ActionWindow which);
// Which of `action`'s keys `event` is, counted as OwnKeyOf counts them; for
// a control whose keys another action of its window shares.
std::optional<int> KeyIndexOf(const QKeyEvent& event, Action action);

}  // namespace corvessa
