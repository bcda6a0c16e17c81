// Right to left (`-reverse`, or a language written that way) every window
// is the mirror of itself left to right: each control at its parent's
// width less its left edge and width, whether placed by hand or by a
// layout, with nothing over anything else and no text cut. (A control not
// shown is laid out when it shows.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <cstring>
#include <map>
#include <vector>

#include "fake_dialogs.h"
#include "shell/form_main.h"
#include "shell/skin.h"
#include "test_support.h"
#include "widgets/img_btn.h"
#include "window_checks.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

struct Placed {
    QRect geometry;
    int parentWidth;
};

class RightToLeft : public testing::Test {
protected:
    void SetUp() override { MakeWindowFolder(dir_.Path() + "/"); }
    void TearDown() override {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        SkinRemove();
    }

    // Every control shown in every window as it lies under `direction`, by
    // window and path; what is cut or overlaps there is a failure.
    std::map<QString, Placed> Places(Qt::LayoutDirection direction) {
        QApplication::setLayoutDirection(direction);
        std::map<QString, Placed> places;
        VisitWindows(dir_.Path() + "/", [&](const QString& name, QWidget& window) {
            for (QWidget* widget : window.findChildren<QWidget*>())
                if (widget->window() == &window && widget->isVisible())
                    places[name + u' ' + PathOf(*widget)] = {widget->geometry(), widget->parentWidget()->width()};
            if (direction != Qt::RightToLeft) return;
            for (const std::string& cut : TextsCut(window)) ADD_FAILURE() << name.toStdString() << ": text cut: " << cut;
            for (const std::string& overlap : Overlaps(window))
                ADD_FAILURE() << name.toStdString() << ": overlap: " << overlap;
        });
        QApplication::setLayoutDirection(Qt::LeftToRight);
        return places;
    }

    TempDir dir_;
};

TEST_F(RightToLeft, EveryWindowIsTheMirrorOfItselfLeftToRight) {
    const std::map<QString, Placed> left = Places(Qt::LeftToRight), right = Places(Qt::RightToLeft);
    ASSERT_EQ(left.size(), right.size());
    int mirrored = 0;
    for (const auto& [path, ltr] : left) {
        const auto rtl = right.find(path);
        ASSERT_NE(rtl, right.end()) << path.toStdString();
        const QRect& g = ltr.geometry;
        EXPECT_EQ(rtl->second.parentWidth, ltr.parentWidth) << path.toStdString();
        const QRect expected(ltr.parentWidth - g.x() - g.width(), g.y(), g.width(), g.height());
        EXPECT_EQ(rtl->second.geometry, expected) << path.toStdString() << " left to right at " << g.x();
        if (g.width() > 0 && 2 * g.x() + g.width() != ltr.parentWidth) ++mirrored;
    }
    // Not a window of controls centred in their parents.
    EXPECT_GT(mirrored, 100);
}

// "Go back" points to where the reading came from.
TEST_F(RightToLeft, TheUndoArrowPointsTheOtherWay) {
    std::vector<TBitmap> arrows;
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QApplication::setLayoutDirection(direction);
        TFormMain form(dir_.Path() + "/", std::make_unique<FakeDialogs>(), QSize(1024, 768));
        arrows.emplace_back().CopyFrom(form.BtnUndo()->Pic());
    }
    const TBitmap &left = arrows[0], &right = arrows[1];
    ASSERT_EQ(left.Width(), right.Width());
    int differ = 0;
    for (int y = 0; y < left.Height(); ++y)
        for (int x = 0; x < left.Width(); ++x) {
            EXPECT_EQ(std::memcmp(left.Pixel(x, y), right.Pixel(left.Width() - 1 - x, y), 3), 0) << x << "," << y;
            differ += std::memcmp(left.Pixel(x, y), right.Pixel(x, y), 3) != 0;
        }
    EXPECT_GT(differ, 0);
}

}  // namespace
