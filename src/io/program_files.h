#pragma once
// Where the files that ship with the program are: the look pack pic/, the
// skin beryl.urf and help.html. Both programs, the window and
// corvessa-render, find them through here.

#include <string>

namespace corvessa {

// The folder of the program's files, with a trailing '/', for the
// executable at `executable` (an absolute path): share/corvessa of the
// prefix when the executable lies in that prefix's bin folder and the
// folder exists (an installed program), otherwise the executable's own
// folder (the build tree, where everything lies beside the executables).
std::string ProgramFilesFolderOf(const std::string& executable);

// The same for the running executable.
std::string ProgramFilesFolder();

}  // namespace corvessa
