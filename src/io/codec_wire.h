#pragma once
// The codec helper's request and reply (io/codec_helper.h) as they lie in
// their memory files: numbers as eight little-endian bytes, strings as
// their length and their bytes, and a picture's pixels from a page
// boundary on, so that the reader maps them where they lie instead of
// copying them. A file that is not whole is refused, never read past its
// end.

#include <memory>
#include <optional>

#include "ground/bitmap.h"
#include "io/codec_helper.h"

namespace corvessa {

// False when the file took less than everything.
bool WriteRequest(int fd, const CodecRequest& request);
bool WriteReply(int fd, const CodecReply& reply);

// A request as the helper reads it: its data are the file's bytes where
// they lie, mapped while `mapping` lives; an encoding's picture is
// `picture` (request.picture is left for the caller to point at it).
struct ReceivedRequest {
    CodecRequest request;
    TBitmap picture;
    std::shared_ptr<const void> mapping;
};
std::optional<ReceivedRequest> ReadRequest(int fd);
std::optional<CodecReply> ReadReply(int fd);

}  // namespace corvessa
