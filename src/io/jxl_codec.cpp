#include "io/jxl_codec.h"

#include <jxl/decode.h>
#include <jxl/encode.h>
#include <jxl/thread_parallel_runner.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "ground/error.h"
#include "ground/parallel.h"
#include "io/colour_profile.h"
#include "io/jpeg_codec.h"
#include "io/memory_room.h"
#include "io/photo_metadata.h"
#include "io/picture_samples.h"

namespace corvessa {

namespace {

struct DecoderFree {
    void operator()(JxlDecoder* d) const { JxlDecoderDestroy(d); }
};
struct EncoderFree {
    void operator()(JxlEncoder* e) const { JxlEncoderDestroy(e); }
};
struct RunnerFree {
    void operator()(void* r) const { JxlThreadParallelRunnerDestroy(r); }
};
using Decoder = std::unique_ptr<JxlDecoder, DecoderFree>;
using Runner = std::unique_ptr<void, RunnerFree>;

// libjxl's workers, one a core; none under a limit on address space
// (see AddressSpaceLimited), where libjxl works on the caller's thread.
Runner MakeRunner() {
    if (AddressSpaceLimited()) return Runner();
    return Runner(JxlThreadParallelRunnerCreate(nullptr, JxlThreadParallelRunnerDefaultNumWorkerThreads()));
}

// A still picture may be the blend of zero-duration layers, and libjxl
// decodes each at its own size before the first picture is whole: a file
// of 70 KB held 500 of them and took 40 s. More layers than this are
// refused before any is decoded (image editors export a layer each for a
// handful to a few dozen).
inline constexpr int kMaxJxlLayers = 256;

// What decoding a picture of `pixels` takes besides our bitmap: libjxl's
// planes and its output in 8 or 16 bits. Measured as the rise of the peak
// address space on the caller's thread alone (as under a limit on it),
// from 3 to 48 megapixels of 8-bit colour: 5.8 bytes a pixel for a lossy
// file, 14.7 for a lossless one; a quarter more is asked for, and room
// for 16-bit or floating-point output and alpha. Short of it libjxl
// aborts the process.
size_t DecodingBytes(int64_t pixels, int sampleBytes, bool alpha) {
    return size_t(pixels * (20 + (sampleBytes - 1) * 4 * (alpha ? 4 : 3) / 3 + (alpha ? 6 : 0))) + (size_t(32) << 20);
}

// What encoding a picture of `pixels` takes beside it, measured as for
// decoding: 61 bytes a pixel at kJxlEffort (1.49 GB for 24 megapixels),
// 72 lossless at kJxlLosslessEffort (1.74 GB); a quarter more is asked
// for. Short of it libjxl aborts the process.
size_t EncodingBytes(int64_t pixels, bool lossless) {
    return size_t(pixels * (lossless ? 90 : 77)) + (size_t(32) << 20);
}

// The picture the decoder makes of a codestream of `info`: its sides
// swapped by the orientations that transpose.
void OrientedSize(const JxlBasicInfo& info, int64_t& width, int64_t& height) {
    const bool transposed = info.orientation >= JXL_ORIENT_TRANSPOSE;
    width = transposed ? info.ysize : info.xsize;
    height = transposed ? info.xsize : info.ysize;
}

void CheckClaim(const JxlBasicInfo& info, uint64_t fileBytes) {
    int64_t width = 0, height = 0;
    OrientedSize(info, width, height);
    CheckPictureDataClaim(width, height, fileBytes);
}

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

}  // namespace

bool IsJxl(const uint8_t* data, size_t size) {
    const JxlSignature s = JxlSignatureCheck(data, size);
    return s == JXL_SIG_CODESTREAM || s == JXL_SIG_CONTAINER;
}

namespace {

// The layers that make up the first picture, counted and held to the
// file's bytes before anything is decoded: libjxl is shown them without
// blending, and skips their data.
void CheckLayers(const uint8_t* data, size_t size) {
    const Decoder decoder(JxlDecoderCreate(nullptr));
    if (!decoder || JxlDecoderSetCoalescing(decoder.get(), JXL_FALSE) != JXL_DEC_SUCCESS ||
        JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FRAME) != JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), data, size) != JXL_DEC_SUCCESS)
        throw NotEnoughMemory();
    JxlDecoderCloseInput(decoder.get());
    int layers = 0;
    int64_t pixels = 0;
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
        if (status == JXL_DEC_BASIC_INFO) {
            JxlBasicInfo info{};
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS) return;
            CheckClaim(info, size);
            continue;
        }
        // The decoder proper says what else is wrong.
        if (status != JXL_DEC_FRAME) return;
        JxlFrameHeader frame{};
        if (JxlDecoderGetFrameHeader(decoder.get(), &frame) != JXL_DEC_SUCCESS) return;
        if (++layers > kMaxJxlLayers)
            throw BrokenPicture("its first picture is made of more than " + std::to_string(kMaxJxlLayers) + " layers");
        // Each layer costs its own pixels, which the file must hold as it
        // would hold one picture of them all (see CheckPictureDataClaim).
        pixels += int64_t(frame.layer_info.xsize) * frame.layer_info.ysize;
        const int64_t beyond = std::max<int64_t>(pixels - kPixelsFreeOfDataRule, 0);
        if (pixels > kMaxPixelsPerFileByte * int64_t(size) || beyond > kMaxPixelsPerDataByteAboveFree * int64_t(size))
            throw BrokenPicture("its layers claim " + std::to_string(pixels) + " pixels, more than its " +
                                std::to_string(size) + " bytes can hold");
        if (frame.duration != 0 || frame.is_last) return;  // the first picture ends here
    }
}

