#include "io/codec_helper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#include "ground/error.h"
#include "ground/stop.h"
#include "io/codec_wire.h"
#include "io/jxl_codec.h"
#include "io/qt_codecs.h"

extern char** environ;

namespace corvessa {

namespace {

// The descriptors the helper finds its request, its reply and the file its
// pixels are mapped from on.
constexpr int kRequestFd = 3, kReplyFd = 4, kPixelsFd = 5;

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

// A memory file of the program's, out of reach of the helper's own
// descriptors 0 to 5 and of any other program it starts.
int NewMemoryFile(const char* name) {
    const int fd = memfd_create(name, MFD_CLOEXEC);
    if (fd < 0) throw CorvessaError(std::string("Cannot make room to pass a picture: ") + ErrnoText(errno));
    if (fd > kPixelsFd) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, kPixelsFd + 1);
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
    HelperProcess(const std::string& path, int requestFd, int replyFd, int pixelsFd, uint64_t addressSpace) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, requestFd, kRequestFd);
        posix_spawn_file_actions_adddup2(&actions, replyFd, kReplyFd);
        posix_spawn_file_actions_adddup2(&actions, pixelsFd, kPixelsFd);
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
            if (request.format == PhotoFormatId::kJxl) {
                reply.picture = DecodeJxl(request.data, request.size, &reply.warning, &reply.iccProfile);
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
    const Descriptor pixelFile(NewMemoryFile("corvessa-pixels"));
    if (!WriteRequest(requestFile.get(), request)) throw CorvessaError("Cannot make room to pass a picture: " + ErrnoText(errno));

    // Never more room than this process has itself.
    rlimit own{};
    uint64_t addressSpace = limits.addressSpace;
    if (getrlimit(RLIMIT_AS, &own) == 0 && own.rlim_cur != RLIM_INFINITY)
        addressSpace = std::min<uint64_t>(addressSpace, own.rlim_cur);
    HelperProcess helper(CodecHelperPath(), requestFile.get(), replyFile.get(), pixelFile.get(), addressSpace);
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
    std::optional<CodecReply> reply = ReadReply(replyFile.get(), pixelFile.get());
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

int ServeCodecHelper(int requestFd, int replyFd, int pixelsFd) {
    std::optional<ReceivedRequest> received = ReadRequest(requestFd);
    if (!received) return 2;
    if (received->request.operation == CodecOperation::kEncode) received->request.picture = &received->picture;
    // The decoders' pictures are made in the pixel file meanwhile, so
    // that the one decoded is handed over where it lies.
    MemoryFilePixels pixelFile(pixelsFd);
    TakePixelsFrom(&pixelFile);
    const CodecReply reply = ServeCodecRequest(received->request);
    if (!reply.picture.Empty()) pixelFile.HandOver(reply.picture.Data());
    const bool written = WriteReply(replyFd, reply, &pixelFile);
    TakePixelsFrom(nullptr);
    return written ? 0 : 3;
}

}  // namespace corvessa
