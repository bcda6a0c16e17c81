// My Looks in the window: the user's .cube tables of a scratch
// XDG_DATA_HOME in the strip, their pages, a broken one with its reason,
// a click rendering the table on the photo, Add Look and dropped tables.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "fake_dialogs.h"
#include "io/jpeg_codec.h"
#include "jpeg_fixtures.h"
#include "io/user_looks.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/my_looks_view.h"
#include "shell/skin.h"
#include "test_support.h"
#include "widgets/image_view.h"
#include "window_jobs.h"

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// Table k: each channel scaled differently, so every table gives other bytes.
std::string Table(int k, const std::string& title = "") {
    return CubeText(3, true,
                    [k](double r, double g, double b, double out[3]) {
                        out[0] = r * (1 - 0.03 * k);
                        out[1] = g;
                        out[2] = 1 - b * (0.5 + 0.02 * k);
                    },
                    title.empty() ? "" : "TITLE \"" + title + "\"\n");
}

TBitmap Through(const std::string& text, const TBitmap& photo) {
    TBitmap out;
    PreparedLut(ParseCubeLut(text, "x")).Apply(photo, out);
    return out;
}

class MyLooksTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.File("pic"));
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(GradientBitmap(200, 150), JpegKind::kColour));
        setenv("XDG_DATA_HOME", data_.Path().c_str(), 1);
        folder_ = UserLooksFolder();
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }
    TFormMain& Form() {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        return *form_;
    }
    template <class W>
    W* Child(const char* name) const {
        W* child = form_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Press(const char* name) {
        Child<QPushButton>(name)->click();
        Settle(*form_);
    }
    int ThumbnailsShown() const {
        int shown = 0;
        for (int n = 1; n <= kThumbnailCount; ++n) shown += form_->ImgView(n)->isHidden() ? 0 : 1;
        return shown;
    }
    TBitmap ThumbPhoto() const {
        TBitmap thumb;
        thumb.SetSize(kThumbSide, kThumbSide);
        thumb.StretchDraw(form_->WorkPhoto());
        return thumb;
    }

    TempDir dir_, data_;
    std::string folder_;
    std::unique_ptr<TFormMain> form_;
    FakeDialogs* dialogs_ = nullptr;
};

// The looks folder behind another user's link: nothing is listed from it
// or copied into it, and the window says why.
TEST_F(MyLooksTest, AFolderBehindAnotherUsersLinkIsNeitherShownNorAddedTo) {
    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root to make";
    TempDir theirs;
    fs::create_directories(theirs.File("looks"));
    WriteText(theirs.File("looks/secret.cube"), Table(1, "Secret"));
    fs::create_symlink(theirs.Path(), data_.File("corvessa"));
    ASSERT_EQ(::lchown(data_.File("corvessa").c_str(), 4321, 4321), 0);
    WriteText(dir_.File("zebra.cube"), Table(20, "Zebra"));
    TFormMain& form = Form();
    dialogs_->cubeAnswers.push_back({dir_.File("zebra.cube")});
    form.MyLooksView().AddLookClick();
    Settle(form);
    EXPECT_TRUE(form.MyLooksModel().Looks().empty());
    EXPECT_FALSE(fs::exists(theirs.File("looks/zebra.cube")));
    EXPECT_EQ(dialogs_->errors, std::vector<std::string>{"My Looks cannot be read or added to: " + data_.File("corvessa") +
                                                         " is a symbolic link of another user \u2014 " + folder_});
    fs::remove(data_.File("corvessa"));
}

}  // namespace

TEST_F(MyLooksTest, AnEmptyFolderShowsWhereTablesGoAndTheButtonSitsBelowTheColumn) {
    TFormMain& form = Form();
    auto* button = Child<QPushButton>("BtnMyLooks");
    EXPECT_EQ(button->text(), "My Looks");
    EXPECT_EQ(button->y(), 28 + 28 * int(kCategoryColumn.size()));
    EXPECT_NE(button->toolTip().indexOf(QString::fromStdString(folder_)), -1);
    Press("BtnMyLooks");
    EXPECT_TRUE(form.MyLooksModel().Shown());
    EXPECT_EQ(ThumbnailsShown(), 0);
    auto* hint = Child<QLabel>("LabelNoLooks");
    EXPECT_FALSE(hint->isHidden());
    EXPECT_NE(hint->text().indexOf(QString::fromStdString(folder_)), -1);
    EXPECT_NE(hint->text().indexOf("Add Look"), -1);
    EXPECT_TRUE(Child<QPushButton>("BtnNextLooks")->isHidden());
    // A category takes the strip back.
    Press("BtnLightA");
    EXPECT_FALSE(form.MyLooksModel().Shown());
    EXPECT_TRUE(hint->isHidden());
    EXPECT_EQ(form.Label(1)->text(), "1");
}

