#include "shell/main_columns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <string>
#include <vector>

#include "edit/geometry.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/undo_pictures.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"
#include "widgets/mirror.h"

namespace corvessa {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A tool button that runs `action`, captioned as the user knows the action.
QPushButton* MakeToolButton(QWidget* tools, const char* name, Action action, int top) {
    return MakeButton(tools, name, ActionName(RowOf(action)), QRect(16, top, 75, 25));
}

}  // namespace

CategoryColumn MakeCategoryColumn(QWidget& window, QObject* context, const std::function<void(int)>& pressed) {
    CategoryColumn column;
    column.panel = MakePanel(&window, "FlatPanel4", QRect(-2, 2, 126, 487), kDarkOlive);
    // Made from the top of the column down, then the buttons it does not show.
    std::vector<int> order(kCategoryColumn.begin(), kCategoryColumn.end());
    for (const Category& category : kCategories)
        if (ColumnPlace(category.number) < 0) order.push_back(category.number);
    for (size_t i = 0; i < order.size(); ++i) {
        const int number = order[i];
        const Category& category = *FindCategory(number);
        const std::string name(category.buttonName);
        QPushButton* button = MakeButton(column.panel, name.c_str(), AccessibleText::Catalogue(category.caption),
                                         QRect(24, CategoryButtonTop(number), 75, 25));
        button->setProperty("handler", Utf8(category.handlerName));
        button->setToolTip(AccessibleText::Catalogue(category.help));
        button->setStatusTip(button->toolTip());
        NameCategoryButton(*button, category);
        QObject::connect(button, &QPushButton::clicked, context, [pressed, number] { pressed(number); });
        if (ColumnPlace(number) < 0) button->hide();
        column.buttons[i] = button;
    }
    return column;
}

ToolColumn MakeToolColumn(QWidget& window) {
    ToolColumn tools;
    tools.panel = MakePanel(&window, "FlatPanel1", QRect(125, 2, 575, 209), kDarkOlive);
    tools.undo = new TImgBtn(tools.panel);
    tools.undo->setObjectName(QStringLiteral("BtnUndo"));
    tools.undo->SetAutoSize(true);
    // Right to left, "go back" points the other way.
    const auto picture = [rightToLeft = window.layoutDirection() == Qt::RightToLeft](const UndoPictureColours& colours) {
        TBitmap drawn = DrawUndoPicture(colours);
        if (rightToLeft) drawn = TurnAndMirror(drawn, 0, true, false);
        return drawn;
    };
    tools.undo->SetPic(picture(kUndoAtRest));
    tools.undo->SetPicUp(picture(kUndoHover));
    tools.undo->SetPicDown(picture(kUndoPressed));
    // Sized by its picture, then placed.
    PlaceAt(*tools.undo, QPoint(32, 16));
    tools.undo->setToolTip(AccessibleText::ActionName(Action::kUndo));
    tools.undo->setAccessibleName(AccessibleText::ActionName(Action::kUndo));
    tools.undo->setAccessibleDescription(KeysText(Action::kUndo));
    tools.open = MakeToolButton(tools.panel, "BtnOpen", Action::kOpen, 56);
    tools.save = MakeToolButton(tools.panel, "BtnSave", Action::kSave, 84);
    tools.help = MakeToolButton(tools.panel, "BtnHelp", Action::kHelp, 112);
    tools.batch = MakeToolButton(tools.panel, "BtnBatch", Action::kBatch, 140);
    tools.batch->setToolTip(
        QCoreApplication::translate("TFormMain", "One look on many photos (%1)").arg(KeysText(Action::kBatch)));
    tools.edit = MakeToolButton(tools.panel, "BtnEdit", Action::kEdit, 168);
    tools.edit->setToolTip(QCoreApplication::translate("TFormMain", "Crop, turn, straighten and adjust the photo (%1)")
                               .arg(KeysText(Action::kEdit)));
    tools.exportCopy = MakeToolButton(tools.panel, "BtnExport", Action::kExport, 196);
    tools.exportCopy->setToolTip(
        QCoreApplication::translate("TFormMain", "A copy for sharing (%1)").arg(KeysText(Action::kExport)));
    return tools;
}

void OrderForKeys(QWidget& window, const CategoryColumn& column, const std::vector<QWidget*>& editPanel) {
    std::vector<QWidget*> categories(column.buttons.begin(), column.buttons.begin() + qsizetype(kCategoryColumn.size()));
    const auto named = [&window](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); };
    if (QWidget* mine = named("BtnMyLooks")) categories.push_back(mine);
    StepWithArrows(categories);
    std::vector<QWidget*> order = categories;
    for (const char* name : {"BtnAddLook", "BtnPreviousLooks", "BtnNextLooks", "BtnUndo", "BtnOpen", "BtnSave",
                             "BtnHelp", "BtnBatch", "BtnEdit", "BtnExport", "ChkLargeThumbnails", "ChkKeepFaces",
                             "BtnCancelJob"})
        if (QWidget* widget = named(name)) order.push_back(widget);
    // The Edit panel, when it shows, lies where the strip does.
    order.insert(order.end(), editPanel.begin(), editPanel.end());
    for (int n = 1; n <= kEffectCount; ++n)
        if (QWidget* view = window.findChild<QWidget*>(QStringLiteral("ImgView%1").arg(n))) order.push_back(view);
    OrderTabs(order);
}

QCheckBox* MakeKeepFacesBox(QWidget& tools) {
    auto* box = new QCheckBox(QCoreApplication::translate("TFormMain", "Keep faces clear"), &tools);
    box->setObjectName(QStringLiteral("ChkKeepFaces"));
    // At the column's left edge: the longer caption fits the column.
    PlaceAt(*box, QRect(0, 250, 112, 22));
    QPalette light = box->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(light);
    box->setToolTip(QCoreApplication::translate("TFormMain",
                                                "Every look taken back over the faces in the photo, their hair and neck"));
    return box;
}

void MakeHiddenImage(QWidget& window) {
    auto* image = new TImageView(&window);
    image->setObjectName(QStringLiteral("ImgFuzhu"));
    PlaceAt(*image, QRect(160, 0, 49, 49));
    image->SetAutoSize(true);
    image->hide();
}

}  // namespace corvessa
