// The windows without a mouse or without sight: every control a screen
// reader reaches has a name (in the main window, the preview, the Edit
// panel, each page of the batch dialog, the Export dialog and the help
// window), the names of looks and categories come from the catalogue, Tab
// follows the layout in each, the category column answers the arrow keys,
// and a photo goes from Open to Save by keys alone.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>
#include <filesystem>
#include <functional>

#include "catalogue/catalogue.h"
#include "fake_dialogs.h"
#include "io/photo_files.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "edit/edit.h"
#include "shell/edit_panel.h"
#include "shell/form_batch.h"
#include "shell/form_export.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "test_support.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"
#include "window_jobs.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// What a screen reader hears for `widget`, through Qt's accessibility
// interface as the AT-SPI bridge reads it.
QString HeardName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}
QString HeardDescription(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

// A control the user works: reached by Tab or clicked. A scroll bar is
// its list's, which has the name.
bool Interactive(const QWidget* widget) {
    if (qobject_cast<const QScrollBar*>(widget)) return false;
    return (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const TImageView*>(widget);
}

// Every interactive control under `root` without a name, shown or not.
QStringList Unnamed(QWidget& root) {
    QStringList unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        // The hidden helper image never shows; a window of its own (the
        // preview) is walked by itself, but a combo box's popup list is the box's.
        const bool popup = widget->window()->windowType() == Qt::Popup;
        if (widget->objectName() == QStringLiteral("ImgFuzhu") || (widget->window() != root.window() && !popup))
            continue;
        if (Interactive(widget) && HeardName(widget).trimmed().isEmpty())
            unnamed << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                       : widget->objectName());
    }
    return unnamed;
}

// The control the keys work when `focused` has the focus: a spin box for
// its field.
QWidget* KeyOwner(QWidget* focused) {
    if (focused && qobject_cast<QAbstractSpinBox*>(focused->parentWidget())) return focused->parentWidget();
    return focused;
}

// Whether `after` lies where the eye goes next from `before` in their
// window: lower down, or to the right (a row goes on, or the next column
// starts at the top).
bool ComesAfter(const QWidget& before, const QWidget& after) {
    const QWidget* window = before.window();
    const QRect a(before.mapTo(window, QPoint(0, 0)), before.size());
    const QRect b(after.mapTo(window, QPoint(0, 0)), after.size());
    constexpr int kSlack = 3;
    return b.top() >= a.bottom() - kSlack || b.left() >= a.right() - kSlack;
}

class AccessibilityTest : public testing::Test {
protected:
    void SetUp() override {
        MakePictureFolder(dir_.Path() + "/", 12);
        // The shipped skin, whose style has to draw the focus.
        std::filesystem::copy_file(CORVESSA_SHIPPED_SKIN, dir_.File("beryl.urf"));
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(RandomBitmap(48, 36, 7), JpegKind::kColour));
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        preview_ = form_->FormPreview();
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }
    QWidget* Named(const QString& name) const { return form_->findChild<QWidget*>(name); }
    QPushButton* CategoryButton(int category) const {
        return form_->findChild<QWidget*>(QStringLiteral("FlatPanel4"))
            ->findChild<QPushButton*>(Utf8(FindCategory(category)->buttonName));
    }
    void ShowWindow() {
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    // The window's activation may arrive after the focus is asked for.
    void Focus(QWidget* widget) {
        for (int i = 0; i < 100 && QApplication::focusWidget() != widget; ++i) {
            widget->setFocus(Qt::TabFocusReason);
            QTest::qWait(10);
        }
        ASSERT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
    }
    QString FocusedName() const {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }

    void ShowWindow(QWidget* window) {
        window->show();
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
    }
    // The batch dialog on `page` (0 settings, 1 progress, 2 summary), a
    // photo listed.
    QWidget* BatchPage(int page) {
        form_->BtnBatchClick();
        TFormBatch* batch = form_->FormBatch();
        batch->AddPhotos({dir_.File("pic/sample.jpg")});
        batch->findChild<QStackedWidget*>()->setCurrentIndex(page);
        return batch;
    }
    QWidget* ExportDialog() {
        form_->BtnExportClick();
        Settle(*form_);
        return form_->FormExport();
    }

    TempDir dir_;
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<TFormMain> form_;
    TFormPreview* preview_ = nullptr;
};

