#pragma once
// The file and format a save goes to, from the name chosen in the save
// dialog and the format of the filter chosen with it. Only the file name's
// last extension counts, never a folder's: a format's bytes are never
// written under another format's extension.

#include <optional>
#include <string>

#include "io/photo_formats.h"

namespace corvessa {

struct SaveTarget {
    std::string path;
    PhotoFormatId format;
    friend bool operator==(const SaveTarget&, const SaveTarget&) = default;
};

struct SaveTargets {
    // The filter's format: under the name as chosen where its extension is
    // one of that format's (case ignored), else under the name with the
    // format's first extension appended ("notes" and "x.jpg.old" with
    // JPEG: notes.jpg, x.jpg.old.jpg).
    SaveTarget asFilter;
    // Where the name's extension is that of another format the program
    // writes ("out.heic" with JPEG): that format under the name as chosen.
    // The user then chooses between it and `asFilter` (out.heic.jpg).
    std::optional<SaveTarget> asName;
};

SaveTargets SaveTargetsFor(const std::string& chosenName, PhotoFormatId filterFormat);

}  // namespace corvessa
