#pragma once
// The readers and writers of other people's libraries (LibRaw; libheif with
// libde265, x265, aom and dav1d; libjxl; libwebp; Qt's image plugins) run
// in a helper process, corvessa-codec, started afresh for every picture: a
// file that makes one of them crash, abort or run on for ever costs that
// process, never the window or a batch, and a cancelled Open ends it at
// once and gives its memory back. The format table says which rows run
// there (PhotoFormat::inHelper); JPEG, PNG and BMP, read by our own code
// and held to our own limits, stay in the calling process.
//
// The request (the file's bytes, or the picture and its camera data) and
// the reply (the picture, or the file's bytes) travel through two memory
// files (memfd), so no pixel is copied through a pipe. The helper runs
// under an address-space limit and a time limit; the caller's stop flag
// (ground/stop.h) ends it too.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"
#include "io/heif_codec.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"

namespace corvessa {

enum class CodecOperation : uint32_t { kDecode = 1, kEncode = 2 };

// One picture to read or write. `qtFormat`, when not empty, names Qt's
// reader or writer of a format beyond the table instead of `format`'s row.
struct CodecRequest {
    CodecOperation operation = CodecOperation::kDecode;
    PhotoFormatId format = PhotoFormatId::kJpeg;
    std::string qtFormat;
    int quality = kDefaultQuality;
    // Decoding: the file's bytes.
    const uint8_t* data = nullptr;
    size_t size = 0;
    // Encoding: the picture and the camera data to write into the file.
    const TBitmap* picture = nullptr;
    SavedMetadataBlocks metadata;
};

// What the codec made of a request, or why it refused it in its own words.
struct CodecReply {
    std::string error;  // empty when the codec did its work
    std::string warning;
    TBitmap picture;             // decoded
    std::vector<uint8_t> bytes;  // encoded
    // The colour profile of the decoded picture's values where the decoder
    // tells it, not the file's blocks (JPEG XL's); empty for none.
    std::vector<uint8_t> iccProfile;
    // A HEIF or AVIF file's camera data, read beside its picture, so that
    // libheif never parses the file in the calling process.
    std::optional<HeifMetadata> heifMetadata;
};

// Does the request's work in this process: what the helper runs.
CodecReply ServeCodecRequest(const CodecRequest& request);

// The limits the helper runs under.
struct CodecHelperLimits {
    // Wall-clock seconds before the helper is ended as hung.
    int seconds = 0;
    // Bytes of address space (never more than the caller's own limit).
    uint64_t addressSpace = 0;
    // Decoding: two minutes, and three quarters of the machine's memory
    // (at least 2 GB), which a picture the program takes never needs. A
    // runaway allocation then fails in the helper before the machine
    // starts to swap.
    static CodecHelperLimits ForDecoding();
    // Encoding `megapixels`: two minutes more than a slow encoder takes.
    static CodecHelperLimits ForEncoding(double megapixels);
};

// Runs the request in a helper process. `codecName` says what the user
// reads when the helper dies ("the HEIC reader"): "The HEIC reader failed"
// for a crash or an abort, "The HEIC reader did not finish within 120
// seconds" for a time-out, "The HEIC reader could not be started: REASON".
// A stop request of the calling thread's work ends the helper and throws
// WorkStopped. Throws CorvessaError with the codec's own refusal.
CodecReply RunInCodecHelper(const CodecRequest& request, const CodecHelperLimits& limits, std::string_view codecName);

// The path of the helper program: beside the running executable (the build
// tree), else in the prefix's libexec/corvessa (an installed program).
std::string CodecHelperPath();

// The helper's side: reads a request from `requestFd`, serves it and
// writes the reply to `replyFd`, the pictures it makes lying in the memory
// file `pixelsFd`. Returns the process's exit status.
int ServeCodecHelper(int requestFd, int replyFd, int pixelsFd);

}  // namespace corvessa