// A decoding under way: what the file says of its picture and colours,
// and where the pixels go.
struct JxlReading {
    JxlBasicInfo info{};
    JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    TBitmap picture;
    std::vector<uint8_t> pixels;
    size_t working = 0;
    // The profile of the picture's values ("" for sRGB), and the
    // conversion to it of values libjxl could only give in another space.
    std::vector<uint8_t> icc;
    std::shared_ptr<const ColourTransform> toOriginal;
};

void TakeBasicInfo(JxlDecoder* decoder, JxlReading& reading, size_t fileBytes) {
    if (JxlDecoderGetBasicInfo(decoder, &reading.info) != JXL_DEC_SUCCESS) throw BrokenPicture("its header cannot be read");
    CheckClaim(reading.info, fileBytes);
    int64_t width = 0, height = 0;
    OrientedSize(reading.info, width, height);
    if (!reading.picture.TrySetSize(int(width), int(height))) throw NotEnoughMemory();
    reading.format.num_channels = reading.info.alpha_bits > 0 ? 4 : 3;
    reading.format.data_type = reading.info.bits_per_sample > 8 ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8;
}

bool IsSrgbEncoding(const JxlColorEncoding& e) {
    return e.color_space != JXL_COLOR_SPACE_RGB ||
           (e.white_point == JXL_WHITE_POINT_D65 && e.primaries == JXL_PRIMARIES_SRGB &&
            e.transfer_function == JXL_TRANSFER_FUNCTION_SRGB);
}

bool SameEncoding(const JxlColorEncoding& a, const JxlColorEncoding& b) {
    return a.color_space == b.color_space && a.white_point == b.white_point && a.primaries == b.primaries &&
           a.transfer_function == b.transfer_function && a.rendering_intent == b.rendering_intent &&
           (a.transfer_function != JXL_TRANSFER_FUNCTION_GAMMA || a.gamma == b.gamma) &&
           (a.white_point != JXL_WHITE_POINT_CUSTOM ||
            (a.white_point_xy[0] == b.white_point_xy[0] && a.white_point_xy[1] == b.white_point_xy[1])) &&
           (a.primaries != JXL_PRIMARIES_CUSTOM ||
            (std::equal(a.primaries_red_xy, a.primaries_red_xy + 2, b.primaries_red_xy) &&
             std::equal(a.primaries_green_xy, a.primaries_green_xy + 2, b.primaries_green_xy) &&
             std::equal(a.primaries_blue_xy, a.primaries_blue_xy + 2, b.primaries_blue_xy)));
}

std::vector<uint8_t> IccOf(JxlDecoder* decoder, JxlColorProfileTarget target) {
    size_t size = 0;
    if (JxlDecoderGetICCProfileSize(decoder, nullptr, target, &size) != JXL_DEC_SUCCESS || size == 0) return {};
    std::vector<uint8_t> icc(size);
    if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, target, icc.data(), size) != JXL_DEC_SUCCESS) return {};
    return icc;
}

