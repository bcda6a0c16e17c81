#include "io/codec_helper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>
#include <thread>

#include "ground/error.h"
#include "ground/stop.h"
#include "io/qt_codecs.h"

extern char** environ;

namespace corvessa {

namespace {

// The request's and the reply's first bytes: a helper of another build
// never takes the other's layout for its own.
constexpr char kRequestMagic[8] = {'C', 'V', 'S', 'R', 'E', 'Q', '0', '1'};
constexpr char kReplyMagic[8] = {'C', 'V', 'S', 'R', 'E', 'P', '0', '1'};
// The descriptors the helper finds its request and its reply on.
constexpr int kRequestFd = 3, kReplyFd = 4;

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string ErrnoText(int error) { return std::system_category().message(error); }

// Numbers and byte strings, written to a descriptor in order: numbers as
// eight little-endian bytes, strings as their length and their bytes.
// Small items are gathered, large ones written straight from where they lie.
class WireWriter {
public:
    explicit WireWriter(int fd) : fd_(fd) {}
    void Number(uint64_t value) {
        for (int i = 0; i < 8; ++i) buffer_.push_back(uint8_t(value >> (8 * i)));
    }
    void Bytes(const void* data, size_t size) {
        Number(size);
        const auto* bytes = static_cast<const uint8_t*>(data);
        if (size < kDirect) {
            buffer_.insert(buffer_.end(), bytes, bytes + size);
            return;
        }
        Flush();
        WriteAll(bytes, size);
    }
    template <class Text>
    void String(const Text& text) {
        Bytes(text.data(), text.size());
    }
    void Magic(const char (&magic)[8]) { buffer_.insert(buffer_.end(), magic, magic + 8); }
    // A string whose bytes begin at a multiple of `alignment` from the
    // start of the file (the writer having started there): a picture
    // there can be mapped as it lies.
    void AlignedBytes(const void* data, size_t size, size_t alignment) {
        Number(size);
        Flush();
        const size_t padding = (alignment - written_ % alignment) % alignment;
        if (padding > 0 && lseek(fd_, off_t(padding), SEEK_CUR) < 0) ok_ = false;
        written_ += padding;
        WriteAll(static_cast<const uint8_t*>(data), size);
    }
    // False when the descriptor took less than everything.
    bool Flush() {
        WriteAll(buffer_.data(), buffer_.size());
        buffer_.clear();
        return ok_;
    }

private:
    static constexpr size_t kDirect = size_t(64) << 10;
    void WriteAll(const uint8_t* data, size_t size) {
        while (ok_ && size > 0) {
            const ssize_t written = write(fd_, data, size);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                ok_ = false;
                break;
            }
            data += written;
            size -= size_t(written);
            written_ += size_t(written);
        }
    }
    int fd_;
    std::vector<uint8_t> buffer_;
    size_t written_ = 0;
    bool ok_ = true;
};

size_t PageSize() { return size_t(sysconf(_SC_PAGE_SIZE)); }

// A whole memory file mapped for reading, and a cursor that reads what
// WireWriter wrote, refusing (ok() false) anything that runs past its end.
class WireReader {
public:
    explicit WireReader(int fd) : fd_(fd) {
        struct stat file {};
        if (fstat(fd, &file) != 0 || file.st_size <= 0) return;
        size_ = size_t(file.st_size);
        void* mapped = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped == MAP_FAILED) {
            size_ = 0;
            return;
        }
        data_ = static_cast<const uint8_t*>(mapped);
        ok_ = true;
    }
    ~WireReader() {
        if (data_) munmap(const_cast<uint8_t*>(data_), size_);
    }
    WireReader(const WireReader&) = delete;
    WireReader& operator=(const WireReader&) = delete;