TEST_F(AccessibilityTest, EveryControlOfTheMainWindowThePreviewAndTheEditPanelHasAName) {
    // Before any strip, with a strip and its preview, and My Looks' buttons
    // hidden or not: nothing a screen reader reaches is nameless.
    EXPECT_EQ(Unnamed(*form_).join(QStringLiteral(", ")).toStdString(), "");
    CategoryButton(1)->click();
    Settle(*form_);
    form_->ThumbnailClick(3);
    Settle(*form_);
    ASSERT_TRUE(preview_->isVisible());
    EXPECT_EQ(Unnamed(*form_).join(QStringLiteral(", ")).toStdString(), "");
    EXPECT_EQ(Unnamed(*preview_).join(QStringLiteral(", ")).toStdString(), "");
    form_->EditPanel().Open();
    Settle(*form_);
    EXPECT_EQ(Unnamed(*form_).join(QStringLiteral(", ")).toStdString(), "");
}

TEST_F(AccessibilityTest, EveryControlOfTheBatchExportAndHelpWindowsHasAName) {
    QWidget* batch = BatchPage(0);
    auto* pages = batch->findChild<QStackedWidget*>();
    ASSERT_EQ(pages->count(), 3);
    for (int page = 0; page < pages->count(); ++page)
        EXPECT_EQ(Unnamed(*pages->widget(page)).join(QStringLiteral(", ")).toStdString(), "") << "page " << page;
    QWidget* exporting = ExportDialog();
    ASSERT_NE(exporting, nullptr);
    EXPECT_EQ(Unnamed(*exporting).join(QStringLiteral(", ")).toStdString(), "");
    THelpWindow help(form_.get());
    EXPECT_EQ(Unnamed(help).join(QStringLiteral(", ")).toStdString(), "");

    // What a screen reader hears for a few of them; a spin box's field and a
    // drop-down's list by the control's name.
    const auto field = [](QWidget* spin) { return spin->findChild<QLineEdit*>(); };
    const auto list = [](QWidget* combo) { return static_cast<QWidget*>(qobject_cast<QComboBox*>(combo)->view()); };
    QWidget* longEdge = batch->findChild<QWidget*>(QStringLiteral("SpinLongEdge"));
    QWidget* format = batch->findChild<QWidget*>(QStringLiteral("ComboFormat"));
    const struct {
        QWidget* widget;
        const char* name;
    } cases[] = {
        {batch->findChild<QWidget*>(QStringLiteral("ListPhotos")), "Photos"},
        {batch->findChild<QWidget*>(QStringLiteral("ListFailures")), "Photos that failed"},
        {longEdge, "Longer side"},
        {field(longEdge), "Longer side"},
        {list(format), "Format"},
        {batch->findChild<QWidget*>(QStringLiteral("SliderBatchShadows")), "Shadows"},
        {exporting->findChild<QWidget*>(QStringLiteral("BtnExportFolder")), "Choose the folder"},
        {help.findChild<QWidget*>(QStringLiteral("HelpBrowser")), "Help page"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.widget, nullptr) << c.name;
        EXPECT_EQ(HeardName(c.widget).toStdString(), c.name);
    }
    EXPECT_FALSE(HeardDescription(batch->findChild<QWidget*>(QStringLiteral("ListPhotos"))).isEmpty());
    // A drop-down is heard by its choice; its own name is for its list and
    // for the screen readers that ask for it.
    EXPECT_EQ(batch->findChild<QWidget*>(QStringLiteral("ComboBatchTurn"))->accessibleName().toStdString(), "Turn");
}

