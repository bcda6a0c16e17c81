// The file and format a save goes to: only the file name's last extension
// counts, case ignored; a name of another format the program writes is a
// question for the user; anything else gets the filter's extension.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "io/photo_formats.h"
#include "session/save_target.h"

using namespace corvessa;

namespace {

TEST(SaveTargetsFor, OnlyTheFileNamesLastExtensionChoosesAndNeverAFolders) {
    using Id = PhotoFormatId;
    // The filter's format goes under `asFilter`; with `asName`, the user
    // is asked whether `nameFormat` goes under that name instead.
    struct Case {
        const char* name;
        Id filter;
        const char* asFilter;
        const char* asName = nullptr;
        Id nameFormat = Id::kJpeg;
    };
    const std::vector<Case> cases = {
        // The filter's own extension, in any case and any of its spellings: that very name.
        {"/p/card.jpg", Id::kJpeg, "/p/card.jpg"},
        {"/p/card.JPG", Id::kJpeg, "/p/card.JPG"},
        {"/p/card.jpeg", Id::kJpeg, "/p/card.jpeg"},
        {"/p/card.Bmp", Id::kBmp, "/p/card.Bmp"},
        {"/p/card.PNG", Id::kPng, "/p/card.PNG"},
        {"/p/photos.jpg.d/beach.png", Id::kPng, "/p/photos.jpg.d/beach.png"},
        // Another format the program writes: the user chooses between the two.
        {"/p/photos.jpg.d/beach.png", Id::kJpeg, "/p/photos.jpg.d/beach.png.jpg", "/p/photos.jpg.d/beach.png", Id::kPng},
        {"/p/out.heic", Id::kJpeg, "/p/out.heic.jpg", "/p/out.heic", Id::kHeic},
        {"/p/card.jpg", Id::kBmp, "/p/card.jpg.bmp", "/p/card.jpg", Id::kJpeg},
        {"/p/card.JPEG", Id::kPng, "/p/card.JPEG.png", "/p/card.JPEG", Id::kJpeg},
        {"/p/card.bmp", Id::kJpeg, "/p/card.bmp.jpg", "/p/card.bmp", Id::kBmp},
        // No extension, or one no writer has: the filter's first extension is appended.
        {"/p/notes", Id::kJpeg, "/p/notes.jpg"},
        {"/p/x.jpg.old", Id::kJpeg, "/p/x.jpg.old.jpg"},
        {"/p/x.png.old", Id::kPng, "/p/x.png.old.png"},
        {"/p/photo.txt", Id::kBmp, "/p/photo.txt.bmp"},
        {"/p/old.bmp.d/card", Id::kBmp, "/p/old.bmp.d/card.bmp"},
        {"/p/old.jpg.d/card", Id::kJpeg, "/p/old.jpg.d/card.jpg"},
        {"card.jpgx", Id::kJpeg, "card.jpgx.jpg"},
        // A name that is only an extension is a hidden file without one.
        {"/p/.jpg", Id::kJpeg, "/p/.jpg.jpg"},
        {"/p/card.", Id::kPng, "/p/card..png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " with " << FormatOf(c.filter).name);
        // A format this machine does not write is like no format at all.
        if (c.asName && !Writes(FormatOf(c.nameFormat))) continue;
        const SaveTargets targets = SaveTargetsFor(c.name, c.filter);
        EXPECT_EQ(targets.asFilter, (SaveTarget{c.asFilter, c.filter}));
        if (c.asName)
            EXPECT_EQ(targets.asName, (SaveTarget{c.asName, c.nameFormat}));
        else
            EXPECT_EQ(targets.asName, std::nullopt);
    }
}

}  // namespace
