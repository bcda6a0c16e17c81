#include "io/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>

#include "routines/error.h"

namespace corvessa {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    struct stat info;
    if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) throw CannotOpenFile(path);
    std::vector<uint8_t> bytes;
    try {
        bytes.resize(size_t(info.st_size));
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
    size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (got != bytes.size() || std::ferror(file.get())) throw CannotOpenFile(path);
    return bytes;
}

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

void WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) throw CannotCreateFile(path);
    // mkstemp makes the file private; give it the mode a new file would get.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    bool written = WriteAll(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written) {
        ::unlink(temp.c_str());
        throw CorvessaError("Stream write error");
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        throw CannotCreateFile(path);
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
    namespace fs = std::filesystem;
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

std::string PicturePath(const std::string& appDir, const std::string& category, const std::string& number) {
    return FindPathNoCase(appDir, "pic/" + category + "/" + number + ".ssl");
}

}  // namespace corvessa
