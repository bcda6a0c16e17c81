#include "shell/action_table.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <iterator>

namespace corvessa {

namespace {

using A = Action;
constexpr Taken kNot = Taken::kNot, kShortcut = Taken::kShortcut, kOwnKey = Taken::kOwnKey;
constexpr Qt::Key kNone = Qt::Key_unknown;

// The window's keys of the main window work from the preview too, where
// they act on the main window; the preview's own keys (zoom, Escape, Enter,
// Compare) act on the preview.
constexpr ActionRow kRows[] = {
    {A::kOpen, QT_TRANSLATE_NOOP("ActionTable", "Open"), {Qt::CTRL | Qt::Key_O, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "opens a photo")},
    {A::kSave, QT_TRANSLATE_NOOP("ActionTable", "Save"), {Qt::CTRL | Qt::Key_S, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "writes the photo shown to a file")},
    {A::kExport, QT_TRANSLATE_NOOP("ActionTable", "Export"), {Qt::CTRL | Qt::SHIFT | Qt::Key_E, kNone, kNone},
     kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "writes a copy for sharing: smaller, without the location")},
    {A::kUndo, QT_TRANSLATE_NOOP("ActionTable", "Undo"), {Qt::CTRL | Qt::Key_Z, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "takes back the last Apply")},
    {A::kRedo, QT_TRANSLATE_NOOP("ActionTable", "Redo"),
     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "brings back the Apply Undo took back")},
    {A::kEdit, QT_TRANSLATE_NOOP("ActionTable", "Edit"), {Qt::CTRL | Qt::Key_E, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "crops, turns, straightens and adjusts the photo in the Edit panel")},
    {A::kBatch, QT_TRANSLATE_NOOP("ActionTable", "Batch"), {Qt::CTRL | Qt::Key_B, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "puts one look on many photos")},
    {A::kAddLook, QT_TRANSLATE_NOOP("ActionTable", "Add Look"), {Qt::CTRL | Qt::Key_L, kNone, kNone},
     kShortcut, kShortcut, QT_TRANSLATE_NOOP("ActionTable", "copies .cube colour tables into My Looks")},
    {A::kHelp, QT_TRANSLATE_NOOP("ActionTable", "Help"), {Qt::Key_F1, kNone, kNone}, kShortcut, kShortcut,
     QT_TRANSLATE_NOOP("ActionTable", "shows this page")},
    {A::kNextLooks, QT_TRANSLATE_NOOP("ActionTable", "Next looks"), {Qt::Key_PageDown, kNone, kNone}, kShortcut, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "the next ten of My Looks")},
    {A::kPreviousLooks, QT_TRANSLATE_NOOP("ActionTable", "Previous looks"), {Qt::Key_PageUp, kNone, kNone},
     kShortcut, kNot, QT_TRANSLATE_NOOP("ActionTable", "the ten of My Looks before")},
    {A::kLargeLooks, QT_TRANSLATE_NOOP("ActionTable", "Large looks"), {Qt::CTRL | Qt::Key_T, kNone, kNone},
     kShortcut, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "each look drawn large with its name, or the small strip again")},
    {A::kActualSize, QT_TRANSLATE_NOOP("ActionTable", "100 %"), {Qt::Key_1, kNone, kNone}, kShortcut, kOwnKey,
     QT_TRANSLATE_NOOP("ActionTable", "one photo pixel a screen pixel")},
    {A::kFitPhoto, QT_TRANSLATE_NOOP("ActionTable", "Fit"), {Qt::Key_0, kNone, kNone}, kShortcut, kOwnKey,
     QT_TRANSLATE_NOOP("ActionTable", "the whole photo in view again")},
    {A::kCancel, QT_TRANSLATE_NOOP("ActionTable", "Cancel"), {Qt::Key_Escape, kNone, kNone}, kShortcut, kOwnKey,
     QT_TRANSLATE_NOOP("ActionTable",
                       "stops the Open, render or thumbnails that run; in the preview, drops the look; in the "
                       "Edit panel, leaves it with the photo as it was")},
    {A::kApply, QT_TRANSLATE_NOOP("ActionTable", "Apply"), {Qt::Key_Return, Qt::Key_Enter, kNone}, kNot, kOwnKey,
     QT_TRANSLATE_NOOP("ActionTable", "makes the look shown your photo")},
    {A::kCompare, QT_TRANSLATE_NOOP("ActionTable", "Compare"), {Qt::Key_Backslash, kNone, kNone}, kNot, kOwnKey,
     QT_TRANSLATE_NOOP("ActionTable", "held down, shows the photo as it was")},
    {A::kThumbnailAlong, QT_TRANSLATE_NOOP("ActionTable", "Thumbnails"), {Qt::Key_Left, Qt::Key_Right, kNone},
     kOwnKey, kNot, QT_TRANSLATE_NOOP("ActionTable", "frames the thumbnail beside the one framed")},
    {A::kThumbnailAcross, QT_TRANSLATE_NOOP("ActionTable", "Thumbnails"), {Qt::Key_Up, Qt::Key_Down, kNone},
     kOwnKey, kNot, QT_TRANSLATE_NOOP("ActionTable", "frames the thumbnail above or below the one framed")},
    {A::kOpenThumbnail, QT_TRANSLATE_NOOP("ActionTable", "Preview"), {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space},
     kOwnKey, kNot, QT_TRANSLATE_NOOP("ActionTable", "shows the framed thumbnail's look in the preview")},
    {A::kAcceptEdit, QT_TRANSLATE_NOOP("ActionTable", "Apply"), {Qt::Key_Return, Qt::Key_Enter, kNone}, kNot, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "makes the edits your photo"), kOwnKey},
    {A::kCategoryStep, QT_TRANSLATE_NOOP("ActionTable", "Categories"), {Qt::Key_Up, Qt::Key_Down, kNone}, kOwnKey, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "frames the category button above or below the one framed")},
    {A::kCropAlong, QT_TRANSLATE_NOOP("ActionTable", "Crop frame"), {Qt::Key_Left, Qt::Key_Right, kNone}, kNot, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "moves the framed crop frame left or right"), kOwnKey},
    {A::kCropAcross, QT_TRANSLATE_NOOP("ActionTable", "Crop frame"), {Qt::Key_Up, Qt::Key_Down, kNone}, kNot, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "moves the framed crop frame up or down"), kOwnKey},
    {A::kCropWidth, QT_TRANSLATE_NOOP("ActionTable", "Crop frame"),
     {Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Right, kNone}, kNot, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "makes the framed crop frame narrower or wider"), kOwnKey},
    {A::kCropHeight, QT_TRANSLATE_NOOP("ActionTable", "Crop frame"),
     {Qt::SHIFT | Qt::Key_Up, Qt::SHIFT | Qt::Key_Down, kNone}, kNot, kNot,
     QT_TRANSLATE_NOOP("ActionTable", "makes the framed crop frame shorter or taller"), kOwnKey},
};

