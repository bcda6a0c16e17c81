#include "io/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <new>

#include "ground/error.h"

namespace corvessa {

namespace {

std::string SystemReason(int error) {
    if (error == ENOSPC || error == EDQUOT) return "the disk is full";
    return std::strerror(error);
}

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

namespace {

// Reads `size` bytes into `out` from where the file is.
void ReadFully(int fd, uint8_t* out, size_t size, const std::string& path) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, out + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw CannotOpenFile(path, SystemReason(errno));
        if (n == 0) throw CannotOpenFile(path, "the file became shorter while it was read");
        got += size_t(n);
    }
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) { return ReadWholeFile(path, 0, nullptr); }

std::vector<uint8_t> ReadWholeFile(const std::string& path, size_t headBytes, const FileHeadCheck& checkHead) {
    // Opened without waiting: opening a FIFO for reading would otherwise
    // block until something writes to it. Only regular files are read.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) throw CannotOpenFile(path, SystemReason(errno));
    struct stat info;
    if (fstat(file.Get(), &info) != 0) throw CannotOpenFile(path, SystemReason(errno));
    if (S_ISDIR(info.st_mode)) throw CannotOpenFile(path, "it is a folder");
    if (!S_ISREG(info.st_mode)) throw CannotOpenFile(path, "it is not a regular file");
    const uint64_t size = uint64_t(info.st_size);
    std::vector<uint8_t> bytes;
    size_t got = 0;
    if (checkHead && size > headBytes) {
        bytes.resize(headBytes);
        ReadFully(file.Get(), bytes.data(), headBytes, path);
        checkHead(bytes.data(), headBytes, size);
        got = headBytes;
    }
    try {
        bytes.resize(size_t(size));
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    } catch (const std::length_error&) {
        throw NotEnoughMemory();
    }
    ReadFully(file.Get(), bytes.data() + got, bytes.size() - got, path);
    return bytes;
}

namespace {

namespace fs = std::filesystem;

// Temporary files of a save carry this ending after a hidden name, so the
// next save into the folder can tell its own leftovers from the user's
// files.
constexpr char kPartEnding[] = ".corvessa-part";

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Whether the kernel would follow the link at `link` for us when opening
// it (fs.protected_symlinks): in a sticky folder that everyone may write
// to, only a link of our own or of the folder's owner is followed, so that
// another user cannot plant a link there that sends our save elsewhere.
bool MayFollow(const fs::path& link, const struct stat& linkInfo) {
    const fs::path folder = link.has_parent_path() ? link.parent_path() : fs::path(".");
    struct stat folderInfo;
    if (::stat(folder.c_str(), &folderInfo) != 0) return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) && (folderInfo.st_mode & S_IWOTH);
    return !shared || linkInfo.st_uid == geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

// The file a save to `path` writes: `path` itself, or the file its chain
// of symbolic links ends at (which need not exist yet), so that the links
// stay links. `path` itself must not be a link when `links` says so.
std::string FinalTarget(const std::string& path, LinkPolicy links) {
    fs::path current(path);
    // As many links as the kernel follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current.string();
        if (links == LinkPolicy::kNever) throw CannotCreateFile(path, "it is a symbolic link");
        if (!MayFollow(current, info))
            throw CannotCreateFile(path, "it is a symbolic link of another user in a shared folder");
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) throw CannotCreateFile(path, SystemReason(ec.value()));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throw CannotCreateFile(path, SystemReason(ELOOP));
}

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() > ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Removes the temporary files that saves killed half-way left in `folder`.
// A save in progress holds a lock on its file, so only dead saves' files
// are taken, and only those of this user.
void RemoveDeadSaves(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name[0] != '.' || !EndsWith(name, kPartEnding)) continue;
        FileDescriptor part(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info;
        if (part.Get() < 0 || fstat(part.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid())
            continue;
        if (flock(part.Get(), LOCK_EX | LOCK_NB) != 0) continue;  // still being written
        struct stat named;
        // Unlink only if the name still means the file that was locked.
        if (fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_ino == info.st_ino &&
            named.st_dev == info.st_dev)
            ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::closedir(dir);
}

// A locked temporary file in `folder`: unnamed where the file system allows
// (nothing to leave behind if the program is killed), otherwise under a
// hidden name ending in kPartEnding. `name` receives that name, empty for
// an unnamed file. Returns -1 with errno set on failure.
int OpenLockedPart(const std::string& folder, const std::string& base, std::string& name) {
    name.clear();
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) {
        flock(fd, LOCK_EX);
        return fd;
    }
    const std::string ending = kPartEnding;
    for (;;) {
        std::string candidate = folder + "/." + base + ".XXXXXX" + ending;
        fd = mkostemps(candidate.data(), int(ending.size()), O_CLOEXEC);
        if (fd < 0) return -1;
        flock(fd, LOCK_EX);
        // Another save's clean-up may have taken the file before it was
        // locked; then it is no longer under that name.
        struct stat mine, named;
        if (fstat(fd, &mine) == 0 && ::stat(candidate.c_str(), &named) == 0 && mine.st_ino == named.st_ino &&
            mine.st_dev == named.st_dev) {
            name = candidate;
            return fd;
        }
        ::close(fd);
    }
}

// Gives the new file what the file it replaces had: its permission bits
// and, where the system lets us, its owner and group. A new file gets the
// mode any new file would.
void TakeOverAttributes(int fd, const std::string& target) {
    struct stat old;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, uid_t(-1), old.st_gid) != 0) {
            // Neither could be kept: the file is ours, which is all a user
            // without those rights can have.
        }
        fchmod(fd, old.st_mode & 07777);  // after chown, which clears set-id bits
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

}  // namespace

void WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes, LinkPolicy links) {
    const std::string target = FinalTarget(path, links);
    const fs::path targetPath(target);
    const std::string folder = targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
    const std::string base = targetPath.filename().string();
    RemoveDeadSaves(folder);

    std::string partName;
    FileDescriptor part(OpenLockedPart(folder, base, partName));
    if (part.Get() < 0) throw CannotCreateFile(path, SystemReason(errno));
    const auto removePart = [&] {
        if (!partName.empty()) ::unlink(partName.c_str());
    };
    TakeOverAttributes(part.Get(), target);

    if (!WriteAll(part.Get(), bytes.data(), bytes.size()) || fsync(part.Get()) != 0) {
        const int error = errno;
        removePart();
        throw CorvessaError("Stream write error: " + path + ": " + SystemReason(error));
    }
    if (partName.empty()) {
        // Name the unnamed file (hidden and locked, so a kill right here
        // leaves nothing the next save would not clean), then move it over
        // the target in one step.
        for (int attempt = 0; attempt < 100 && partName.empty(); ++attempt) {
            const std::string candidate = folder + "/." + base + "." + std::to_string(getpid()) + "-" +
                                          std::to_string(attempt) + kPartEnding;
            const std::string proc = "/proc/self/fd/" + std::to_string(part.Get());
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
                partName = candidate;
            else if (errno != EEXIST)
                throw CannotCreateFile(path, SystemReason(errno));
        }
        if (partName.empty()) throw CannotCreateFile(path, SystemReason(EEXIST));
    }
    if (::rename(partName.c_str(), target.c_str()) != 0) {
        const int error = errno;
        removePart();
        throw CannotCreateFile(path, SystemReason(error));
    }
}

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = x - 'A' + 'a';
        if (y >= 'A' && y <= 'Z') y = y - 'A' + 'a';
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string FindPathNoCase(const std::string& folder, const std::string& relative) {
    fs::path current(folder);
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos) end = relative.size();
        const std::string name = relative.substr(start, end - start);
        start = end + 1;
        if (name.empty()) continue;
        std::error_code ec;
        fs::path exact = current / name;
        if (!fs::exists(exact, ec)) {
            for (const auto& entry : fs::directory_iterator(current, ec)) {
                if (EqualNoCase(entry.path().filename().string(), name)) {
                    exact = entry.path();
                    break;
                }
            }
        }
        current = exact;
    }
    return current.string();
}

bool MayFollowLink(uint32_t linkOwner, uint32_t folderOwner, uint32_t user) {
    const auto trusted = [user](uint32_t owner) { return owner == user || owner == 0; };
    return trusted(linkOwner) && trusted(folderOwner);
}

std::string ForeignLinkOn(const std::string& path) {
    // The names still to walk, and the folder reached so far, free of links.
    std::deque<std::string> names;
    const auto push = [&names](const std::string& text) {
        std::vector<std::string> parts;
        for (size_t start = 0; start <= text.size();) {
            const size_t end = std::min(text.find('/', start), text.size());
            parts.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        names.insert(names.begin(), parts.begin(), parts.end());
    };
    push(path);
    std::error_code ec;
    fs::path folder = !path.empty() && path[0] == '/' ? fs::path("/") : fs::current_path(ec);
    // As many links as the kernel follows before it gives up.
    for (int links = 0; !names.empty();) {
        const std::string name = names.front();
        names.pop_front();
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            folder = folder.parent_path();
            continue;
        }
        const fs::path next = folder / name;
        struct stat link, parent;
        // What is not there is made, not followed.
        if (::lstat(next.c_str(), &link) != 0) return "";
        if (!S_ISLNK(link.st_mode)) {
            folder = next;
            continue;
        }
        if (::stat(folder.c_str(), &parent) != 0) return "";
        if (!MayFollowLink(link.st_uid, 0, ::geteuid()))
            return next.string() + " is a symbolic link of another user";
        if (!MayFollowLink(link.st_uid, parent.st_uid, ::geteuid()))
            return next.string() + " is a symbolic link in a folder of another user";
        const fs::path target = fs::read_symlink(next, ec);
        if (ec || ++links > 40) return next.string() + ": " + SystemReason(ec ? ec.value() : ELOOP);
        if (target.is_absolute()) folder = "/";
        push(target.string());
    }
    return "";
}

}  // namespace corvessa
