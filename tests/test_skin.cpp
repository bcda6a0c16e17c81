#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "shell/skin.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

std::string WriteText(const TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.File(name);
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    return path;
}

class Skin : public testing::Test {
protected:
    void TearDown() override { SkinRemove(); }
    TempDir dir_;
};

TEST_F(Skin, StartAppliesTheSheetAndRemoveTakesItAway) {
    const std::string sheet = "QPushButton { background-color: #9fd3b6; }";
    SkinStart(WriteText(dir_, "beryl.urf", sheet));
    EXPECT_EQ(qApp->styleSheet().toStdString(), sheet);

    SkinRemove();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST_F(Skin, MissingOrBrokenSkinsLeaveTheDefaultLook) {
    SkinStart(dir_.File("missing.urf"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SkinStart(WriteText(dir_, "open.urf", "QPushButton { color: red;"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SkinStart(WriteText(dir_, "binary.urf", std::string("\x89PNG\r\n\x1a\n\0\0\0", 11)));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SkinStart(WriteText(dir_, "latin1.urf", "QLabel { color: \xe9; }"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SkinStart(WriteText(dir_, "empty.urf", ""));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    SkinStart(dir_.Path());  // a folder, not a file
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST(LooksLikeStyleSheet, TellsSheetsFromBrokenText) {
    EXPECT_TRUE(LooksLikeStyleSheet(QStringLiteral("QLabel { color: red; }")));
    EXPECT_TRUE(LooksLikeStyleSheet(QStringLiteral("/* } */ QLabel { font-family: \"A {\"; }")));
    EXPECT_FALSE(LooksLikeStyleSheet(QStringLiteral("QLabel { color: red; } }")));
    EXPECT_FALSE(LooksLikeStyleSheet(QStringLiteral("QLabel { color: red; /* unclosed }")));
    EXPECT_FALSE(LooksLikeStyleSheet(QStringLiteral("QLabel { font-family: \"A; }")));
    EXPECT_FALSE(LooksLikeStyleSheet(QStringLiteral("  /* only a comment */ \n")));
}

TEST(LooksLikeStyleSheet, TheShippedSkinPasses) {
    QFile file(QStringLiteral(CORVESSA_SHIPPED_SKIN));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(LooksLikeStyleSheet(QString::fromUtf8(file.readAll())));
}

}  // namespace