TEST_F(AccessibilityTest, TabFollowsTheLayoutOfEveryWindowAndPanel) {
    ShowWindow();
    QStringList editPanel{"CropFrame", "ComboCropShape", "BtnTurnLeft", "BtnTurnRight", "BtnFlipHorizontal",
                          "BtnFlipVertical", "SliderStraighten"};
    QStringList batchEdits{"ComboBatchCrop", "ComboBatchTurn", "CheckBatchAuto"};
    for (const Adjustment& row : kAdjustments) {
        editPanel << QStringLiteral("Slider") + Utf8(row.label);
        batchEdits << QStringLiteral("SliderBatch") + Utf8(row.label);
    }
    editPanel << QStringList{"BtnEditAuto", "BtnEditReset", "BtnEditCancel", "BtnEditApply"};
    const struct {
        const char* what;
        std::function<QWidget*()> open;  // the window, with what it holds shown
        QStringList order;               // as laid out; the hidden and disabled are passed over
    } cases[] = {
        {"preview",
         [this] {
             CategoryButton(1)->click();
             Settle(*form_);
             form_->ThumbnailClick(3);
             Settle(*form_);
             return static_cast<QWidget*>(preview_);
         },
         {"SliderStrength", "BtnCompare", "BtnColor", "BtnApply", "BtnCancel"}},
        {"Edit panel",
         [this] {
             form_->EditPanel().Open();
             Settle(*form_);
             return static_cast<QWidget*>(form_.get());
         },
         editPanel},
        {"batch settings", [this] { return BatchPage(0); },
         QStringList{"ListPhotos", "BtnAddFiles", "BtnAddFolder", "BtnRemove", "EditFolder", "BtnFolder",
                     "ComboFormat", "EditName", "CheckSkip", "SpinLongEdge", "CheckSrgb", "CheckNoLocation",
                     "RadioPreviewLook", "RadioChooseLook", "ComboCategory", "ListLooks", "RadioCubeFile",
                     "EditCubeFile", "BtnCubeFile", "CheckColour", "BtnColour", "SliderStrength", "CheckKeepFaces"} +
             batchEdits + QStringList{"BtnStart", "BtnClose"}},
        {"batch progress", [this] { return BatchPage(1); }, {"ListDone", "BtnCancel"}},
        {"batch summary", [this] { return BatchPage(2); },
         {"ListFailures", "ListWarnings", "BtnOpenFolder", "BtnNewBatch", "BtnCloseSummary"}},
        {"Export", [this] { return ExportDialog(); },
         {"ExportFormat", "ExportQuality", "ExportSizeKind", "ExportSizeValue", "ExportSrgb", "ExportStripLocation",
          "ExportStripMetadata", "ExportFolder", "BtnExportFolder", "ExportName", "BtnExportWrite", "BtnExportClose"}},
        {"help", [this] { return static_cast<QWidget*>(new THelpWindow(form_.get())); }, {"HelpBrowser"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* window = c.open();
        ASSERT_NE(window, nullptr);
        ShowWindow(window);
        std::vector<QWidget*> expected;
        for (const QString& name : c.order) {
            auto* widget = window->findChild<QWidget*>(name);
            ASSERT_NE(widget, nullptr) << name.toStdString();
            // Of a group of radio buttons Tab reaches the one chosen; the
            // arrow keys choose another.
            const auto* radio = qobject_cast<QRadioButton*>(widget);
            if (widget->isVisible() && widget->isEnabled() && (!radio || radio->isChecked()))
                expected.push_back(widget);
        }
        ASSERT_FALSE(expected.empty());
        for (int i = 0; i < 100 && KeyOwner(QApplication::focusWidget()) != expected.front(); ++i) {
            expected.front()->setFocus(Qt::TabFocusReason);
            QTest::qWait(10);
        }
        std::vector<QWidget*> reached{KeyOwner(QApplication::focusWidget())};
        for (size_t i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.push_back(KeyOwner(QApplication::focusWidget()));
        }
        const auto names = [](const std::vector<QWidget*>& widgets) {
            QStringList names;
            for (const QWidget* widget : widgets) names << (widget ? widget->objectName() : QStringLiteral("-"));
            return names.join(QLatin1Char(' ')).toStdString();
        };
        EXPECT_EQ(names(reached), names(expected));
        for (size_t i = 1; i < expected.size(); ++i)
            EXPECT_TRUE(ComesAfter(*expected[i - 1], *expected[i]))
                << expected[i - 1]->objectName().toStdString() << " " << expected[i]->objectName().toStdString();
    }
    form_->EditPanel().Cancel();
}

TEST_F(AccessibilityTest, NamesComeFromTheCatalogueAndTheActionTable) {
    const Category& lightA = *FindCategory(1);
    CategoryButton(1)->click();
    Settle(*form_);
    auto* strength = preview_->findChild<QSlider*>(QStringLiteral("SliderStrength"));
    ASSERT_NE(strength, nullptr);
    strength->setValue(40);
    const struct {
        QWidget* widget;
        QString name, description;
    } cases[] = {
        {form_->ImgView(3), QStringLiteral("Light A, look 3: ") + Utf8(lightA.lookNames[2]), Utf8(lightA.help)},
        {form_->ImgView(10), QStringLiteral("Light A, look 10: ") + Utf8(lightA.lookNames[9]), Utf8(lightA.help)},
        {CategoryButton(1), Utf8(lightA.caption), Utf8(lightA.help)},
        {CategoryButton(16), Utf8(FindCategory(16)->caption), Utf8(FindCategory(16)->help)},
        {form_->BtnUndo(), QStringLiteral("Undo"), QStringLiteral("Ctrl+Z")},
        {Named(QStringLiteral("BtnNextLooks")), QStringLiteral("Next looks"), QString()},
        {Named(QStringLiteral("BtnPreviousLooks")), QStringLiteral("Previous looks"), QString()},
        {strength, QStringLiteral("Strength 40 %"), QString()},
        {Named(QStringLiteral("SliderStraighten")), QStringLiteral("Straighten"), QString()},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.widget, nullptr) << c.name.toStdString();
        EXPECT_EQ(HeardName(c.widget).toStdString(), c.name.toStdString());
        if (!c.description.isNull()) {
            EXPECT_EQ(HeardDescription(c.widget).toStdString(), c.description.toStdString()) << c.name.toStdString();
        }
    }
    // A thumbnail is a button a screen reader can press.
    QAccessibleInterface* thumbnail = QAccessible::queryAccessibleInterface(form_->ImgView(2));
    EXPECT_EQ(thumbnail->role(), QAccessible::Button);
    ASSERT_NE(thumbnail->actionInterface(), nullptr);
    thumbnail->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle(*form_);
    EXPECT_EQ(form_->CurrentEffect(), 2);
    EXPECT_TRUE(preview_->isVisible());
    // On Linux a combo box's name is its choice; its label comes as the
    // control it labels.
    QAccessibleInterface* shape = QAccessible::queryAccessibleInterface(Named(QStringLiteral("ComboCropShape")));
    QStringList labels;
    for (const auto& [label, relation] : shape->relations(QAccessible::Label)) labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels.join(QStringLiteral("|")).toStdString(), "Crop");
    // The photo view says what it shows and at which zoom, and follows the zoom.
    TImageView* photo = form_->ImgEffect();
    EXPECT_FALSE(HeardName(photo).isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(photo)->role(), QAccessible::Graphic);
    EXPECT_TRUE(HeardDescription(photo).contains(QStringLiteral("Fit"))) << HeardDescription(photo).toStdString();
    photo->ZoomToActualSize();
    EXPECT_TRUE(HeardDescription(photo).contains(QStringLiteral("100 %"))) << HeardDescription(photo).toStdString();
}