constexpr bool InTheOrderOfAction() {
    for (size_t i = 0; i < std::size(kRows); ++i)
        if (size_t(kRows[i].action) != i) return false;
    return true;
}
static_assert(InTheOrderOfAction(), "a row out of place answers for another action");
static_assert(std::size(kRows) == size_t(Action::kCropHeight) + 1, "every action has its row");

Taken In(const ActionRow& row, ActionWindow which) {
    switch (which) {
    case ActionWindow::kMain: return row.main;
    case ActionWindow::kPreview: return row.preview;
    default: return row.editPanel;
    }
}

// One key as the user reads it: "Ctrl+B", "Page Up", "Enter". The
// modifiers stay as Qt spells them: they are written on the keys.
QString KeyName(QKeyCombination key) {
    switch (key.key()) {
    case Qt::Key_PageUp: return QCoreApplication::translate("ActionTable", "Page Up");
    case Qt::Key_PageDown: return QCoreApplication::translate("ActionTable", "Page Down");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QCoreApplication::translate("ActionTable", "Enter");
    default: return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}

// "A or B", "A or B or C".
QString EitherOf(const QStringList& choices) {
    QString text = choices.value(0);
    for (qsizetype i = 1; i < choices.size(); ++i)
        text = QCoreApplication::translate("ActionTable", "%1 or %2").arg(text, choices[i]);
    return text;
}

// The row's keys as the user reads them, each once.
QStringList KeyNames(const ActionRow& row) {
    QStringList names;
    for (const QKeyCombination key : row.keys)
        if (key.key() != kNone && !names.contains(KeyName(key))) names << KeyName(key);
    return names;
}

// The modifiers a key is told apart by: Shift only where the table gives
// it (Shift and an arrow size the crop frame the arrow alone moves); else
// a key wanting Shift on some keyboards (\) answers with it or without.
Qt::KeyboardModifiers Telling(Qt::KeyboardModifiers modifiers, bool shift) {
    return modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier));
}

