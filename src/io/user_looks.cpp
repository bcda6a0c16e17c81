#include "io/user_looks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "ground/error.h"
#include "io/cube_file.h"
#include "io/files.h"

namespace corvessa {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string Lowered(std::string text) {
    for (char& c : text) c = Lower(c);
    return text;
}

std::string SystemReason(int error) {
    if (error == ENOSPC || error == EDQUOT) return "the disk is full";
    return std::strerror(error);
}

// The look of the file at `path`, its table prepared only when asked: a
// listing checks and names every file but keeps few tables.
UserLook Read(const std::string& path, bool prepare) {
    UserLook look;
    look.path = path;
    look.name = fs::path(path).stem().string();
    try {
        const CubeLut lut = ReadCubeLutFile(path);
        if (!lut.title.empty()) look.name = lut.title;
        if (prepare) look.table = std::make_shared<const PreparedLut>(lut);
    } catch (...) {
        look.reason = CurrentErrorText();
    }
    return look;
}

// Whether the regular file (not a link) at `path` holds exactly `bytes`.
bool SameBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || uint64_t(info.st_size) != bytes.size())
        return false;
    try {
        return ReadWholeFile(path) == bytes;
    } catch (...) {
        return false;
    }
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

bool IsCubeFileName(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    return name.size() > 5 && Lowered(name.substr(name.size() - 5)) == ".cube";
}

std::string UserLooksFolder() {
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : "") + "/.local/share";
    }
    if (base.back() != '/') base += '/';
    return base + "corvessa/looks/";
}

UserLook ReadUserLook(const std::string& path) { return Read(path, true); }

std::shared_ptr<const PreparedLut> PreparedTable(const UserLook& look) {
    if (look.table) return look.table;
    if (!look.Usable()) throw CorvessaError(look.reason);
    const UserLook again = ReadUserLook(look.path);
    if (!again.table) throw CorvessaError(again.reason);
    return again.table;
}

std::vector<UserLook> ListUserLooks(const std::string& folder, size_t keepFirst, size_t keepCount) {
    std::vector<std::string> paths;
    if (!ForeignLinkOn(folder).empty()) return {};
    try {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (IsCubeFileName(name) && name[0] != '.') paths.push_back(it->path().string());
        }
    } catch (...) {
        // A listing cut short by memory lists what it found.
    }
    std::sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Lowered(fs::path(a).filename().string()), lb = Lowered(fs::path(b).filename().string());
        return la != lb ? la < lb : a < b;
    });
    std::vector<UserLook> looks;
    looks.reserve(paths.size());
    for (const std::string& path : paths) {
        const size_t i = looks.size();
        looks.push_back(Read(path, i >= keepFirst && i - keepFirst < keepCount));
    }
    return looks;
}

std::string AddUserLook(const std::string& file, const std::string& folder) {
    const std::vector<uint8_t> bytes = ReadCubeFileBytes(file);
    // Checked as a table before anything is written.
    (void)ParseCubeLut(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file);

    if (const std::string why = ForeignLinkOn(folder); !why.empty()) throw CannotCreateFile(folder, why);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) throw CannotCreateFile(folder, ec ? ec.message() : "it is not a folder");
    const fs::path dir(folder);
    const fs::path named = fs::path(file).filename();
    const std::string stem = named.stem().string(), extension = named.extension().string();

    // Written whole under a hidden name first, then linked under its own
    // name: a link fails on any name that is taken, a symbolic link too,
    // so nothing there is ever followed or replaced.
    std::string part;
    int fd = -1;
    for (int n = 0; fd < 0; ++n) {
        part = (dir / ("." + stem + ".part" + std::to_string(::getpid()) + "-" + std::to_string(n))).string();
        fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && (errno != EEXIST || n > 100)) throw CannotCreateFile(part, SystemReason(errno));
    }
    const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    struct RemovePart {
        const std::string& path;
        ~RemovePart() { ::unlink(path.c_str()); }
    } remove{part};
    const std::string first = (dir / named).string();
    if (!written) throw CannotCreateFile(first, SystemReason(writeError));
    for (int n = 1;; ++n) {
        const std::string target =
            n == 1 ? first : (dir / (stem + " (" + std::to_string(n) + ")" + extension)).string();
        if (SameBytes(target, bytes)) return target;
        if (::link(part.c_str(), target.c_str()) == 0) return target;
        if (errno != EEXIST) throw CannotCreateFile(target, SystemReason(errno));
    }
}

}  // namespace corvessa