TEST_F(AccessibilityTest, TabGoesDownTheCategoryColumnThenTheToolsThenAlongTheStrip) {
    ShowWindow();
    CategoryButton(1)->click();
    Settle(*form_);
    QStringList expected;
    for (int category : kCategoryColumn) expected << Utf8(FindCategory(category)->buttonName);
    expected << QStringLiteral("BtnMyLooks");
    // The buttons of My Looks that show, then the tool column from the top down.
    for (const char* name : {"BtnAddLook", "BtnPreviousLooks", "BtnNextLooks", "BtnUndo", "BtnOpen", "BtnSave",
                             "BtnHelp", "BtnBatch", "BtnEdit", "BtnExport", "ChkLargeThumbnails", "ChkKeepFaces",
                             "BtnCancelJob"})
        if (QWidget* widget = Named(QString::fromLatin1(name)); widget->isVisible() && widget->isEnabled())
            expected << QString::fromLatin1(name);
    for (int n = 1; n <= kEffectCount; ++n) expected << QStringLiteral("ImgView%1").arg(n);

    Focus(CategoryButton(kCategoryColumn.front()));
    QStringList reached{FocusedName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << FocusedName();
    }
    EXPECT_EQ(reached.join(QStringLiteral(" ")).toStdString(), expected.join(QStringLiteral(" ")).toStdString());
    // Each column's controls, in the order Tab reaches them, lie from the top down.
    for (qsizetype i = 1; i < reached.size(); ++i) {
        QWidget* before = Named(reached[i - 1]);
        QWidget* after = Named(reached[i]);
        if (before->parentWidget() == after->parentWidget() && !reached[i].startsWith(QStringLiteral("ImgView"))) {
            EXPECT_LE(before->y(), after->y()) << reached[i - 1].toStdString() << " " << reached[i].toStdString();
        }
    }
}

