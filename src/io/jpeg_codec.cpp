#include "io/jpeg_codec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "ground/error.h"
#include "ground/stop.h"
#include "io/colour_profile.h"
#include "io/jpeg_errors.h"

namespace corvessa {

CorvessaError PictureTooLarge(int64_t width, int64_t height) {
    return CorvessaError("Picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
}

void CheckPictureSize(int64_t width, int64_t height) {
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw PictureTooLarge(width, height);
}

CorvessaError BrokenPicture(const std::string& reason) {
    return CorvessaError("Bitmap image is not valid" + (reason.empty() ? "" : ": " + reason));
}

void CheckPictureClaim(int64_t width, int64_t height, size_t fileBytes) {
    CheckPictureSize(width, height);
    if (width * height > kMaxPixelsPerFileByte * int64_t(fileBytes))
        throw BrokenPicture("it claims " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels, more than its " + std::to_string(fileBytes) + " bytes can hold");
}

void CheckPictureDataClaim(int64_t width, int64_t height, uint64_t pictureDataBytes) {
    CheckPictureSize(width, height);
    const int64_t pixels = width * height;
    const uint64_t beyond = uint64_t(std::max<int64_t>(pixels - kPixelsFreeOfDataRule, 0));
    const uint64_t needed = (beyond + kMaxPixelsPerDataByteAboveFree - 1) / kMaxPixelsPerDataByteAboveFree;
    if (uint64_t(pixels) > uint64_t(kMaxPixelsPerFileByte) * pictureDataBytes || pictureDataBytes < needed)
        throw BrokenPicture("it claims " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels, more than its " + std::to_string(pictureDataBytes) +
                            " bytes of picture data can hold");
}

namespace {

// Every scan of a progressive or multi-scan stream is a pass over all the
// blocks it covers, so a small file of thousands of empty scans could keep
// the decoder busy for minutes. Encoders write a few dozen scans at most,
// and a real stream's scans visit a few dozen blocks for every byte of the
// file at most (a blank picture, whose scans are nearly empty, about 25).
struct ScanLimit {
    jpeg_progress_mgr pub;
    jmp_buf* jump;
    int64_t blockBudget;
    int lastScan = 0;
    int64_t blocksVisited = 0;
    bool exceeded = false;
};

int64_t BlocksOfScan(j_decompress_ptr info) {
    if (info->comps_in_scan == 1)
        return int64_t(info->cur_comp_info[0]->width_in_blocks) * info->cur_comp_info[0]->height_in_blocks;
    return int64_t(info->MCUs_per_row) * info->MCU_rows_in_scan * info->blocks_in_MCU;
}

// libjpeg calls this at every row of every scan it reads.
void CheckScanCount(j_common_ptr info) {
    auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    auto* limit = reinterpret_cast<ScanLimit*>(info->progress);
    if (decoder->input_scan_number != limit->lastScan && decoder->comps_in_scan > 0) {
        limit->lastScan = decoder->input_scan_number;
        limit->blocksVisited += BlocksOfScan(decoder);
    }
    if (decoder->input_scan_number > kMaxJpegScans || limit->blocksVisited > limit->blockBudget) {
        limit->exceeded = true;
        longjmp(*limit->jump, 1);
    }
}

// The blocks the scan whose header (after its length) is `header` visits,
// by the frame libjpeg has read; 0 for a header libjpeg will refuse.
int64_t BlocksOfScanHeader(const uint8_t* header, size_t size, j_decompress_ptr info) {
    if (size < 1 || size < 1 + 2 * size_t(header[0])) return 0;
    const int count = header[0];
    int64_t blocksInMcu = 0, single = 0;
    for (int i = 0; i < count; ++i) {
        const jpeg_component_info* component = nullptr;
        for (int c = 0; c < info->num_components; ++c)
            if (info->comp_info[c].component_id == header[1 + 2 * i]) component = &info->comp_info[c];
        if (!component) return 0;
        blocksInMcu += int64_t(component->h_samp_factor) * component->v_samp_factor;
        single = int64_t(component->width_in_blocks) * component->height_in_blocks;
    }
    if (count == 1) return single;
    const int64_t mcuWidth = int64_t(info->max_h_samp_factor) * DCTSIZE, mcuHeight = int64_t(info->max_v_samp_factor) * DCTSIZE;
    return (int64_t(info->image_width) + mcuWidth - 1) / mcuWidth * ((int64_t(info->image_height) + mcuHeight - 1) / mcuHeight) *
           blocksInMcu;
}

// ScanLimit's rule applied to the scan headers of the whole stream before
// libjpeg makes room for a multi-scan picture's coefficients (400 MB for
// a 200-megapixel grey frame), which it does before it reads the second
// scan. Markers are found as libjpeg finds them: 0xFF, any further 0xFF
// bytes, then a code that is neither 0 (a stuffed 0xFF of the coded data)
// nor a restart; the end marker ends the stream.
bool ScansExceedLimit(const uint8_t* data, size_t size, j_decompress_ptr info, int64_t blockBudget) {
    int scans = 0;
    int64_t blocks = 0;
    size_t at = 2;  // after the start marker
    while (at < size) {
        const void* next = std::memchr(data + at, 0xFF, size - at);
        if (!next) break;
        at = size_t(static_cast<const uint8_t*>(next) - data);
        while (at < size && data[at] == 0xFF) ++at;
        if (at >= size) break;
        const uint8_t marker = data[at++];
        if (marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (marker == 0xD9) break;
        if (size - at < 2) break;
        const size_t length = size_t(data[at]) << 8 | data[at + 1];
        if (marker == 0xDA) {
            ++scans;
            blocks += BlocksOfScanHeader(data + at + 2, std::min(length, size - at) - std::min<size_t>(length, 2), info);
            if (scans > kMaxJpegScans || blocks > blockBudget) return true;
        }
        at += std::max<size_t>(length, 2);  // a scan's coded data follows its header
    }
    return false;
}

// Counts warnings as libjpeg's own handler does and notes the one that says
// the stream ended early (libjpeg then decodes the rest as grey).
void JpegNoteWarning(j_common_ptr info, int level) {
    auto* err = reinterpret_cast<JpegErrorManager*>(info->err);
    if (level < 0) {
        ++err->pub.num_warnings;
        if (err->pub.msg_code == JWRN_JPEG_EOF) err->endedEarly = true;
    }
}

enum DecodeFailure : int { kDecodeOk = 0, kOutOfMemory = -1, kTooLarge = -2, kTooManyScans = -3, kStopped = -4 };

struct DecodeResult {
    TBitmap* target;
    int status;  // kDecodeOk, a negative failure, or libjpeg's message code
    int64_t width, height;
    char message[JMSG_LENGTH_MAX];  // libjpeg's text for the message code
    bool endedEarly;
    bool progressive;
    // The conversion of the file's CMYK profile to sRGB; null without one.
    const ColourTransform* cmyk;
};

void StoreGreyRow(const JSAMPLE* in, uint8_t* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
}

// Adobe writes CMYK inverted (0 = full ink); a plain CMYK stream is not.
void StoreCmykRow(const JSAMPLE* in, uint8_t* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x) {
        int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[3 * x] = uint8_t((y * k + 127) / 255);
        out[3 * x + 1] = uint8_t((m * k + 127) / 255);
        out[3 * x + 2] = uint8_t((c * k + 127) / 255);
    }
}

// A decoding that libjpeg left by its error exit: which limit or which of
// libjpeg's failures ended it.
void NoteFailure(j_decompress_ptr info, const JpegErrorManager& err, const ScanLimit& scans, DecodeResult* result) {
    if (scans.exceeded) {
        result->status = kTooManyScans;
    } else if (err.pub.msg_code == JERR_IMAGE_TOO_BIG) {
        // libjpeg's own side limit, checked while it reads the frame header.
        result->status = kTooLarge;
        result->width = info->image_width;
        result->height = info->image_height;
    } else {
        result->status = err.pub.msg_code > 0 ? err.pub.msg_code : 1;
        (*err.pub.format_message)(reinterpret_cast<j_common_ptr>(info), result->message);
    }
}

// The frame header's claim, refused before libjpeg makes room for it: a
// picture too large (kTooLarge), or one that its file of `size` bytes
// could not hold, refused in libjpeg's words for a stream that ends early
// (its text in `message`); kDecodeOk otherwise.
int FrameRefusal(j_decompress_ptr info, size_t size, char* message) {
    if (int64_t(info->image_width) > kMaxJpegSide || int64_t(info->image_height) > kMaxJpegSide ||
        int64_t(info->image_width) * info->image_height > kMaxPicturePixels)
        return kTooLarge;
    // A file that could not hold the picture it claims has lost all but a
    // trace of it, yet libjpeg would still make and fill the whole claimed
    // picture (a 177-byte file claiming 152 megapixels took seconds). A
    // Huffman-coded stream spends at least one bit on every block of its
    // first scan, so it needs an eighth of a byte per block of its smallest
    // component. Arithmetic coding can squeeze a flat picture further, but
    // no photo packs more pixels into a byte than the other readers allow.
    int64_t fewestBlocks = INT64_MAX;
    for (int c = 0; c < info->num_components; ++c)
        fewestBlocks =
            std::min(fewestBlocks, int64_t(info->comp_info[c].width_in_blocks) * info->comp_info[c].height_in_blocks);
    const bool cannotHold = info->arith_code
                                ? int64_t(info->image_width) * info->image_height > kMaxPixelsPerFileByte * int64_t(size)
                                : int64_t(size) < fewestBlocks / 8;
    if (!cannotHold) return kDecodeOk;
    info->err->msg_code = JERR_INPUT_EOF;
    (*info->err->format_message)(reinterpret_cast<j_common_ptr>(info), message);
    return JERR_INPUT_EOF;
}

// Full scale, floating-point inverse DCT, block smoothing; grey and CMYK
// (or YCCK) come out as they are and are brought to our rows by
// ReadPicture, everything else straight into our blue, green, red.
void ChooseOutput(j_decompress_ptr info) {
    info->scale_num = 1;
    info->scale_denom = 1;
    info->dct_method = JDCT_FLOAT;
    info->do_block_smoothing = TRUE;
    const J_COLOR_SPACE source = info->jpeg_color_space;
    const bool cmyk = source == JCS_CMYK || source == JCS_YCCK;
    const bool grey = info->num_components == 1;
    info->out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
}

// The started decompression's rows, into `target` once it has been made:
// kDecodeOk, kOutOfMemory when it cannot be, kStopped when the work was
// given up on.
int ReadPicture(j_decompress_ptr info, DecodeResult* result) {
    TBitmap* target = result->target;
    if (!target->TrySetSize(int(info->output_width), int(info->output_height))) return kOutOfMemory;
    // Rows that are not three bytes a pixel pass through libjpeg's own
    // scratch row, which jpeg_destroy frees.
    JSAMPARRAY scratch = nullptr;
    if (info->out_color_space != JCS_EXT_BGR)
        scratch = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                             info->output_width * info->output_components, 1);
    const bool grey = info->out_color_space == JCS_GRAYSCALE;
    const bool inverted = info->saw_Adobe_marker;
    const ColourTransform* profile = result->cmyk;
    while (info->output_scanline < info->output_height) {
        if (info->output_scanline % kStopCheckRows == 0 && StopRequested()) return kStopped;
        uint8_t* out = target->Row(int(info->output_scanline));
        if (!scratch) {
            JSAMPROW row = out;
            jpeg_read_scanlines(info, &row, 1);
        } else {
            jpeg_read_scanlines(info, scratch, 1);
            if (grey)
                StoreGreyRow(scratch[0], out, info->output_width);
            else if (profile)
                profile->ConvertRow(scratch[0], out, int(info->output_width));
            else
                StoreCmykRow(scratch[0], out, info->output_width, inverted);
        }
    }
    return kDecodeOk;
}

void DecodeWithLibjpeg(const uint8_t* data, size_t size, DecodeResult* result) {
    jpeg_decompress_struct info;
    JpegErrorManager err;
    ScanLimit scans;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = JpegErrorExit;
    err.pub.output_message = JpegSilentMessage;
    err.pub.emit_message = JpegNoteWarning;
    scans.pub.progress_monitor = CheckScanCount;
    scans.jump = &err.jump;
    scans.blockBudget = kMaxScanBlocksPerFileByte * int64_t(size);
    if (setjmp(err.jump)) {
        NoteFailure(&info, err, scans, result);
        jpeg_destroy_decompress(&info);
        return;
    }
    jpeg_create_decompress(&info);
    info.progress = &scans.pub;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    // Arithmetic decoding costs about four times as much a block.
    if (info.arith_code) scans.blockBudget /= 4;

    result->width = info.image_width;
    result->height = info.image_height;
    result->status = FrameRefusal(&info, size, result->message);
    if (result->status == kDecodeOk) {
        ChooseOutput(&info);
        if (jpeg_has_multiple_scans(&info) && ScansExceedLimit(data, size, &info, scans.blockBudget))
            result->status = kTooManyScans;
    }
    if (result->status == kDecodeOk) {
        jpeg_start_decompress(&info);
        result->status = ReadPicture(&info, result);
    }
    if (result->status == kDecodeOk) {
        // Noted before the end marker is looked for: a file that lacks only
        // that has all its picture.
        result->endedEarly = err.endedEarly;
        result->progressive = jpeg_has_multiple_scans(&info);
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
}

}  // namespace

TBitmap DecodeJpeg(const uint8_t* data, size_t size, std::string* warning) {
    TBitmap picture;
    // A CMYK picture is converted through its profile, where it has one,
    // as its maker saw it.
    const std::shared_ptr<const ColourTransform> cmyk = CmykConversionOf(data, size);
    DecodeResult result{&picture, 0, 0, 0, "", false, false, cmyk.get()};
    DecodeWithLibjpeg(data, size, &result);
    if (result.status == kTooLarge) throw PictureTooLarge(result.width, result.height);
    if (result.status == kOutOfMemory) throw NotEnoughMemory();
    if (result.status == kStopped) throw WorkStopped();
    if (result.status == kTooManyScans)
        throw CorvessaError("JPEG stream has more scans than its file could hold (more than " +
                            std::to_string(kMaxJpegScans) + ", or far too many for its size)");
    if (result.status != kDecodeOk) throw JpegError(result.status, result.message);
    if (warning) {
        warning->clear();
        // A progressive stream shows the whole picture from its first
        // scans; what its missing scans held is detail or, when the first
        // scans are cut too, the lower part.
        if (result.endedEarly)
            *warning = result.progressive ? "The file is incomplete: the picture lacks detail, or its lower part is missing"
                                          : "The file is incomplete: its lower part is missing";
    }
    return picture;
}

void CheckJpegStart(const uint8_t* head, size_t headBytes, uint64_t) {
    if (headBytes < 2) return;
    // libjpeg refuses any other start on its first two bytes, which say
    // all it would say.
    if (head[0] != 0xFF || head[1] != 0xD8) DecodeJpeg(head, headBytes);
    // The frame header, found among the header segments as libjpeg finds
    // it; the head may end before it.
    for (size_t at = 2; at < headBytes;) {
        const void* next = std::memchr(head + at, 0xFF, headBytes - at);
        if (!next) return;
        at = size_t(static_cast<const uint8_t*>(next) - head);
        while (at < headBytes && head[at] == 0xFF) ++at;
        if (headBytes - at < 3) return;
        const uint8_t marker = head[at];
        // Past the scan, a second start or a frame libjpeg does not decode,
        // its own words say more.
        const bool frame = marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
        if (marker == 0xDA || marker == 0xD9 || marker == 0xD8 || (!frame && marker >= 0xC0 && marker <= 0xCF &&
                                                                   marker != 0xC4 && marker != 0xCC))
            return;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            ++at;
            continue;
        }
        if (frame) {
            if (headBytes - at < 8) return;
            const int64_t height = int64_t(head[at + 4]) << 8 | head[at + 5];
            const int64_t width = int64_t(head[at + 6]) << 8 | head[at + 7];
            if (width > kMaxJpegSide || height > kMaxJpegSide || width * height > kMaxPicturePixels)
                throw PictureTooLarge(width, height);
            return;
        }
        at += 1 + std::max<size_t>(size_t(head[at + 1]) << 8 | head[at + 2], 2);
    }
}

}  // namespace corvessa
