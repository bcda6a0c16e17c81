// The windows without a mouse or without sight: every control a screen
// reader reaches has a name, the names of looks and categories come from
// the catalogue, Tab follows the layout, the category column answers the
// arrow keys, and a photo goes from Open to Save by keys alone.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "fake_dialogs.h"
#include "io/photo_files.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "shell/edit_panel.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
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
