// The folder of the user's own looks: where it is, what a listing gives
// (order, names, broken files with their reasons) and adding files to it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/files.h"
#include "io/user_looks.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Sets an environment variable for the test's length.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A link is followed only where it and its folder are the user's own or
// the system's: (link owner, folder owner, running user).
TEST(UserLooks, OnlyLinksOfTheUserOrTheSystemInFoldersOfTheirsAreFollowed) {
    struct Case {
        uint32_t link, folder, user;
        bool followed;
    };
    const Case cases[] = {
        {1000, 1000, 1000, true},  {0, 0, 1000, true},      {0, 1000, 1000, true},  {1000, 0, 1000, true},
        {1001, 1000, 1000, false}, {1000, 1001, 1000, false}, {1001, 1001, 1000, false},
        {0, 0, 0, true},           {1000, 1000, 0, false},  {1000, 0, 0, false},    {0, 1000, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MayFollowLink(c.link, c.folder, c.user), c.followed) << c.link << " in " << c.folder << " for " << c.user;
}

// The user's own links, however they chain, lead on (Add Look writes
// where they point); a loop of links, a link of someone else or one in
// someone else's folder is named.
TEST(UserLooks, ForeignLinkOnNamesTheFirstLinkNotToFollow) {
    TempDir dir;
    namespace fs = std::filesystem;
    fs::create_directories(dir.File("real/looks"));
    fs::create_symlink(dir.File("real"), dir.File("mine"));
    fs::create_symlink("../real/looks", dir.File("real/relative"));
    fs::create_symlink(dir.File("loop"), dir.File("loop"));
    EXPECT_EQ(ForeignLinkOn(dir.File("mine/looks/")), "");
    WriteText(dir.File("teal.cube"), CubeText(2, true, InvertedColour));
    EXPECT_EQ(AddUserLook(dir.File("teal.cube"), dir.File("mine/relative/")), dir.File("mine/relative/teal.cube"));
    EXPECT_TRUE(fs::exists(dir.File("real/looks/teal.cube")));
    EXPECT_EQ(ForeignLinkOn(dir.File("mine/relative/new/corvessa.conf")), "");
    EXPECT_EQ(ForeignLinkOn(dir.File("mine/../mine/looks/missing/deeper")), "");
    EXPECT_EQ(ForeignLinkOn(dir.File("loop/x")), dir.File("loop") + ": Too many levels of symbolic links");
    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root to make";
    ASSERT_EQ(::lchown(dir.File("mine").c_str(), 4321, 4321), 0);
    EXPECT_EQ(ForeignLinkOn(dir.File("mine/looks/")), dir.File("mine") + " is a symbolic link of another user");
    ASSERT_EQ(::lchown(dir.File("mine").c_str(), 0, 0), 0);
    ASSERT_EQ(::chown(dir.File("real").c_str(), 4321, 4321), 0);
    EXPECT_EQ(ForeignLinkOn(dir.File("mine/relative/")),
              dir.File("real/relative") + " is a symbolic link in a folder of another user");
}

}  // namespace

TEST(UserLooks, FolderFollowsXdgDataHomeOnlyWhenAbsolute) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv data("XDG_DATA_HOME", "/data/here");
        EXPECT_EQ(UserLooksFolder(), "/data/here/corvessa/looks/");
    }
    for (const char* ignored : {"relative/data", ""}) {
        ScopedEnv data("XDG_DATA_HOME", ignored);
        EXPECT_EQ(UserLooksFolder(), "/home/someone/.local/share/corvessa/looks/") << ignored;
    }
    ScopedEnv unset("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserLooksFolder(), "/home/someone/.local/share/corvessa/looks/");
}

