#pragma once
// The main window's two columns of buttons: the category column on the
// left (FlatPanel4), a button for each category the catalogue shows, and
// the tool column (FlatPanel1) with Undo, Open, Save, Help, Batch, Edit and
// Export, whose panel also holds the photo area.

#include <array>
#include <functional>
#include <vector>

#include "catalogue/catalogue.h"

class QCheckBox;
class QObject;
class QPushButton;
class QWidget;

namespace corvessa {

class TFlatPanel;
class TImgBtn;

// Where a category's button lies in the column: 28 pixels apart from the
// top; a button the column does not show lies at the column's foot.
constexpr int CategoryButtonTop(int category) {
    const int place = ColumnPlace(category);
    return place < 0 ? 464 : 28 + 28 * place;
}

// My Looks lies below the column's last button, whatever the column holds.
inline constexpr int kMyLooksButtonTop = 28 + 28 * int(kCategoryColumn.size());

struct CategoryColumn {
    TFlatPanel* panel = nullptr;
    // In the order they were made: the column from the top down, then the
    // buttons it does not show.
    std::array<QPushButton*, kCategoryCount> buttons{};
};
// The column in `window`: each button is named and captioned by the
// catalogue, its help the tooltip; a press runs `pressed` (category
// number) in `context`.
CategoryColumn MakeCategoryColumn(QWidget& window, QObject* context, const std::function<void(int)>& pressed);

struct ToolColumn {
    TFlatPanel* panel = nullptr;
    TImgBtn* undo = nullptr;
    QPushButton* open = nullptr;
    QPushButton* save = nullptr;
    QPushButton* help = nullptr;
    QPushButton* batch = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* exportCopy = nullptr;
};
ToolColumn MakeToolColumn(QWidget& window);

// The keys' way through the main window, once all its controls are made:
// Up and Down step through the category column and My Looks; Tab goes down
// the category column, then down the tool column, then through the Edit
// panel's `editPanel` (in its order) or along the strip's rows, as the
// window lays them out.
void OrderForKeys(QWidget& window, const CategoryColumn& column, const std::vector<QWidget*>& editPanel);

// The hidden, self-sizing image control of the window (ImgFuzhu); pictures
// are read by the photo readers, not through it.
// The "Keep faces clear" box under the tools (ChkKeepFaces).
QCheckBox* MakeKeepFacesBox(QWidget& tools);
void MakeHiddenImage(QWidget& window);

}  // namespace corvessa