// The file's own colours: libjxl is asked for its values in them, and
// where it cannot give them (a lossy file whose profile no JPEG XL colour
// encoding expresses comes as linear sRGB), they are asked for as floating
// point and converted by Little CMS, as a viewer converts them.
void TakeColour(JxlDecoder* decoder, JxlReading& reading) {
    JxlColorEncoding original{};
    const bool encoded =
        JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_ORIGINAL, &original) ==
        JXL_DEC_SUCCESS;
    if (encoded && IsSrgbEncoding(original)) return;
    if (encoded && !reading.info.uses_original_profile) JxlDecoderSetPreferredColorProfile(decoder, &original);
    const ColourProfile wanted = KeptProfile(IccOf(decoder, JXL_COLOR_PROFILE_TARGET_ORIGINAL));
    const std::vector<uint8_t> given = IccOf(decoder, JXL_COLOR_PROFILE_TARGET_DATA);
    reading.icc = wanted.Icc();
    JxlColorEncoding data{};
    const bool same = encoded ? JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                                                   &data) == JXL_DEC_SUCCESS &&
                                    SameEncoding(data, original)
                              : given == IccOf(decoder, JXL_COLOR_PROFILE_TARGET_ORIGINAL);
    if (same || reading.info.num_color_channels != 3) return;
    const ColourProfile from = ColourProfile::FromIcc(given);
    if (!from.IsRgb()) return;
    reading.format.data_type = JXL_TYPE_FLOAT;
    reading.toOriginal = MakeTransform(from, wanted, reading.format.num_channels == 4 ? ColourTransform::kRgbaFloat
                                                                                       : ColourTransform::kRgbFloat);
}

void TakeOutBuffer(JxlDecoder* decoder, JxlReading& reading) {
    size_t bytes = 0;
    if (JxlDecoderImageOutBufferSize(decoder, &reading.format, &bytes) != JXL_DEC_SUCCESS)
        throw BrokenPicture("libjxl cannot decode it");
    reading.pixels.resize(bytes);
    if (JxlDecoderSetImageOutBuffer(decoder, &reading.format, reading.pixels.data(), bytes) != JXL_DEC_SUCCESS)
        throw BrokenPicture("libjxl cannot decode it");
}

// One sample of libjxl's row as 8 bits.
uint8_t Sample(const uint8_t* row, size_t i, JxlDataType type) {
    if (type == JXL_TYPE_UINT8) return row[i];
    if (type == JXL_TYPE_UINT16) {
        uint16_t v;
        std::memcpy(&v, row + 2 * i, 2);
        return EightBitSample(v);
    }
    float v;
    std::memcpy(&v, row + 4 * i, 4);
    return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
}

// libjxl's rows into ours: its colour converted where it must be, alpha
// flattened onto white.
void StorePixels(JxlReading& reading) {
    const JxlPixelFormat& format = reading.format;
    const bool alpha = format.num_channels == 4, premultiplied = alpha && reading.info.alpha_premultiplied;
    const int width = reading.picture.Width(), channels = int(format.num_channels);
    const size_t sampleBytes = format.data_type == JXL_TYPE_UINT8 ? 1 : format.data_type == JXL_TYPE_UINT16 ? 2 : 4;
    const size_t stride = size_t(width) * size_t(channels) * sampleBytes;
    if (reading.pixels.size() < stride * size_t(reading.picture.Height())) throw BrokenPicture("libjxl cannot decode it");
    ForEachRow(reading.picture.Height(), reading.picture.RowBytes(), [&](int y) {
        const uint8_t* row = reading.pixels.data() + size_t(y) * stride;
        uint8_t* out = reading.picture.Row(y);
        if (reading.toOriginal) reading.toOriginal->ConvertRow(row, out, width);
        for (int x = 0; x < width; ++x, out += 3) {
            const size_t at = size_t(x) * size_t(channels);
            uint8_t s[4];
            for (int c = 0; c < channels; ++c) s[c] = Sample(row, at + size_t(c), format.data_type);
            if (reading.toOriginal) s[0] = out[2], s[1] = out[1], s[2] = out[0];
            for (int c = 0; c < 3; ++c)
                out[2 - c] = !alpha ? s[c] : premultiplied ? PremultipliedOnWhite(s[c], s[3]) : OnWhite(s[c], s[3]);
        }
    });
}

}  // namespace

