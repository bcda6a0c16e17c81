#pragma once
// The codec helper's request and reply (io/codec_helper.h) as they lie in
// their memory files: numbers as eight little-endian bytes, strings as
// their length and their bytes, and a picture's pixels from a page
// boundary on, so that the reader maps them where they lie instead of
// copying them. A file that is not whole is refused, never read past its
// end.

#include <sys/types.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "ground/bitmap.h"
#include "io/codec_helper.h"

namespace corvessa {

// The memory file the helper's large pixel blocks are mapped from
// (TakePixelsFrom): a picture decoded into it is handed over by its place
// in the file, where the caller maps it, rather than copied into the reply.
class MemoryFilePixels : public PixelMemory {
public:
    explicit MemoryFilePixels(int fd);
    uint8_t* Map(size_t bytes) override;
    void Unmap(uint8_t* pixels, size_t bytes) override;
    // Where the block at `pixels` lies in the file; -1 for memory of
    // another kind.
    int64_t OffsetOf(const uint8_t* pixels) const;
    // The block at `pixels` is handed over: when it is let go here, its
    // memory stays in the file for the caller.
    void HandOver(const uint8_t* pixels);

private:
    struct Block {
        off_t at = 0;
        bool handedOver = false;
    };
    int fd_;
    mutable std::mutex mutex_;
    off_t end_ = 0;
    std::map<const uint8_t*, Block> blocks_;
};

// False when the file took less than everything. A reply's picture whose
// pixels lie in `pixelFile` is told by its place there.
bool WriteRequest(int fd, const CodecRequest& request);
bool WriteReply(int fd, const CodecReply& reply, const MemoryFilePixels* pixelFile = nullptr);

// A request as the helper reads it: its data are the file's bytes where
// they lie, mapped while `mapping` lives; an encoding's picture is
// `picture` (request.picture is left for the caller to point at it).
struct ReceivedRequest {
    CodecRequest request;
    TBitmap picture;
    std::shared_ptr<const void> mapping;
};
std::optional<ReceivedRequest> ReadRequest(int fd);
// `pixelsFd`: the pixel file the reply's picture may lie in.
std::optional<CodecReply> ReadReply(int fd, int pixelsFd);

}  // namespace corvessa