    bool ok() const { return ok_; }
    bool Magic(const char (&magic)[8]) {
        if (!Take(8) || std::memcmp(data_ + at_ - 8, magic, 8) != 0) ok_ = false;
        return ok_;
    }
    uint64_t Number() {
        if (!Take(8)) return 0;
        uint64_t value = 0;
        for (int i = 0; i < 8; ++i) value |= uint64_t(data_[at_ - 8 + size_t(i)]) << (8 * i);
        return value;
    }
    std::span<const uint8_t> Bytes() {
        const uint64_t size = Number();
        if (!ok_ || size > size_ - at_ || !Take(size_t(size))) return {};
        return {data_ + at_ - size_t(size), size_t(size)};
    }
    std::string String() {
        const std::span<const uint8_t> bytes = Bytes();
        return std::string(bytes.begin(), bytes.end());
    }
    std::vector<uint8_t> Vector() {
        const std::span<const uint8_t> bytes = Bytes();
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }
    // A picture written by WritePicture, its pixels mapped where they lie
    // in the file (no copy: they are this process's from now on); empty
    // when there is none.
    TBitmap Picture() {
        const uint64_t width = Number(), height = Number(), bytes = Number();
        const size_t start = (at_ + PageSize() - 1) / PageSize() * PageSize();
        if (!ok_ || bytes > size_ || start > size_ - bytes) {
            ok_ = false;
            return TBitmap();
        }
        at_ = start + size_t(bytes);
        if (width == 0 || height == 0) return TBitmap();
        if (width > uint64_t(INT32_MAX) || height > uint64_t(INT32_MAX) || bytes / 3 / width != height ||
            bytes != width * height * 3) {
            ok_ = false;
            return TBitmap();
        }
        void* pixels = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, fd_, off_t(start));
        if (pixels == MAP_FAILED) throw NotEnoughMemory();
        return TBitmap::OverMapping(int(width), int(height), static_cast<uint8_t*>(pixels), size_t(bytes));
    }

private:
    bool Take(size_t bytes) {
        if (!ok_ || bytes > size_ - at_) return ok_ = false;
        at_ += bytes;
        return true;
    }
    int fd_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t at_ = 0;
    bool ok_ = false;
};

void WritePicture(WireWriter& out, const TBitmap& picture) {
    out.Number(uint64_t(picture.Width()));
    out.Number(uint64_t(picture.Height()));
    out.AlignedBytes(picture.Data(), picture.ByteCount(), PageSize());
}

void WriteRequest(WireWriter& out, const CodecRequest& request) {
    out.Magic(kRequestMagic);
    out.Number(uint64_t(request.operation));
    out.Number(uint64_t(request.format));
    out.String(request.qtFormat);
    out.Number(uint64_t(int64_t(request.quality)));
    if (request.operation == CodecOperation::kDecode) {
        out.Bytes(request.data, request.size);
        return;
    }
    WritePicture(out, *request.picture);
    out.String(request.metadata.exif);
    out.String(request.metadata.xmp);
    out.String(request.metadata.iccProfile);
}

void WriteReply(WireWriter& out, const CodecReply& reply) {
    out.Magic(kReplyMagic);
    out.String(reply.error);
    out.String(reply.warning);
    WritePicture(out, reply.picture);
    out.String(reply.bytes);
    out.Number(reply.heifMetadata ? 1 : 0);
    if (!reply.heifMetadata) return;
    out.String(reply.heifMetadata->exif);
    out.String(reply.heifMetadata->xmp);
    out.String(reply.heifMetadata->iccProfile);
    out.Number(reply.heifMetadata->transformed ? 1 : 0);
}

// Nothing when the reply is not whole.
std::optional<CodecReply> ReadReply(int fd) {
    WireReader in(fd);
    if (!in.Magic(kReplyMagic)) return std::nullopt;
    CodecReply reply;
    reply.error = in.String();
    reply.warning = in.String();
    reply.picture = in.Picture();
    reply.bytes = in.Vector();
    if (in.Number() == 1) {
        HeifMetadata heif;
        heif.exif = in.Vector();
        heif.xmp = in.String();
        heif.iccProfile = in.Vector();
        heif.transformed = in.Number() == 1;
        reply.heifMetadata = std::move(heif);
    }
    if (!in.ok()) return std::nullopt;
    return reply;
}

