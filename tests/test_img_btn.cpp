#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <string>

#include "shell/undo_pictures.h"
#include "test_support.h"
#include "widgets/img_btn.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

const Rgb kRest{10, 10, 10}, kHover{20, 20, 20}, kDown{30, 30, 30};

// Drives a button with the events the platform would send and records
// what it shows and fires.
class ImgBtnTest : public testing::Test {
protected:
    void SetUp() override {
        button_.SetPic(SolidBitmap(8, 6, kRest));
        button_.SetPicUp(SolidBitmap(8, 6, kHover));
        button_.SetPicDown(SolidBitmap(8, 6, kDown));
        button_.resize(8, 6);
        connect(&TImgBtn::clicked, "click");
        connect(&TImgBtn::OnMouseEnter, "enter");
        connect(&TImgBtn::OnMouseLeave, "leave");
        connect(&TImgBtn::OnMouseDown, "down");
        connect(&TImgBtn::OnMouseUp, "up");
    }

    template <class Signal>
    void connect(Signal signal, std::string what) {
        QObject::connect(&button_, signal, &button_, [this, what] { log_ += what + "(" + Shown() + ") "; });
    }

    std::string Shown() const {
        const TBitmap& p = button_.Picture();
        if (p.Empty()) return "none";
        const Rgb c = PixelAt(p, 0, 0);
        return c == kRest ? "rest" : c == kHover ? "hover" : c == kDown ? "down" : "other";
    }

    void Enter() {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(&button_, &e);
    }
    void Leave() {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&button_, &e);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, at, button_.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(&button_, &e);
    }
    void Press() { Mouse(QEvent::MouseButtonPress, QPoint(2, 2)); }
    void Release(QPoint at = QPoint(2, 2)) { Mouse(QEvent::MouseButtonRelease, at); }

    TImgBtn button_;
    std::string log_;
};

TEST_F(ImgBtnTest, RestHoverPressAndRelease) {
    EXPECT_EQ(Shown(), "rest");
    Enter();
    EXPECT_EQ(Shown(), "hover");
    Press();
    EXPECT_EQ(Shown(), "down");
    Release();
    EXPECT_EQ(Shown(), "hover");
    Leave();
    EXPECT_EQ(Shown(), "rest");
    // On release the click runs before the picture turns, then OnMouseUp.
    EXPECT_EQ(log_, "enter(hover) down(down) click(down) up(hover) leave(rest) ");
}

TEST_F(ImgBtnTest, DraggingOutAndBackWhilePressed) {
    Enter();
    Press();
    Leave();
    EXPECT_EQ(Shown(), "rest");
    Enter();
    EXPECT_EQ(Shown(), "down");
    Leave();
    Release(QPoint(50, 50));
    EXPECT_EQ(Shown(), "rest");
    EXPECT_EQ(log_.find("click"), std::string::npos) << log_;
}

TEST_F(ImgBtnTest, MovesOutsideWhilePressedCountAsLeaving) {
    Enter();
    Press();
    Mouse(QEvent::MouseMove, QPoint(40, 2));
    EXPECT_EQ(Shown(), "rest");
    Mouse(QEvent::MouseMove, QPoint(3, 3));
    EXPECT_EQ(Shown(), "down");
    EXPECT_EQ(log_, "enter(hover) down(down) leave(rest) enter(down) ");
}

TEST_F(ImgBtnTest, APressWithoutThePointerInsideKeepsThePicture) {
    Press();
    EXPECT_EQ(Shown(), "rest");
    Release();
    EXPECT_EQ(Shown(), "rest");
}

TEST_F(ImgBtnTest, OtherButtonsDoNotSwapPictures) {
    Enter();
    Mouse(QEvent::MouseButtonPress, QPoint(2, 2), Qt::RightButton);
    EXPECT_EQ(Shown(), "hover");
    EXPECT_EQ(log_, "enter(hover) ");
}

TEST_F(ImgBtnTest, UnsupportedIsAPlainPictureWithAClick) {
    button_.SetSupported(false);
    Enter();
    Press();
    EXPECT_EQ(Shown(), "rest");
    Release();
    Leave();
    EXPECT_EQ(Shown(), "rest");
    EXPECT_EQ(log_, "click(rest) ");
}

TEST_F(ImgBtnTest, ADisabledButtonHoversButNeverPressesOrClicks) {
    button_.setEnabled(false);
    Enter();
    EXPECT_EQ(Shown(), "hover");
    Press();
    Release();
    EXPECT_EQ(Shown(), "hover");
    EXPECT_EQ(log_, "enter(hover) ");
}

TEST_F(ImgBtnTest, AnEmptyHoverPictureShowsNothing) {
    button_.SetPicUp(TBitmap());
    Enter();
    EXPECT_EQ(Shown(), "none");
    Leave();
    EXPECT_EQ(Shown(), "rest");
}

TEST_F(ImgBtnTest, SettingPicShowsItAtOnceTheOthersOnlyStore) {
    Enter();
    button_.SetPicDown(SolidBitmap(8, 6, kRest));
    EXPECT_EQ(Shown(), "hover");
    button_.SetPic(SolidBitmap(8, 6, kDown));
    EXPECT_EQ(Shown(), "down");
}

TEST(ImgBtn, SizesItselfToItsPicturesWithAutoSize) {
    TImgBtn button;
    button.SetAutoSize(true);
    button.SetPic(DrawUndoPicture(kUndoAtRest));
    EXPECT_EQ(button.size(), QSize(38, 30));
}

TEST(UndoPictures, ArrowOverTwoToneStripesInTheGivenColours) {
    for (const UndoPictureColours& c : {kUndoAtRest, kUndoHover, kUndoPressed}) {
        const TBitmap picture = DrawUndoPicture(c);
        ASSERT_EQ(picture.Width(), 38);
        ASSERT_EQ(picture.Height(), 30);
        // Stripes fill the corners; the arrow colour appears in full.
        EXPECT_EQ(PixelAt(picture, 0, 0), c.stripe1);
        EXPECT_EQ(PixelAt(picture, 37, 29), c.stripe2);
        EXPECT_EQ(PixelAt(picture, 0, 3), c.stripe2);
        int arrow = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 38; ++x) arrow += PixelAt(picture, x, y) == c.arrow;
        EXPECT_GT(arrow, 60);
        // The head points back: arrow pixels reach further left than right.
        int leftmost = 38, rightmost = -1;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 38; ++x)
                if (PixelAt(picture, x, y) == c.arrow) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
        EXPECT_LT(leftmost, 38 - 1 - rightmost);
    }
}

}  // namespace
