#pragma once
// The user's own looks: the .cube colour tables kept in a folder of their
// data ($XDG_DATA_HOME/corvessa/looks/, by default
// ~/.local/share/corvessa/looks/), listed for the window and the batch and
// added to by copying a file in.

#include <cstddef>
#include <cstdint>
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
    // reader's words ("LUT file is not valid: ... — PATH"). A listing also
    // lets the tables it does not keep go (`reason` stays empty): a folder
    // of large tables would otherwise hold them all at once.
    std::shared_ptr<const PreparedLut> table;
    std::string reason;

    // Whether the file is not known to be broken.
    bool Usable() const { return table != nullptr || (reason.empty() && !path.empty()); }
};

// The table of `look`, read and prepared again when its listing let it go.
// Throws the reason of a look that cannot be used.
std::shared_ptr<const PreparedLut> PreparedTable(const UserLook& look);

// The folder with a trailing '/'; not made here. XDG_DATA_HOME counts only
// when it is an absolute path, as the XDG rules say.
std::string UserLooksFolder();

// Reads and prepares the table at `path`; a file that cannot be used comes
// back with its reason. Never throws.
UserLook ReadUserLook(const std::string& path);

// Every *.cube file of `folder` (the extension in any case), sorted by file
// name without regard to case, each read with ReadUserLook. Only the
// entries keepFirst .. keepFirst + keepCount - 1 keep their tables; the
// others are checked, named and let go, so a listing holds one table at a
// time beyond those. A folder that does not exist, or is reached through a
// symbolic link of another user (ForeignLinkOn), lists nothing. Never
// throws.
std::vector<UserLook> ListUserLooks(const std::string& folder = UserLooksFolder(), size_t keepFirst = 0,
                                    size_t keepCount = SIZE_MAX);

// Copies the .cube file `file` into `folder` (made when missing) and
// returns the path of the copy. The file is read as a table first: one that
// does not read is refused with the reader's message and nothing is
// written. A name taken already gets " (2)", " (3)", ... before its
// extension, unless the file there is byte for byte the same, which is
// then kept and returned. A link in the folder is never followed nor
// replaced, and a folder reached through a link of another user
// (ForeignLinkOn) is refused. Throws "Cannot create file PATH: REASON" when
// the copy cannot be written.
std::string AddUserLook(const std::string& file, const std::string& folder = UserLooksFolder());

// Whether `path` ends in ".cube" in any case.
bool IsCubeFileName(const std::string& path);

}  // namespace corvessa