// A memory file of the program's, out of reach of the helper's own
// descriptors 0 to 4 and of any other program it starts.
int NewMemoryFile(const char* name) {
    const int fd = memfd_create(name, MFD_CLOEXEC);
    if (fd < 0) throw CorvessaError(std::string("Cannot make room to pass a picture: ") + ErrnoText(errno));
    if (fd > kReplyFd) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, kReplyFd + 1);
    const int error = errno;
    close(fd);
    if (moved < 0) throw CorvessaError(std::string("Cannot make room to pass a picture: ") + ErrnoText(error));
    return moved;
}

uint64_t PhysicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? uint64_t(pages) * uint64_t(pageSize) : uint64_t(8) << 30;
}

// The helper running, ended and reaped when it goes out of scope unless
// it was waited for.
class HelperProcess {
public:
    HelperProcess(const std::string& path, int requestFd, int replyFd, uint64_t addressSpace) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, requestFd, kRequestFd);
        posix_spawn_file_actions_adddup2(&actions, replyFd, kReplyFd);
        const std::string limit = std::to_string(addressSpace), parent = std::to_string(getpid());
        char* const argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("--address-space"),
                              const_cast<char*>(limit.c_str()), const_cast<char*>("--parent"),
                              const_cast<char*>(parent.c_str()), nullptr};
        error_ = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error_ != 0) pid_ = -1;
    }
    ~HelperProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            Reap();
        }
    }
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // The reason it could not be started, "" when it runs.
    std::string StartError() const { return pid_ > 0 ? "" : ErrnoText(error_); }

    enum class Ending { kExited, kTimedOut, kStopped };
    // Waits until the helper ends, `seconds` pass or the work is stopped;
    // ends the helper in the last two cases.
    Ending Wait(int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        const Descriptor exited(int(syscall(SYS_pidfd_open, pid_, 0)));
        for (;;) {
            if (StopRequested() || std::chrono::steady_clock::now() >= deadline) {
                const Ending ending = StopRequested() ? Ending::kStopped : Ending::kTimedOut;
                kill(pid_, SIGKILL);
                Reap();
                return ending;
            }
            // A look at the stop flag every 20 ms; the descriptor wakes
            // the wait as soon as the helper ends.
            if (exited.get() >= 0) {
                pollfd ready{exited.get(), POLLIN, 0};
                if (poll(&ready, 1, 20) <= 0) continue;
            } else if (waitpid(pid_, &status_, WNOHANG) == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            } else {
                pid_ = -1;
                return Ending::kExited;
            }
            Reap();
            return Ending::kExited;
        }
    }
    // Whether it ended of its own accord with status 0.
    bool Succeeded() const { return WIFEXITED(status_) && WEXITSTATUS(status_) == 0; }

private:
    void Reap() {
        while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    pid_t pid_ = -1;
    int error_ = 0;
    int status_ = 0;
};

}  // namespace

CodecHelperLimits CodecHelperLimits::ForDecoding() {
    return {.seconds = 120, .addressSpace = std::max(uint64_t(2) << 30, PhysicalMemory() / 4 * 3)};
}

CodecHelperLimits CodecHelperLimits::ForEncoding(double megapixels) {
    CodecHelperLimits limits = ForDecoding();
    limits.seconds += int(std::min(megapixels, 1000.0) * 2);
    return limits;
}

