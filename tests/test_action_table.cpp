// The keys of the windows: one table makes them, no key means two things in
// one window, the windows answer exactly the table's keys, and the help
// page lists every key and every category line for line.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QShortcut>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "catalogue/catalogue.h"
#include "fake_dialogs.h"
#include "io/jpeg_codec.h"
#include "jpeg_fixtures.h"
#include "shell/action_table.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/skin.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

Taken In(const ActionRow& row, ActionWindow which) {
    return which == ActionWindow::kMain ? row.main : which == ActionWindow::kPreview ? row.preview : row.editPanel;
}

TEST(ActionTable, NoKeyMeansTwoThingsInOneWindowAndEveryActionHasAKeyAndAPlace) {
    for (const ActionWindow which : {ActionWindow::kMain, ActionWindow::kPreview, ActionWindow::kEditPanel}) {
        std::map<int, const char*> taken;
        for (const ActionRow& row : ActionRows()) {
            EXPECT_EQ(&RowOf(row.action), &row);
            EXPECT_NE(row.keys[0].key(), Qt::Key_unknown) << row.name;
            EXPECT_TRUE(row.main != Taken::kNot || row.preview != Taken::kNot || row.editPanel != Taken::kNot)
                << row.name;
            if (In(row, which) == Taken::kNot) continue;
            // The category column's keys are the focused button's, as the
            // thumbnails' are the focused thumbnail's: the two never meet.
            if (row.action == Action::kCategoryStep) continue;
            for (const QKeyCombination key : row.keys) {
                if (key.key() == Qt::Key_unknown) continue;
                const auto [at, fresh] = taken.emplace(key.toCombined(), row.name);
                EXPECT_TRUE(fresh) << QKeySequence(key).toString().toStdString() << ": " << row.name << " and "
                                   << at->second;
            }
        }
    }
}

TEST(ActionTable, KeysReadAsTheUserReadsThem) {
    const std::pair<Action, const char*> rows[] = {
        {Action::kRedo, "Ctrl+Shift+Z or Ctrl+Y"}, {Action::kApply, "Enter"},       {Action::kNextLooks, "Page Down"},
        {Action::kCompare, "\\"},                  {Action::kCancel, "Esc"},        {Action::kOpenThumbnail, "Enter or Space"},
    };
    for (const auto& [action, text] : rows) EXPECT_EQ(KeysText(action).toStdString(), text);
    EXPECT_EQ(HelpLine(RowOf(Action::kRedo)).toStdString(),
              "<tr><td><kbd>Ctrl</kbd>+<kbd>Shift</kbd>+<kbd>Z</kbd> or <kbd>Ctrl</kbd>+<kbd>Y</kbd></td>"
              "<td><strong>Redo</strong>: brings back the Apply Undo took back</td><td>both windows</td></tr>");
}