TBitmap DecodeJxl(const uint8_t* data, size_t size, std::string* warning, std::vector<uint8_t>* iccProfile) try {
    if (warning) warning->clear();
    if (!IsJxl(data, size)) throw BrokenPicture("it is not a JPEG XL file");
    CheckLayers(data, size);
    const Decoder decoder(JxlDecoderCreate(nullptr));
    if (!decoder) throw NotEnoughMemory();
    const Runner runner = MakeRunner();
    if (runner) JxlDecoderSetParallelRunner(decoder.get(), JxlThreadParallelRunner, runner.get());
    if (JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FULL_IMAGE) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), data, size) != JXL_DEC_SUCCESS)
        throw NotEnoughMemory();
    JxlDecoderCloseInput(decoder.get());
    JxlReading reading;
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
        // Memory taken by others meanwhile, or more needed than reckoned.
        if (status == JXL_DEC_ERROR && reading.working > 0 && !CanAllocate(2 * reading.working)) throw NotEnoughMemory();
        if (status == JXL_DEC_ERROR) throw BrokenPicture("libjxl cannot decode it");
        if (status == JXL_DEC_NEED_MORE_INPUT) throw BrokenPicture("the file ends before its picture does");
        if (status == JXL_DEC_SUCCESS) throw BrokenPicture("the file holds no picture");
        if (status == JXL_DEC_BASIC_INFO) {
            TakeBasicInfo(decoder.get(), reading, size);
        } else if (status == JXL_DEC_COLOR_ENCODING) {
            TakeColour(decoder.get(), reading);
            const JxlDataType type = reading.format.data_type;
            reading.working = DecodingBytes(int64_t(reading.picture.Width()) * reading.picture.Height(),
                                            type == JXL_TYPE_UINT16 ? 2 : type == JXL_TYPE_FLOAT ? 4 : 1,
                                            reading.format.num_channels == 4);
            if (!CanAllocate(reading.working)) throw NotEnoughMemory();
        } else if (status == JXL_DEC_NEED_IMAGE_OUT_BUFFER) {
            TakeOutBuffer(decoder.get(), reading);
        } else if (status == JXL_DEC_FULL_IMAGE) {
            break;  // the first frame, as still viewers show it
        }
    }
    StorePixels(reading);
    if (iccProfile) *iccProfile = std::move(reading.icc);
    return std::move(reading.picture);
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

void CheckJxlStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes) {
    if (!IsJxl(head, headBytes)) throw BrokenPicture("it is not a JPEG XL file");
    const Decoder decoder(JxlDecoderCreate(nullptr));
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO) != JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), head, headBytes) != JXL_DEC_SUCCESS)
        return;  // DecodeJxl says what is wrong
    JxlBasicInfo info{};
    if (JxlDecoderProcessInput(decoder.get()) == JXL_DEC_BASIC_INFO &&
        JxlDecoderGetBasicInfo(decoder.get(), &info) == JXL_DEC_SUCCESS)
        CheckClaim(info, fileBytes);
}

JxlBoxes ReadJxlBoxes(const uint8_t* data, size_t size) {
    JxlBoxes boxes;
    if (JxlSignatureCheck(data, size) != JXL_SIG_CONTAINER) return boxes;
    for (size_t at = 0; at + 8 <= size;) {
        uint64_t boxSize = Big32(data + at);
        size_t header = 8;
        if (boxSize == 1) {
            if (at + 16 > size) break;
            boxSize = uint64_t(Big32(data + at + 8)) << 32 | Big32(data + at + 12);
            header = 16;
        } else if (boxSize == 0) {
            boxSize = size - at;
        }
        if (boxSize < header || boxSize > size - at) break;
        const uint8_t* content = data + at + header;
        const size_t length = size_t(boxSize) - header;
        if (std::memcmp(data + at + 4, "Exif", 4) == 0 && boxes.exif.empty() && length > 4) {
            // A 4-byte offset to the TIFF header, which usually follows at once.
            const uint32_t offset = Big32(content);
            if (offset < length - 4) boxes.exif.assign(content + 4 + offset, content + length);
        } else if (std::memcmp(data + at + 4, "xml ", 4) == 0 && boxes.xmp.empty()) {
            boxes.xmp.assign(reinterpret_cast<const char*>(content), length);
        }
        at += size_t(boxSize);
    }
    return boxes;
}

float JxlDistance(int quality) {
    quality = std::clamp(quality, 1, 100);
    if (quality >= 100) return 0.0f;
    if (quality >= 30) return 0.1f + float(100 - quality) * 0.09f;
    return std::min(25.0f, 6.4f + std::pow(2.5f, float(30 - quality) / 5.0f) / 6.25f);
}