CodecReply ServeCodecRequest(const CodecRequest& request) {
    CodecReply reply;
    try {
        const bool byQt = !request.qtFormat.empty();
        if (request.operation == CodecOperation::kDecode) {
            if (byQt) {
                reply.picture = DecodeWithQt(request.data, request.size, request.qtFormat.c_str());
                return reply;
            }
            reply.picture = FormatOf(request.format).read(request.data, request.size, &reply.warning);
            if (request.format == PhotoFormatId::kHeic || request.format == PhotoFormatId::kAvif)
                reply.heifMetadata = ReadHeifMetadata(request.data, request.size);
            return reply;
        }
        if (byQt) {
            reply.bytes = EncodeWithQt(*request.picture, request.qtFormat.c_str(), request.quality);
            return reply;
        }
        const SavedMetadataBlocks& blocks = request.metadata;
        reply.bytes = FormatOf(request.format)
                          .write(*request.picture, MetadataFromBlocks(blocks.exif, blocks.xmp, blocks.iccProfile),
                                 request.quality);
    } catch (...) {
        reply = CodecReply();
        reply.error = CurrentErrorText();
    }
    return reply;
}

CodecReply RunInCodecHelper(const CodecRequest& request, const CodecHelperLimits& limits, std::string_view codecName) {
    const std::string failed = "The " + std::string(codecName) + " failed";
    const Descriptor requestFile(NewMemoryFile("corvessa-request"));
    const Descriptor replyFile(NewMemoryFile("corvessa-reply"));
    WireWriter out(requestFile.get());
    WriteRequest(out, request);
    if (!out.Flush()) throw CorvessaError("Cannot make room to pass a picture: " + ErrnoText(errno));

    // Never more room than this process has itself.
    rlimit own{};
    uint64_t addressSpace = limits.addressSpace;
    if (getrlimit(RLIMIT_AS, &own) == 0 && own.rlim_cur != RLIM_INFINITY)
        addressSpace = std::min<uint64_t>(addressSpace, own.rlim_cur);
    HelperProcess helper(CodecHelperPath(), requestFile.get(), replyFile.get(), addressSpace);
    if (!helper.StartError().empty())
        throw CorvessaError("The " + std::string(codecName) + " could not be started: " + helper.StartError());
    switch (helper.Wait(limits.seconds)) {
        case HelperProcess::Ending::kStopped:
            throw WorkStopped();
        case HelperProcess::Ending::kTimedOut:
            throw CorvessaError("The " + std::string(codecName) + " did not finish within " +
                                std::to_string(limits.seconds) + " seconds");
        case HelperProcess::Ending::kExited:
            break;
    }
    if (!helper.Succeeded()) throw CorvessaError(failed);
    std::optional<CodecReply> reply = ReadReply(replyFile.get());
    if (!reply) throw CorvessaError(failed);
    if (!reply->error.empty()) throw CorvessaError(reply->error);
    return std::move(*reply);
}

std::string CodecHelperPath() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const fs::path folder = ec ? fs::current_path(ec) : self.parent_path();
    const fs::path beside = folder / "corvessa-codec";
    if (fs::exists(beside, ec)) return beside.string();
    return (folder / CORVESSA_HELPERS_FROM_BIN / "corvessa-codec").lexically_normal().string();
}

int ServeCodecHelper(int requestFd, int replyFd) {
    WireReader in(requestFd);
    if (!in.Magic(kRequestMagic)) return 2;
    CodecRequest request;
    request.operation = CodecOperation(in.Number());
    request.format = PhotoFormatId(in.Number());
    request.qtFormat = in.String();
    request.quality = int(int64_t(in.Number()));
    TBitmap picture;
    if (request.operation == CodecOperation::kDecode) {
        const std::span<const uint8_t> file = in.Bytes();
        request.data = file.data();
        request.size = file.size();
    } else {
        picture = in.Picture();
        request.picture = &picture;
        request.metadata.exif = in.Vector();
        request.metadata.xmp = in.String();
        request.metadata.iccProfile = in.Vector();
    }
    if (!in.ok() || (request.operation != CodecOperation::kDecode && request.operation != CodecOperation::kEncode))
        return 2;
    const CodecReply reply = ServeCodecRequest(request);
    WireWriter out(replyFd);
    WriteReply(out, reply);
    return out.Flush() ? 0 : 3;
}

}  // namespace corvessa
