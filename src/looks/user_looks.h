#pragma once
// The user's own looks: the .cube colour tables kept in a folder of their
// data ($XDG_DATA_HOME/corvessa/looks/, by default
// ~/.local/share/corvessa/looks/), listed for the window and the batch and
// added to by copying a file in.

#include <memory>
#include <string>
#include <vector>

#include "looks/cube_lut.h"

namespace corvessa {

// One table of the folder (or any .cube file) as a look.
struct UserLook {
    std::string path;
    // The file's TITLE, else its name without the extension.
    std::string name;
    // Null when the file cannot be used; `reason` then says why in the
    // reader's words ("LUT file is not valid: ... — PATH").
    std::shared_ptr<const PreparedLut> table;
    std::string reason;

    bool Usable() const { return table != nullptr; }
};

// The folder with a trailing '/'; not made here. XDG_DATA_HOME counts only
// when it is an absolute path, as the XDG rules say.
std::string UserLooksFolder();

// Reads and prepares the table at `path`; a file that cannot be used comes
// back with its reason. Never throws.
UserLook ReadUserLook(const std::string& path);

// Every *.cube file of `folder` (the extension in any case), sorted by file
// name without regard to case, each read with ReadUserLook. A folder that
// does not exist lists nothing. Never throws.
std::vector<UserLook> ListUserLooks(const std::string& folder = UserLooksFolder());

// Copies the .cube file `file` into `folder` (made when missing) and
// returns the path of the copy. The file is read as a table first: one that
// does not read is refused with the reader's message and nothing is
// written. A name taken already gets " (2)", " (3)", ... before its
// extension, unless the file there is byte for byte the same, which is
// then kept and returned. A link in the folder is never followed nor
// replaced. Throws "Cannot create file PATH: REASON" when the copy cannot
// be written.
std::string AddUserLook(const std::string& file, const std::string& folder = UserLooksFolder());

// Whether `path` ends in ".cube" in any case.
bool IsCubeFileName(const std::string& path);

}  // namespace corvessa
