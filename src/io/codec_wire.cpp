#include "io/codec_wire.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <span>

#include "ground/error.h"

namespace corvessa {

namespace {

// The request's and the reply's first bytes: a helper of another build
// never takes the other's layout for its own.
constexpr char kRequestMagic[8] = {'C', 'V', 'S', 'R', 'E', 'Q', '0', '2'};
constexpr char kReplyMagic[8] = {'C', 'V', 'S', 'R', 'E', 'P', '0', '2'};
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
    // (no copy: they are this process's from now on), in this file or in
    // the pixel file `pixelsFd`; empty when there is none.
    TBitmap Picture(int pixelsFd = -1) {
        const uint64_t width = Number(), height = Number(), inPixelFile = Number();
        uint64_t bytes = 0, start = 0;
        int fd = fd_;
        if (inPixelFile == 1) {
            start = Number();
            bytes = Number();
            fd = pixelsFd;
            struct stat file {};
            if (fd < 0 || fstat(fd, &file) != 0 || start % PageSize() != 0 || bytes > uint64_t(file.st_size) ||
                start > uint64_t(file.st_size) - bytes)
                ok_ = false;
        } else {
            bytes = Number();
            start = (at_ + PageSize() - 1) / PageSize() * PageSize();
            if (bytes > size_ || start > size_ - bytes) ok_ = false;
            if (ok_) at_ = size_t(start + bytes);
        }
        if (!ok_ || width == 0 || height == 0) return TBitmap();
        if (width > uint64_t(INT32_MAX) || height > uint64_t(INT32_MAX) || bytes / 3 / width != height ||
            bytes != width * height * 3) {
            ok_ = false;
            return TBitmap();
        }
        void* pixels = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, fd, off_t(start));
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

// A picture whose pixels lie in the pixel file is told by its place there;
// any other is written out.
void WritePicture(WireWriter& out, const TBitmap& picture, const MemoryFilePixels* pixelFile = nullptr) {
    out.Number(uint64_t(picture.Width()));
    out.Number(uint64_t(picture.Height()));
    const int64_t offset = pixelFile && !picture.Empty() ? pixelFile->OffsetOf(picture.Data()) : -1;
    out.Number(offset >= 0 ? 1 : 0);
    if (offset >= 0) {
        out.Number(uint64_t(offset));
        out.Number(picture.ByteCount());
        return;
    }
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

void WriteReply(WireWriter& out, const CodecReply& reply, const MemoryFilePixels* pixelFile) {
    out.Magic(kReplyMagic);
    out.String(reply.error);
    out.String(reply.warning);
    WritePicture(out, reply.picture, pixelFile);
    out.String(reply.bytes);
    out.String(reply.iccProfile);
    out.Number(reply.heifMetadata ? 1 : 0);
    if (!reply.heifMetadata) return;
    out.String(reply.heifMetadata->exif);
    out.String(reply.heifMetadata->xmp);
    out.String(reply.heifMetadata->iccProfile);
    out.Number(reply.heifMetadata->transformed ? 1 : 0);
    const std::optional<ColourDescription>& colour = reply.heifMetadata->colour;
    out.Number(colour ? 1 : 0);
    if (!colour) return;
    for (const uint16_t code : {colour->primaries, colour->transfer, colour->matrix}) out.Number(code);
    out.Number(colour->fullRange ? 1 : 0);
}

}  // namespace

bool WriteRequest(int fd, const CodecRequest& request) {
    WireWriter out(fd);
    WriteRequest(out, request);
    return out.Flush();
}

bool WriteReply(int fd, const CodecReply& reply, const MemoryFilePixels* pixelFile) {
    WireWriter out(fd);
    WriteReply(out, reply, pixelFile);
    return out.Flush();
}

std::optional<ReceivedRequest> ReadRequest(int fd) {
    auto in = std::make_shared<WireReader>(fd);
    if (!in->Magic(kRequestMagic)) return std::nullopt;
    ReceivedRequest received;
    received.mapping = in;
    CodecRequest& request = received.request;
    request.operation = CodecOperation(in->Number());
    request.format = PhotoFormatId(in->Number());
    request.qtFormat = in->String();
    request.quality = int(int64_t(in->Number()));
    if (request.operation == CodecOperation::kDecode) {
        const std::span<const uint8_t> file = in->Bytes();
        request.data = file.data();
        request.size = file.size();
    } else {
        received.picture = in->Picture();
        request.metadata.exif = in->Vector();
        request.metadata.xmp = in->String();
        request.metadata.iccProfile = in->Vector();
    }
    if (!in->ok() || (request.operation != CodecOperation::kDecode && request.operation != CodecOperation::kEncode))
        return std::nullopt;
    return received;
}

std::optional<CodecReply> ReadReply(int fd, int pixelsFd) {
    WireReader in(fd);
    if (!in.Magic(kReplyMagic)) return std::nullopt;
    CodecReply reply;
    reply.error = in.String();
    reply.warning = in.String();
    reply.picture = in.Picture(pixelsFd);
    reply.bytes = in.Vector();
    reply.iccProfile = in.Vector();
    if (in.Number() == 1) {
        HeifMetadata heif;
        heif.exif = in.Vector();
        heif.xmp = in.String();
        heif.iccProfile = in.Vector();
        heif.transformed = in.Number() == 1;
        if (in.Number() == 1) {
            ColourDescription colour;
            colour.primaries = uint16_t(in.Number());
            colour.transfer = uint16_t(in.Number());
            colour.matrix = uint16_t(in.Number());
            colour.fullRange = in.Number() == 1;
            heif.colour = colour;
        }
        reply.heifMetadata = std::move(heif);
    }
    if (!in.ok()) return std::nullopt;
    return reply;
}

MemoryFilePixels::MemoryFilePixels(int fd) : fd_(fd) {}

uint8_t* MemoryFilePixels::Map(size_t bytes) {
    const std::lock_guard lock(mutex_);
    const off_t at = end_;
    if (ftruncate(fd_, at + off_t(bytes)) != 0) return nullptr;
    void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, at);
    if (pixels == MAP_FAILED) return nullptr;
    end_ = at + off_t(bytes);
    blocks_[static_cast<const uint8_t*>(pixels)] = Block{at};
    return static_cast<uint8_t*>(pixels);
}

void MemoryFilePixels::Unmap(uint8_t* pixels, size_t bytes) {
    const std::lock_guard lock(mutex_);
    munmap(pixels, bytes);
    const auto block = blocks_.find(pixels);
    if (block == blocks_.end()) return;
    // Its memory goes back at once (the file keeps its length), unless
    // the caller takes it.
    if (!block->second.handedOver)
        fallocate(fd_, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, block->second.at, off_t(bytes));
    blocks_.erase(block);
}

int64_t MemoryFilePixels::OffsetOf(const uint8_t* pixels) const {
    const std::lock_guard lock(mutex_);
    const auto block = blocks_.find(pixels);
    return block == blocks_.end() ? -1 : int64_t(block->second.at);
}

void MemoryFilePixels::HandOver(const uint8_t* pixels) {
    const std::lock_guard lock(mutex_);
    const auto block = blocks_.find(pixels);
    if (block != blocks_.end()) block->second.handedOver = true;
}

}  // namespace corvessa