TEST_F(MyLooksTest, TheFolderShowsTenTablesAPageBrokenOnesWithTheirReasonAndAClickRendersTheTable) {
    fs::create_directories(folder_);
    for (int k = 1; k <= 23; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "look%02d.cube", k);
        WriteText(folder_ + name, k == 12 ? "LUT_3D_SIZE 2\n0 0 0\n" : Table(k, k == 2 ? "Teal Night" : ""));
    }
    TFormMain& form = Form();
    Press("BtnMyLooks");
    ASSERT_EQ(form.MyLooksModel().Looks().size(), 23u);
    EXPECT_EQ(form.MyLooksModel().PageText(), "Looks 1-10 of 23");
    EXPECT_EQ(Child<QLabel>("LabelLooksPage")->text(), "Looks 1-10 of 23");
    EXPECT_EQ(ThumbnailsShown(), 10);
    EXPECT_TRUE(SamePixels(form.ImgView(1)->Picture(), Through(Table(1), ThumbPhoto())));
    EXPECT_EQ(form.Label(2)->text(), "Teal Night");
    EXPECT_EQ(form.Label(3)->text(), "look03");

    auto* next = Child<QPushButton>("BtnNextLooks");
    auto* previous = Child<QPushButton>("BtnPreviousLooks");
    EXPECT_FALSE(next->isHidden());
    EXPECT_FALSE(previous->isEnabled());
    Press("BtnNextLooks");
    EXPECT_EQ(form.MyLooksModel().PageText(), "Looks 11-20 of 23");
    // The broken table: a plain thumbnail, its reason as the tooltip.
    const std::string reason =
        "LUT file is not valid: the file is too short for its 8 entries — " + folder_ + "look12.cube";
    EXPECT_EQ(form.Label(2)->text(), "look12");
    EXPECT_NE(form.ImgView(2)->toolTip().indexOf(QString::fromStdString(reason)), -1);
    EXPECT_TRUE(SamePixels(form.ImgView(3)->Picture(), Through(Table(13), ThumbPhoto())));
    form.ThumbnailClick(2);
    Settle(form);
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0], reason);
    EXPECT_FALSE(form.FormPreview()->isVisible());

    Press("BtnNextLooks");
    EXPECT_EQ(form.MyLooksModel().PageText(), "Looks 21-23 of 23");
    EXPECT_EQ(ThumbnailsShown(), 3);
    // Only the page shown holds its tables: a folder of large ones is not
    // kept whole in memory.
    for (size_t i = 0; i < form.MyLooksModel().Looks().size(); ++i) EXPECT_EQ(form.MyLooksModel().Looks()[i].table != nullptr, i >= 20) << i;
    EXPECT_FALSE(next->isEnabled());
    Press("BtnNextLooks");  // past the last page: stays
    EXPECT_EQ(form.MyLooksModel().Page(), 2);
    Press("BtnPreviousLooks");
    Press("BtnPreviousLooks");
    EXPECT_EQ(form.MyLooksModel().Page(), 0);

    // A click renders the table on the full-size photo.
    const TBitmap work = Copy(form.WorkPhoto());
    form.ThumbnailClick(2);
    Settle(form);
    EXPECT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), Through(Table(2), work)));
    EXPECT_TRUE(form.FormPreview()->BtnColor()->isHidden());
    EXPECT_EQ(form.FormPreview()->windowTitle(), "Preview - My Looks: Teal Night");
    ASSERT_TRUE(form.Session().PreviewLook().user.has_value());
    EXPECT_EQ(form.Session().PreviewLook().user->name, "Teal Night");
    form.FormPreview()->BtnApply()->click();
    Settle(form);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), Through(Table(2), work)));
    EXPECT_NE(Child<QLabel>("LabelStatus")->text().indexOf("Applied My Looks: Teal Night"), -1);
    form.BtnUndoClick();
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));
}

TEST_F(MyLooksTest, AddLookAndDroppedTablesAreCopiedInAndShownAtTheirPage) {
    fs::create_directories(folder_);
    for (int k = 1; k <= 12; ++k) WriteText(folder_ + "a" + std::to_string(k + 10) + ".cube", Table(k));
    WriteText(dir_.File("zebra.cube"), Table(20, "Zebra"));
    WriteText(dir_.File("bad.cube"), "LUT_1D_SIZE 2\n0 0 0\n");
    TFormMain& form = Form();
    dialogs_->cubeAnswers.push_back({dir_.File("bad.cube"), dir_.File("zebra.cube")});
    form.MyLooksView().AddLookClick();
    Settle(form);
    EXPECT_TRUE(fs::exists(folder_ + "zebra.cube"));
    EXPECT_FALSE(fs::exists(folder_ + "bad.cube"));
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_NE(dialogs_->errors[0].find(dir_.File("bad.cube")), std::string::npos) << dialogs_->errors[0];
    // The page of the first table added: zebra is the 13th.
    EXPECT_TRUE(form.MyLooksModel().Shown());
    EXPECT_EQ(form.MyLooksModel().PageText(), "Looks 11-13 of 13");
    EXPECT_EQ(form.Label(3)->text(), "Zebra");

    // Dropped tables go the same way; a dropped photo beside them is passed over.
    WriteText(dir_.File("dropped.cube"), Table(7, "Dropped"));
    EXPECT_TRUE(DropFiles(form, {dir_.File("dropped.cube"), dir_.File("pic/sample.jpg")}));
    EXPECT_TRUE(fs::exists(folder_ + "dropped.cube"));
    EXPECT_EQ(form.MyLooksModel().Looks().size(), 14u);
    EXPECT_EQ(form.MyLooksModel().Page(), 1);  // "a..." before "dropped" and "zebra"
    EXPECT_EQ(form.Label(3)->text(), "Dropped");
    EXPECT_EQ(form.PhotoPath(), "");  // the photo was not opened
}