TEST(UserLooks, ListsCubeFilesByNameWithoutCaseTitledAndBrokenOnesWithTheirReason) {
    TempDir dir;
    WriteText(dir.File("b-negative.CUBE"), CubeText(3, true, InvertedColour, "TITLE \"Teal Night\"\n"));
    WriteText(dir.File("A plain.cube"), CubeText(2, true, SameColour));
    WriteText(dir.File("c-curve.Cube"), CubeText(4, false, InvertedColour));
    WriteText(dir.File("Broken.cube"), "LUT_3D_SIZE 2\n0 0 0\n");
    WriteText(dir.File("notes.txt"), "not a table");
    WriteText(dir.File(".hidden.cube"), CubeText(2, true, SameColour));
    std::filesystem::create_directory(dir.File("folder.cube"));

    const std::vector<UserLook> looks = ListUserLooks(dir.Path());
    struct Expected {
        std::string file, name;
        bool usable;
    } expected[] = {
        {"A plain.cube", "A plain", true},
        {"b-negative.CUBE", "Teal Night", true},
        {"Broken.cube", "Broken", false},
        {"c-curve.Cube", "c-curve", true},
        {"folder.cube", "folder", false},
    };
    ASSERT_EQ(looks.size(), std::size(expected));
    for (size_t i = 0; i < looks.size(); ++i) {
        SCOPED_TRACE(expected[i].file);
        EXPECT_EQ(looks[i].path, dir.File(expected[i].file));
        EXPECT_EQ(looks[i].name, expected[i].name);
        EXPECT_EQ(looks[i].Usable(), expected[i].usable);
        EXPECT_EQ(looks[i].reason.empty(), expected[i].usable);
    }
    EXPECT_EQ(looks[2].reason,
              "LUT file is not valid: the file is too short for its 8 entries — " + dir.File("Broken.cube"));
    EXPECT_NE(looks[4].reason.find("it is a folder"), std::string::npos) << looks[4].reason;

    // The table read is the table applied.
    const TBitmap photo = RandomBitmap(9, 7, 4);
    TBitmap out;
    looks[1].table->Apply(photo, out);
    TBitmap expectedOut;
    PreparedLut(ParseCubeLut(CubeText(3, true, InvertedColour), "x")).Apply(photo, expectedOut);
    EXPECT_TRUE(SamePixels(out, expectedOut));

    EXPECT_TRUE(ListUserLooks(dir.File("missing")).empty());

    // A listing that keeps only some tables still knows the rest are
    // usable, and reads them again when asked.
    const std::vector<UserLook> some = ListUserLooks(dir.Path(), 3, 1);
    for (size_t i = 0; i < some.size(); ++i) {
        EXPECT_EQ(some[i].table != nullptr, i == 3) << i;
        EXPECT_EQ(some[i].Usable(), expected[i].usable) << i;
    }
    TBitmap again;
    PreparedTable(some[1])->Apply(photo, again);
    EXPECT_TRUE(SamePixels(again, expectedOut));
    try {
        PreparedTable(some[2]);
        ADD_FAILURE() << "a broken table was prepared";
    } catch (const std::exception& e) {
        EXPECT_EQ(e.what(), looks[2].reason);
    }
}

TEST(UserLooks, AddingCopiesCheckedTablesUnderFreeNamesAndKeepsTheSameFileOnce) {
    TempDir from, data;
    const std::string folder = data.File("corvessa/looks/");
    const std::string teal = CubeText(2, true, InvertedColour, "TITLE \"Teal\"\n");
    const std::string other = CubeText(2, true, SameColour);
    WriteText(from.File("teal.cube"), teal);
    std::filesystem::create_directory(from.File("second"));
    WriteText(from.File("second/teal.cube"), other);

    // The folder is made; the copy is the file's bytes.
    EXPECT_EQ(AddUserLook(from.File("teal.cube"), folder), folder + "teal.cube");
    EXPECT_EQ(ReadText(folder + "teal.cube"), teal);
    // The same bytes again: kept, not copied a second time.
    EXPECT_EQ(AddUserLook(from.File("teal.cube"), folder), folder + "teal.cube");
    EXPECT_EQ(AddUserLook(folder + "teal.cube", folder), folder + "teal.cube");
    // Another table of that name takes the next free one.
    EXPECT_EQ(AddUserLook(from.File("second/teal.cube"), folder), folder + "teal (2).cube");
    EXPECT_EQ(ReadText(folder + "teal (2).cube"), other);
    EXPECT_EQ(AddUserLook(from.File("second/teal.cube"), folder), folder + "teal (2).cube");
    EXPECT_EQ(ListUserLooks(folder).size(), 2u);

    // A link of that name is neither followed nor replaced.
    WriteText(from.File("victim.cube"), "untouched");
    WriteText(from.File("linked.cube"), teal);
    ASSERT_EQ(::symlink(from.File("victim.cube").c_str(), (folder + "linked.cube").c_str()), 0);
    EXPECT_EQ(AddUserLook(from.File("linked.cube"), folder), folder + "linked (2).cube");
    EXPECT_EQ(ReadText(from.File("victim.cube")), "untouched");
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "linked.cube"));

    // A file that is not a table is refused in the reader's words and not
    // copied; nothing half-written stays behind.
    WriteText(from.File("bad.cube"), "LUT_3D_SIZE 300\n");
    try {
        AddUserLook(from.File("bad.cube"), folder);
        ADD_FAILURE() << "a broken table was added";
    } catch (const CorvessaError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "LUT file is not valid: line 1: size 300 is outside 2 to 256 — " + from.File("bad.cube"));
    }
    EXPECT_THROW(AddUserLook(from.File("missing.cube"), folder), CorvessaError);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 4u);  // teal, teal (2), linked (a link), linked (2)
}
