// The adjustment table is what the documents say: the manual page of
// corvessa-render and the help page list every adjustment with its range
// and what it does, in the table's order and words.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "edit/edit.h"

using namespace corvessa;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// `text` with every occurrence of `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

std::string Range(const Adjustment& row, const std::string& minus) {
    const auto amount = [&](double v) {
        std::ostringstream out;
        out << (v < 0 ? minus : "") << std::abs(v);
        return out.str();
    };
    return amount(row.lowest * row.step) + " to " + amount(row.highest * row.step);
}

TEST(EditDocuments, ManualPageListsTheTable) {
    const std::string page = Slurp(CORVESSA_SOURCE_DIR "/data/corvessa-render.1");
    ASSERT_FALSE(page.empty());
    size_t after = page.find(".SH EDITS");
    ASSERT_NE(after, std::string::npos);
    for (const Adjustment& row : kAdjustments) {
        const std::string entry = ".TP\n.B " + std::string(row.key) + "\n" + Range(row, "\\-") + ": " +
                                  Replaced(std::string(row.help), "-", "\\-") + ".\n";
        const size_t at = page.find(entry, after);
        EXPECT_NE(at, std::string::npos) << entry;
        if (at != std::string::npos) after = at;
    }
}

TEST(EditDocuments, HelpPageListsTheTable) {
    const std::string page = Slurp(CORVESSA_SOURCE_DIR "/src/shell/help.html");
    ASSERT_FALSE(page.empty());
    size_t after = page.find("<h2>Adjustments</h2>");
    ASSERT_NE(after, std::string::npos);
    for (const Adjustment& row : kAdjustments) {
        const std::string entry = "<tr><td>" + std::string(row.label) + "</td><td>" + Range(row, "&minus;") +
                                  "</td><td>" + std::string(row.help) + "</td></tr>";
        const size_t at = page.find(entry, after);
        EXPECT_NE(at, std::string::npos) << entry;
        if (at != std::string::npos) after = at;
    }
}

}  // namespace