std::optional<int> IndexOf(const QKeyEvent& event, const ActionRow& row, bool shift) {
    for (size_t i = 0; i < row.keys.size(); ++i)
        if (row.keys[i].key() != kNone && row.keys[i].key() == event.key() &&
            Telling(row.keys[i].keyboardModifiers(), shift) == Telling(event.modifiers(), shift))
            return int(i);
    return std::nullopt;
}

}  // namespace

std::span<const ActionRow> ActionRows() { return kRows; }

const ActionRow& RowOf(Action action) { return kRows[size_t(action)]; }

QString ActionName(const ActionRow& row) { return QCoreApplication::translate("ActionTable", row.name); }

QString KeysText(Action action) { return EitherOf(KeyNames(RowOf(action))); }

QString HelpLine(const ActionRow& row) {
    QStringList keys;
    for (const QString& name : KeyNames(row)) {
        // "Ctrl+Shift+Z" as three keys pressed together; "+" itself is no key of the table.
        QStringList parts = name.split(QLatin1Char('+'));
        for (QString& part : parts) part = QStringLiteral("<kbd>%1</kbd>").arg(part.toHtmlEscaped());
        keys << parts.join(QLatin1Char('+'));
    }
    const char* where = row.editPanel != kNot ? QT_TRANSLATE_NOOP("ActionTable", "the Edit panel")
                        : row.main == kNot    ? QT_TRANSLATE_NOOP("ActionTable", "the preview")
                        : row.preview == kNot ? QT_TRANSLATE_NOOP("ActionTable", "the main window")
                                              : QT_TRANSLATE_NOOP("ActionTable", "both windows");
    return QStringLiteral("<tr><td>%1</td><td><strong>%2</strong>: %3</td><td>%4</td></tr>")
        .arg(EitherOf(keys), ActionName(row).toHtmlEscaped(),
             QCoreApplication::translate("ActionTable", row.help).toHtmlEscaped(),
             QCoreApplication::translate("ActionTable", where));
}

void AddShortcuts(QWidget& window, ActionWindow which, QObject* context, const std::function<void(Action)>& run) {
    // Each window's shortcuts work while that window is active, so a key
    // fires once from whichever of the two has the focus.
    for (const ActionRow& row : kRows) {
        if (In(row, which) != kShortcut) continue;
        for (const QKeyCombination key : row.keys) {
            if (key.key() == kNone) continue;
            auto* shortcut = new QShortcut(QKeySequence(key), &window);
            QObject::connect(shortcut, &QShortcut::activated, context, [run, action = row.action] { run(action); });
        }
    }
}

std::optional<int> KeyIndexOf(const QKeyEvent& event, Action action) {
    const ActionRow& row = RowOf(action);
    if (const std::optional<int> index = IndexOf(event, row, true)) return index;
    return IndexOf(event, row, false);
}

std::optional<OwnKey> OwnKeyOf(const QKeyEvent& event, ActionWindow which) {
    // A key as the table gives it, Shift told apart, before one that
    // leaves Shift free.
    for (const bool shift : {true, false}) {
        for (const ActionRow& row : kRows) {
            if (In(row, which) != kOwnKey) continue;
            if (const std::optional<int> index = IndexOf(event, row, shift)) return OwnKey{row.action, *index};
        }
    }
    return std::nullopt;
}

}  // namespace corvessa