TEST_F(AccessibilityTest, ArrowKeysStepThroughTheCategoryColumn) {
    ShowWindow();
    const QString first = Utf8(FindCategory(kCategoryColumn[0])->buttonName);
    const QString second = Utf8(FindCategory(kCategoryColumn[1])->buttonName);
    const QString last = Utf8(FindCategory(kCategoryColumn.back())->buttonName);
    const struct {
        Qt::Key key;
        QString from, to;
    } cases[] = {
        {Qt::Key_Down, first, second},
        {Qt::Key_Up, second, first},
        {Qt::Key_Up, first, first},  // nothing above the top
        {Qt::Key_Down, last, QStringLiteral("BtnMyLooks")},
        {Qt::Key_Down, QStringLiteral("BtnMyLooks"), QStringLiteral("BtnMyLooks")},
        {Qt::Key_Up, QStringLiteral("BtnMyLooks"), last},
    };
    for (const auto& c : cases) {
        Focus(Named(c.from));
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_EQ(FocusedName().toStdString(), c.to.toStdString()) << c.from.toStdString() << " " << c.key;
    }
    // A disabled button is stepped over.
    Named(second)->setEnabled(false);
    Focus(Named(first));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(FocusedName().toStdString(), Utf8(FindCategory(kCategoryColumn[2])->buttonName).toStdString());
}

TEST_F(AccessibilityTest, TheSkinShowsWhichControlHasTheFocus) {
    ShowWindow();
    CategoryButton(1)->click();
    Settle(*form_);
    QWidget* resting = Named(QStringLiteral("BtnHelp"));
    for (QWidget* widget : {static_cast<QWidget*>(CategoryButton(16)), Named(QStringLiteral("BtnOpen")),
                            static_cast<QWidget*>(form_->ImgView(1)), Named(QStringLiteral("ChkLargeThumbnails"))}) {
        Focus(resting);
        const QImage before = widget->grab().toImage();
        Focus(widget);
        const QImage focused = widget->grab().toImage();
        EXPECT_NE(before, focused) << widget->objectName().toStdString();
    }
}

TEST_F(AccessibilityTest, APhotoGoesFromOpenToSaveByKeysAlone) {
    const std::string photo = dir_.File("photo.jpg"), saved = dir_.File("saved.bmp");
    WriteBytes(photo, MakeJpeg(RandomBitmap(40, 30, 3), JpegKind::kColour));
    dialogs_->openAnswers.push_back(photo);
    dialogs_->saveAnswers.push_back(SaveChoice{saved, kSaveFilterBmp});
    ShowWindow();
    Focus(CategoryButton(kCategoryColumn.front()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    Settle(*form_);
    ASSERT_EQ(form_->PhotoPath(), photo);
    // Down the column to Light A, Space shows its strip.
    Focus(CategoryButton(kCategoryColumn.front()));
    while (FocusedName() != Utf8(FindCategory(1)->buttonName) && FocusedName() != QStringLiteral("BtnMyLooks"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    Settle(*form_);
    ASSERT_EQ(form_->CurrentCategory(), 1);
    // Tab to the strip, Right to the second look, Enter opens it.
    for (int i = 0; i < 40 && FocusedName() != QStringLiteral("ImgView1"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(FocusedName().toStdString(), "ImgView1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Settle(*form_);
    ASSERT_TRUE(preview_->isVisible());
    EXPECT_EQ(form_->CurrentEffect(), 2);
    QTest::keyClick(preview_, Qt::Key_Return);
    Settle(*form_);
    EXPECT_EQ(form_->UndoSteps(), 1);
    ShowWindow();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    Settle(*form_);
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_TRUE(dialogs_->errors.empty()) << dialogs_->errors.front();
}

}  // namespace
