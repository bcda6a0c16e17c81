// The format table and what is derived from it: reading by extension and
// by signature, the open patterns, what a batch folder takes, --format and
// --list-formats, the desktop entry, and the formats the documents name.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "format_fixtures.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return upper;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file of `format` holding a picture of `side` x `side`: its own writer's,
// else one made by Debian's encoders; empty when there is neither.
std::vector<uint8_t> SampleOf(const PhotoFormat& format, const TBitmap& picture) {
    if (Writes(format)) return format.write(picture, PhotoMetadata(), kDefaultQuality);
    const Samples samples = MakeSamples(picture.Width(), picture.Height(), 3, 8);
    HeifOptions av1;
    av1.avif = true;
    if (format.id == PhotoFormatId::kHeic) return MakeHeif(samples);
    if (format.id == PhotoFormatId::kAvif) return MakeHeif(samples, av1);
    return {};
}

}  // namespace

TEST(FormatTable, EveryRowIsReadWrittenListedAndOfferedAsItSays) {
    // Spaces and line ends about them, so that every entry has one either side.
    const std::string patterns = std::string(" ").append(ReadablePatterns()).append(" ");
    const std::string mimeTypes = DesktopMimeTypes();
    const std::string listing = std::string("\n").append(FormatListing());
    const TBitmap picture = RandomBitmap(16, 16, 7);
    TempDir dir;
    std::set<std::string_view> extensions;
    for (const PhotoFormat& format : PhotoFormats()) {
        SCOPED_TRACE(std::string(format.name));
        EXPECT_EQ(&FormatOf(format.id), &format);
        ASSERT_FALSE(format.extensions.empty());
        EXPECT_FALSE(format.mimeTypes.empty());
        ASSERT_TRUE(format.read);
        for (std::string_view extension : format.extensions) {
            EXPECT_TRUE(extensions.insert(extension).second) << extension << " belongs to two rows";
            const std::string loud = Upper(extension);
            EXPECT_EQ(patterns.find(std::string(" *.").append(extension).append(" ")) != std::string::npos, Reads(format));
            EXPECT_EQ(HasPhotoExtension("/shoot/IMG." + loud), Reads(format)) << extension;
            EXPECT_EQ(ReadableFormatByExtension(loud), Reads(format) ? &format : nullptr);
            EXPECT_EQ(WritableFormatNamed(loud), Writes(format) ? std::optional(format.id) : std::nullopt);
        }
        for (std::string_view type : format.mimeTypes) EXPECT_NE(mimeTypes.find(std::string(type) + ";"), std::string::npos);
        const size_t line = listing.find(std::string("\n").append(format.name).append(" "));
        if (Reads(format)) {
            ASSERT_NE(line, std::string::npos);
            const std::string text = listing.substr(line + 1, listing.find('\n', line + 1) - line - 1);
            EXPECT_TRUE(text.ends_with(Writes(format) ? "  read, write" : "  read")) << text;
        } else {
            EXPECT_EQ(line, std::string::npos);
        }
        // A file of the format is told by its first bytes and opens under
        // its own name and, as what it is, under another format's name.
        const std::vector<uint8_t> sample = SampleOf(format, picture);
        if (sample.empty() || !Reads(format)) continue;
        if (format.signature) {
            EXPECT_TRUE(format.signature(sample.data(), sample.size()));
            EXPECT_EQ(FormatBySignature(sample.data(), sample.size()), &format);
        }
        const std::string own = dir.File("own." + std::string(format.extensions.front()));
        WriteBytes(own, sample);
        const TBitmap opened = ReadPhotoFile(own);
        EXPECT_EQ(opened.Width(), 16);
        EXPECT_EQ(opened.Height(), 16);
        if (format.signature && format.id != PhotoFormatId::kPng) {
            const std::string misnamed = dir.File("misnamed.png");
            WriteBytes(misnamed, sample);
            EXPECT_TRUE(SamePixels(ReadPhotoFile(misnamed), opened));
        }
    }
    // Files of no row's extension.
    for (const char* name : {"notes.xyz", "noextension", "archive.tar.gz", "photo.jpg.txt"}) EXPECT_FALSE(HasPhotoExtension(name)) << name;
    EXPECT_FALSE(WritableFormatNamed("gif")) << "Qt writes no GIF";
    EXPECT_FALSE(FormatBySignature(nullptr, 0));
    // The save dialog's and the batch's formats: JPEG, BMP and PNG first, in
    // that order, each labelled by its first extension.
    const std::vector<const PhotoFormat*> save = SaveFormats();
    ASSERT_GE(save.size(), 3u);
    EXPECT_EQ(save[0]->id, PhotoFormatId::kJpeg);
    EXPECT_EQ(save[1]->id, PhotoFormatId::kBmp);
    EXPECT_EQ(save[2]->id, PhotoFormatId::kPng);
    for (const PhotoFormat* format : save) EXPECT_EQ(format->saveLabel, "*." + std::string(format->extensions.front()));
    EXPECT_EQ(&SaveFormatAt(0), save[0]);
    EXPECT_EQ(&SaveFormatAt(int(save.size()) + 1), save[0]);
}

TEST(FormatTable, DesktopEntryAndDocumentsNameEveryFormat) {
    const std::string source = CORVESSA_SOURCE_DIR;
    const std::string entry = Slurp(source + "/data/corvessa.desktop.in");
    const size_t key = entry.find("\nMimeType=");
    ASSERT_NE(key, std::string::npos);
    EXPECT_EQ(entry.substr(key + 10, entry.find('\n', key + 1) - key - 10), DesktopMimeTypes());

    // Each document's list of the formats it opens names every row, and its
    // list of what Save writes every save format.
    const struct {
        std::string file;
        std::string opensFrom, opensTo;
        std::string savesFrom, savesTo;
    } documents[] = {
        {"README.md", "It opens ", ";", "save the result as ", "."},
        {"src/shell/help.html", "<strong>Opening:</strong>", "</p>", "<strong>Saving:</strong>", "</ul>"},
        {"data/corvessa.1", "It opens ", "files", "writes the working photo as ", ";"},
        {"data/corvessa-render.1", "it opens ", "files", "it writes ", "("},
        {"data/corvessa.metainfo.xml.in", "", "", "save the result as", "."},
    };
    const auto span = [](const std::string& text, const std::string& from, const std::string& to) {
        const size_t start = text.find(from);
        if (start == std::string::npos) return std::string();
        return text.substr(start, text.find(to, start + from.size()) - start);
    };
    // `word` in `text` with no letter or digit either side.
    const auto names = [](const std::string& text, std::string_view word) {
        for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const size_t end = at + word.size();
            if ((at == 0 || !std::isalnum(uint8_t(text[at - 1]))) && (end == text.size() || !std::isalnum(uint8_t(text[end]))))
                return true;
        }
        return false;
    };
    for (const auto& document : documents) {
        SCOPED_TRACE(document.file);
        const std::string text = Slurp(source + "/" + document.file);
        ASSERT_FALSE(text.empty());
        if (!document.opensFrom.empty()) {
            const std::string opens = span(text, document.opensFrom, document.opensTo);
            ASSERT_FALSE(opens.empty());
            for (const PhotoFormat& format : PhotoFormats()) EXPECT_TRUE(names(opens, format.name)) << format.name << " in: " << opens;
        }
        const std::string saves = span(text, document.savesFrom, document.savesTo);
        ASSERT_FALSE(saves.empty());
        for (const PhotoFormat* format : SaveFormats())
            EXPECT_TRUE(names(saves, format->name) || saves.find(format->saveLabel) != std::string::npos)
                << format->name << " in: " << saves;
    }
}