namespace {

void CheckEncoding(JxlEncoderStatus status) {
    if (status != JXL_ENC_SUCCESS) throw CorvessaError("Stream write error: libjxl cannot encode the picture");
}

// The colour profile, Exif and XMP of `blocks`.
void AddMetadata(JxlEncoder* encoder, const SavedMetadataBlocks& blocks) {
    // A profile libjxl cannot parse leaves the picture sRGB, as it is
    // shown.
    if (blocks.iccProfile.empty() ||
        JxlEncoderSetICCProfile(encoder, blocks.iccProfile.data(), blocks.iccProfile.size()) != JXL_ENC_SUCCESS) {
        JxlColorEncoding srgb;
        JxlColorEncodingSetToSRGB(&srgb, JXL_FALSE);
        CheckEncoding(JxlEncoderSetColorEncoding(encoder, &srgb));
    }
    if (blocks.exif.empty() && blocks.xmp.empty()) return;
    CheckEncoding(JxlEncoderUseBoxes(encoder));
    if (!blocks.exif.empty()) {
        std::vector<uint8_t> exif = {0, 0, 0, 0};  // the TIFF header follows at once
        exif.insert(exif.end(), blocks.exif.begin(), blocks.exif.end());
        CheckEncoding(JxlEncoderAddBox(encoder, "Exif", exif.data(), exif.size(), JXL_FALSE));
    }
    if (!blocks.xmp.empty())
        CheckEncoding(JxlEncoderAddBox(encoder, "xml ", reinterpret_cast<const uint8_t*>(blocks.xmp.data()),
                                       blocks.xmp.size(), JXL_FALSE));
    JxlEncoderCloseBoxes(encoder);
}

// The picture as the one frame, in 8-bit red, green, blue.
void AddFrame(JxlEncoderFrameSettings* settings, const TBitmap& picture) {
    const int width = picture.Width(), height = picture.Height();
    std::vector<uint8_t> rgb(size_t(width) * 3 * size_t(height));
    ForEachRow(height, picture.RowBytes(), [&](int y) {
        const uint8_t* in = picture.Row(y);
        uint8_t* out = rgb.data() + size_t(y) * size_t(width) * 3;
        for (int x = 0; x < width; ++x, in += 3, out += 3) out[0] = in[2], out[1] = in[1], out[2] = in[0];
    });
    // libjxl takes its own copy of the frame, so ours goes before the
    // encoder's peak.
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    CheckEncoding(JxlEncoderAddImageFrame(settings, &format, rgb.data(), rgb.size()));
}

// The encoded file, in a buffer of about what a picture of `pixels` takes
// (grown as the encoder asks); a failure of the encoder while fewer than
// twice its `working` bytes can be had is a want of memory.
std::vector<uint8_t> TakeOutput(JxlEncoder* encoder, size_t pixels, size_t working) {
    std::vector<uint8_t> out(std::max<size_t>(4096, pixels * 3 / 8));
    size_t used = 0;
    for (;;) {
        uint8_t* next = out.data() + used;
        size_t room = out.size() - used;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder, &next, &room);
        used = size_t(next - out.data());
        if (status == JXL_ENC_SUCCESS) break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT && !CanAllocate(2 * working)) throw NotEnoughMemoryToSave("JPEG XL");
        if (status != JXL_ENC_NEED_MORE_OUTPUT) throw CorvessaError("Stream write error: libjxl cannot encode the picture");
        out.resize(out.size() * 2);
    }
    out.resize(used);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeJxl(const TBitmap& picture, const PhotoMetadata& metadata, int quality) try {
    const int width = picture.Width(), height = picture.Height();
    if (width <= 0 || height <= 0) throw CorvessaError("Stream write error: the picture is empty");
    const float distance = JxlDistance(quality);
    const CorvessaError noRoom = NotEnoughMemoryToSave("JPEG XL");
    const size_t working = EncodingBytes(int64_t(width) * height, distance == 0.0f);
    if (!CanAllocate(working)) throw noRoom;
    const std::unique_ptr<JxlEncoder, EncoderFree> encoder(JxlEncoderCreate(nullptr));
    if (!encoder) throw noRoom;
    const Runner runner = MakeRunner();
    if (runner) JxlEncoderSetParallelRunner(encoder.get(), JxlThreadParallelRunner, runner.get());
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(width);
    info.ysize = uint32_t(height);
    info.bits_per_sample = 8;
    info.num_color_channels = 3;
    info.uses_original_profile = distance == 0.0f ? JXL_TRUE : JXL_FALSE;
    CheckEncoding(JxlEncoderSetBasicInfo(encoder.get(), &info));
    const SavedMetadataBlocks blocks = SavedBlocks(metadata, width, height);
    AddMetadata(encoder.get(), blocks);
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    if (!settings) throw noRoom;
    CheckEncoding(JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT,
                                                   distance == 0.0f ? kJxlLosslessEffort : kJxlEffort));
    if (distance == 0.0f)
        CheckEncoding(JxlEncoderSetFrameLossless(settings, JXL_TRUE));
    else
        CheckEncoding(JxlEncoderSetFrameDistance(settings, distance));
    AddFrame(settings, picture);
    JxlEncoderCloseInput(encoder.get());
    return TakeOutput(encoder.get(), size_t(width) * size_t(height), working);
} catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToSave("JPEG XL");
}

}  // namespace corvessa
