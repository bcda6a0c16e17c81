// Showing a document with the desktop's own program: xdg-open runs only
// where a program is set for the document's type (or $BROWSER names one
// for a page); otherwise the window's own fallback runs at once, instead of
// after xdg-open has tried every browser it knows. xdg-mime and xdg-open
// are stand-ins on PATH that say what they were asked.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/dialogs.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

void WriteText(const std::string& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }
std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

class DesktopOpenTest : public testing::Test {
protected:
    DesktopOpenTest() : oldPath_(getenv("PATH") ? getenv("PATH") : "") {}
    ~DesktopOpenTest() override {
        setenv("PATH", oldPath_.c_str(), 1);
        unsetenv("BROWSER");
    }

    // Stand-ins: xdg-mime prints `program` as the default (no xdg-mime at
    // all when null); xdg-open notes its argument and exits with `openExit`.
    void Desktop(const char* program, int openExit) {
        const std::string bin = dir_.File("bin");
        std::filesystem::create_directories(bin);
        std::filesystem::remove(bin + "/xdg-mime");
        if (program)
            Script(bin + "/xdg-mime", "echo \"$3\" > " + dir_.File("asked") + "; echo '" + program + "'");
        Script(bin + "/xdg-open", "echo \"$1\" > " + dir_.File("opened") + "; exit " + std::to_string(openExit));
        setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
    }
    void Script(const std::string& path, const std::string& body) {
        WriteText(path, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }

    TempDir dir_;
    std::string oldPath_;
    QWidget window_;
    QtShellDialogs dialogs_{&window_};
};

TEST_F(DesktopOpenTest, XdgOpenRunsOnlyWhereAProgramIsSetForTheDocument) {
    const std::string page = dir_.File("help.html");
    WriteText(page, "<html></html>");
    struct Case {
        const char* program;  // xdg-mime's answer; null: no xdg-mime
        bool browserSet;
        int openExit;
        std::string document;
        bool opened, failed;
    };
    for (const Case& c : {
             Case{"", false, 0, page, false, true},
             Case{"firefox-esr.desktop", false, 0, page, true, false},
             Case{"", true, 0, page, true, false},
             Case{"firefox-esr.desktop", false, 3, page, true, true},
             Case{nullptr, false, 3, page, true, true},
             Case{"", true, 0, dir_.Path(), false, true},  // $BROWSER shows no folders
         }) {
        SCOPED_TRACE(std::string(c.program ? c.program : "(no xdg-mime)") + " " + c.document);
        std::filesystem::remove(dir_.File("opened"));
        Desktop(c.program, c.openExit);
        if (c.browserSet)
            setenv("BROWSER", "true", 1);
        else
            unsetenv("BROWSER");
        bool failed = false, done = false;
        dialogs_.OpenWithDesktop(c.document, [&] { failed = done = true; });
        // Ends with the fallback, or with xdg-open having run.
        QTest::qWaitFor([&] { return done || (c.opened && !c.failed && std::filesystem::exists(dir_.File("opened"))); }, 5000);
        QTest::qWait(50);
        EXPECT_EQ(failed, c.failed);
        EXPECT_EQ(std::filesystem::exists(dir_.File("opened")), c.opened);
    }
    EXPECT_EQ(ReadText(dir_.File("asked")), "inode/directory\n");
}

}  // namespace