// A window's own keys: Shift and the keypad do not tell keys apart, Ctrl,
// Alt and Meta do.
TEST(ActionTable, OwnKeysAreFoundWithShiftAndTheKeypadButNotWithCtrl) {
    const struct Row {
        ActionWindow window;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Action> action;
        int index;
    } rows[] = {
        {ActionWindow::kPreview, Qt::Key_Enter, Qt::KeypadModifier, Action::kApply, 1},
        {ActionWindow::kPreview, Qt::Key_Return, Qt::NoModifier, Action::kApply, 0},
        {ActionWindow::kPreview, Qt::Key_Backslash, Qt::ShiftModifier, Action::kCompare, 0},
        {ActionWindow::kPreview, Qt::Key_1, Qt::KeypadModifier, Action::kActualSize, 0},
        {ActionWindow::kPreview, Qt::Key_Escape, Qt::ControlModifier, std::nullopt, 0},
        {ActionWindow::kPreview, Qt::Key_O, Qt::ControlModifier, std::nullopt, 0},  // a shortcut, not its own
        {ActionWindow::kMain, Qt::Key_Right, Qt::KeypadModifier, Action::kThumbnailAlong, 1},
        {ActionWindow::kMain, Qt::Key_Up, Qt::NoModifier, Action::kThumbnailAcross, 0},
        {ActionWindow::kMain, Qt::Key_Space, Qt::NoModifier, Action::kOpenThumbnail, 2},
        {ActionWindow::kMain, Qt::Key_Escape, Qt::NoModifier, std::nullopt, 0},
        {ActionWindow::kEditPanel, Qt::Key_Enter, Qt::KeypadModifier, Action::kAcceptEdit, 1},
        {ActionWindow::kEditPanel, Qt::Key_Space, Qt::NoModifier, std::nullopt, 0},
        // Shift told apart where the table gives it.
        {ActionWindow::kEditPanel, Qt::Key_Left, Qt::NoModifier, Action::kCropAlong, 0},
        {ActionWindow::kEditPanel, Qt::Key_Left, Qt::ShiftModifier, Action::kCropWidth, 0},
        {ActionWindow::kEditPanel, Qt::Key_Down, Qt::ShiftModifier | Qt::KeypadModifier, Action::kCropHeight, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.key).toString().toStdString());
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers);
        const std::optional<OwnKey> found = OwnKeyOf(event, row.window);
        ASSERT_EQ(found.has_value(), row.action.has_value());
        if (!found) continue;
        EXPECT_EQ(found->action, *row.action);
        EXPECT_EQ(found->index, row.index);
    }
    // The category column asks for its own action's keys, which the thumbnails share.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<int> index;
    } column[] = {{Qt::Key_Up, Qt::NoModifier, 0},
                  {Qt::Key_Down, Qt::KeypadModifier, 1},
                  {Qt::Key_Down, Qt::ControlModifier, std::nullopt},
                  {Qt::Key_Left, Qt::NoModifier, std::nullopt}};
    for (const auto& key : column)
        EXPECT_EQ(KeyIndexOf(QKeyEvent(QEvent::KeyPress, key.key, key.modifiers), Action::kCategoryStep), key.index)
            << QKeySequence(key.key).toString().toStdString();
}

// The shortcuts each window has are the table's, each once.
TEST(ActionTable, TheWindowsHaveTheTablesShortcutsAndNoOthers) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("pic"));
    WriteBytes(dir.File("pic/sample.jpg"), MakeJpeg(GradientBitmap(40, 30), JpegKind::kColour));
    {
        TFormMain form(dir.Path() + "/", std::make_unique<FakeDialogs>(), QSize(1024, 768));
        for (const auto& [which, window] : {std::pair<ActionWindow, QWidget*>{ActionWindow::kMain, &form},
                                            std::pair<ActionWindow, QWidget*>{ActionWindow::kPreview, form.FormPreview()}}) {
            std::multiset<int> expected, made;
            for (const ActionRow& row : ActionRows())
                if (In(row, which) == Taken::kShortcut)
                    for (const QKeyCombination key : row.keys)
                        if (key.key() != Qt::Key_unknown) expected.insert(key.toCombined());
            for (const QShortcut* shortcut : window->findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly))
                made.insert(shortcut->key()[0].toCombined());
            EXPECT_EQ(made, expected);
        }
    }
    SkinRemove();
}

// The lines of `page` between the heading `title` and the next heading that
// start with `start`, without their indent.
std::vector<std::string> ListedLines(const std::string& page, const std::string& title, const std::string& start) {
    const size_t from = page.find("<h2>" + title + "</h2>");
    EXPECT_NE(from, std::string::npos) << title;
    std::istringstream section(page.substr(from + 1, page.find("<h2>", from + 1) - from - 1));
    std::vector<std::string> lines;
    for (std::string line; std::getline(section, line);) {
        line.erase(0, line.find_first_not_of(' '));
        if (line.rfind(start, 0) == 0) lines.push_back(line);
    }
    return lines;
}

TEST(HelpPage, ListsEveryCategoryOfTheColumnAndEveryKeyLineForLine) {
    std::ifstream in(CORVESSA_SHIPPED_HELP);
    const std::string page((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> categories, keys;
    for (const int number : kCategoryColumn) {
        const Category& category = *FindCategory(number);
        categories.push_back("<dt>" + std::string(category.caption) + "</dt><dd>" + std::string(category.help) +
                             ".</dd>");
    }
    EXPECT_EQ(ListedLines(page, "The sixteen categories", "<dt>"), categories);
    for (const ActionRow& row : ActionRows()) keys.push_back(HelpLine(row).toStdString());
    EXPECT_EQ(ListedLines(page, "Keys", "<tr><td>"), keys);
    for (const char* word : {"Apply", "Undo", "Change Color", "Save", "*.jpg", "*.bmp"})
        EXPECT_NE(page.find(word), std::string::npos) << word;
}

}  // namespace
