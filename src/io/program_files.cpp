#include "io/program_files.h"

#include <filesystem>
#include <system_error>

namespace corvessa {

namespace fs = std::filesystem;

std::string ProgramFilesFolderOf(const std::string& executable) {
    const fs::path folder = fs::path(executable).parent_path();
    // The install rules put the executables in bin/ and the files in
    // share/corvessa/ of one prefix; the build passes the way from one to
    // the other, so a prefix chosen only at install time still works.
    const fs::path installed = (folder / CORVESSA_FILES_FROM_BIN).lexically_normal();
    std::error_code ec;
    const fs::path& chosen = fs::is_directory(installed, ec) ? installed : folder;
    std::string result = chosen.string();
    if (result.empty() || result.back() != '/') result += '/';
    return result;
}

std::string ProgramFilesFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    // Without /proc (a bare chroot) the files are looked for in the
    // current folder.
    return ProgramFilesFolderOf(ec ? (fs::current_path(ec) / "corvessa").string() : self.string());
}

}  // namespace corvessa
