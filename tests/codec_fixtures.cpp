#include "codec_fixtures.h"

#include <jxl/decode.h>
#include <jxl/encode.h>
#include <libheif/heif.h>
#include <webp/decode.h>
#include <webp/mux.h>

#include <cstring>
#include <stdexcept>

#include "io/files.h"
#include "test_support.h"

namespace corvessa::test {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("fixture: " + what); }

// A little-endian TIFF directory put together entry by entry; values
// longer than four bytes go after it.
class TiffWriter {
public:
    void Entry(uint16_t tag, uint16_t type, uint32_t count, std::vector<uint8_t> value) {
        entries_.push_back({tag, type, count, std::move(value)});
    }
    void Short(uint16_t tag, std::vector<uint16_t> values) {
        std::vector<uint8_t> v;
        for (uint16_t x : values) v.push_back(uint8_t(x)), v.push_back(uint8_t(x >> 8));
        Entry(tag, 3, uint32_t(values.size()), v);
    }
    void Long(uint16_t tag, uint32_t value) { Entry(tag, 4, 1, Le32(value)); }
    void Longs(uint16_t tag, const std::vector<uint32_t>& values) {
        std::vector<uint8_t> v;
        for (uint32_t x : values)
            for (uint8_t b : Le32(x)) v.push_back(b);
        Entry(tag, 4, uint32_t(values.size()), v);
    }
    void Ascii(uint16_t tag, const std::string& text) {
        std::vector<uint8_t> v(text.begin(), text.end());
        v.push_back(0);
        Entry(tag, 2, uint32_t(v.size()), v);
    }
    void Bytes(uint16_t tag, std::vector<uint8_t> values) { Entry(tag, 1, uint32_t(values.size()), values); }
    // Rationals (type 5) or signed rationals (10) of n / 10000.
    void Rationals(uint16_t tag, uint16_t type, std::vector<int> tenThousandths) {
        std::vector<uint8_t> v;
        for (int x : tenThousandths) {
            for (uint8_t b : Le32(uint32_t(x))) v.push_back(b);
            for (uint8_t b : Le32(10000)) v.push_back(b);
        }
        Entry(tag, type, uint32_t(tenThousandths.size()), v);
    }
    // Header, directory (the strip offset tag pointing at the picture
    // data, the tile offsets counted from its start), values, picture data.
    std::vector<uint8_t> File(const std::vector<uint8_t>& picture) {
        std::sort(entries_.begin(), entries_.end(), [](const E& a, const E& b) { return a.tag < b.tag; });
        const size_t directory = 8, values = directory + 2 + 12 * entries_.size() + 4;
        size_t valueBytes = 0;
        for (const E& e : entries_)
            if (e.value.size() > 4) valueBytes += (e.value.size() + 1) & ~size_t(1);
        const uint32_t pictureAt = uint32_t(values + valueBytes);
        std::vector<uint8_t> out = {'I', 'I', 42, 0, 8, 0, 0, 0};
        const auto put16 = [&](uint16_t v) { out.push_back(uint8_t(v)), out.push_back(uint8_t(v >> 8)); };
        put16(uint16_t(entries_.size()));
        std::vector<uint8_t> tail;
        for (E& e : entries_) {
            if (e.tag == 273) e.value = Le32(pictureAt);
            if (e.tag == 324)
                for (size_t i = 0; i + 4 <= e.value.size(); i += 4) {
                    uint32_t v = 0;
                    for (int b = 3; b >= 0; --b) v = v << 8 | e.value[i + size_t(b)];
                    const std::vector<uint8_t> moved = Le32(v + pictureAt);
                    std::copy(moved.begin(), moved.end(), e.value.begin() + ptrdiff_t(i));
                }
            put16(e.tag);
            put16(e.type);
            for (uint8_t b : Le32(e.count)) out.push_back(b);
            if (e.value.size() <= 4) {
                std::vector<uint8_t> inline4 = e.value;
                inline4.resize(4, 0);
                out.insert(out.end(), inline4.begin(), inline4.end());
            } else {
                for (uint8_t b : Le32(uint32_t(values + tail.size()))) out.push_back(b);
                tail.insert(tail.end(), e.value.begin(), e.value.end());
                if (tail.size() % 2) tail.push_back(0);
            }
        }
        for (int i = 0; i < 4; ++i) out.push_back(0);  // no next directory
        out.insert(out.end(), tail.begin(), tail.end());
        out.insert(out.end(), picture.begin(), picture.end());
        return out;
    }

private:
    static std::vector<uint8_t> Le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
    struct E {
        uint16_t tag, type;
        uint32_t count;
        std::vector<uint8_t> value;
    };
    std::vector<E> entries_;
};

// The P6 PPM of dcraw_emu as our blue, green, red.
TBitmap ReadPpm(const std::vector<uint8_t>& ppm) {
    size_t at = 0;
    std::vector<int> fields;
    std::string token;
    while (fields.size() < 4 && at < ppm.size()) {
        const char c = char(ppm[at++]);
        if (c == '#') {
            while (at < ppm.size() && ppm[at] != '\n') ++at;
        } else if (std::isspace(uint8_t(c))) {
            if (!token.empty()) fields.push_back(token == "P6" ? 6 : std::stoi(token)), token.clear();
        } else {
            token += c;
        }
    }
    if (fields.size() != 4 || fields[0] != 6 || fields[3] != 255) Fail("dcraw_emu's PPM");
    TBitmap b(fields[1], fields[2]);
    if (ppm.size() - at != b.ByteCount()) Fail("dcraw_emu's PPM size");
    for (size_t i = 0; i < b.ByteCount(); i += 3) {
        b.Data()[i] = ppm[at + i + 2];
        b.Data()[i + 1] = ppm[at + i + 1];
        b.Data()[i + 2] = ppm[at + i];
    }
    return b;
}

TBitmap FromRgb(const uint8_t* rgb, int width, int height, size_t stride) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = rgb + size_t(y) * stride + size_t(x) * 3;
            uint8_t* q = b.Pixel(x, y);
            q[0] = p[2], q[1] = p[1], q[2] = p[0];
        }
    return b;
}

// Bits written least significant first, as a JPEG XL codestream packs them.
struct BitWriter {
    std::vector<uint8_t> bytes;
    size_t at = 0;
    void Put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i, ++at) {
            if (at / 8 >= bytes.size()) bytes.push_back(0);
            bytes[at / 8] |= uint8_t(((value >> i) & 1) << (at % 8));
        }
    }
};

// The file of an encoder given all its input, which it then destroys.
std::vector<uint8_t> Finished(JxlEncoder* encoder) {
    JxlEncoderCloseInput(encoder);
    std::vector<uint8_t> out(1 << 16);
    uint8_t* next = out.data();
    size_t room = out.size();
    for (JxlEncoderStatus status; (status = JxlEncoderProcessOutput(encoder, &next, &room)) != JXL_ENC_SUCCESS;) {
        if (status != JXL_ENC_NEED_MORE_OUTPUT) {
            JxlEncoderDestroy(encoder);
            Fail("output");
        }
        const size_t used = size_t(next - out.data());
        out.resize(out.size() * 2);
        next = out.data() + used;
        room = out.size() - used;
    }
    out.resize(size_t(next - out.data()));
    JxlEncoderDestroy(encoder);
    return out;
}

// R G / G B: a ramp per colour, with texture from the position.
int MosaicSample(int x, int y) {
    const int colour = (y % 2) * 2 + (x % 2);
    const int ramp = colour == 0 ? 400 + 60 * x : colour == 3 ? 300 + 90 * y : 800 + 25 * (x + y);
    return std::min(4095, ramp + int((x * 37 + y * 91) % 64));
}

// Bits written most significant first, a 0xFF byte followed by a 0 as in
// JPEG's coded data.
struct JpegBitWriter {
    std::vector<uint8_t> bytes;
    uint32_t held = 0;
    int count = 0;
    void Put(uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            held = held << 1 | ((value >> i) & 1);
            if (++count == 8) Flush();
        }
    }
    void Flush() {
        bytes.push_back(uint8_t(held));
        if (uint8_t(held) == 0xFF) bytes.push_back(0);
        held = 0, count = 0;
    }
    void End() {
        while (count != 0) Put(1, 1);
    }
};

// A lossless JPEG (SOF3, predictor 1: the sample to the left, or above in
// the first column) of one component of 12-bit samples, its frame header
// claiming `claimWidth` x `claimHeight`. One Huffman table: a difference
// of 0 in one bit, every other size in six.
std::vector<uint8_t> LosslessJpeg(const std::vector<uint16_t>& samples, int width, int height, int claimWidth,
                                  int claimHeight) {
    std::vector<uint8_t> out = {0xFF, 0xD8, 0xFF, 0xC4, 0, 3 + 16 + 17, 0x00, 1, 0, 0, 0, 0, 16};
    out.insert(out.end(), 10, 0);
    for (uint8_t symbol = 0; symbol <= 16; ++symbol) out.push_back(symbol);
    out.insert(out.end(), {0xFF, 0xC3, 0, 11, 12, uint8_t(claimHeight >> 8), uint8_t(claimHeight), uint8_t(claimWidth >> 8),
                           uint8_t(claimWidth), 1, 1, 0x11, 0});
    out.insert(out.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 1, 0, 0});
    JpegBitWriter bits;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int value = samples[size_t(y) * size_t(width) + size_t(x)];
            const int predicted = x > 0 ? samples[size_t(y) * size_t(width) + size_t(x) - 1]
                                  : y > 0 ? samples[size_t(y - 1) * size_t(width)]
                                          : 1 << 11;
            const int difference = value - predicted;
            int size = 0;
            while ((std::abs(difference) >> size) != 0) ++size;
            if (size == 0) {
                bits.Put(0, 1);
                continue;
            }
            bits.Put(32 + uint32_t(size - 1), 6);
            bits.Put(uint32_t(difference >= 0 ? difference : difference - 1) & ((1u << size) - 1), size);
        }
    bits.End();
    out.insert(out.end(), bits.bytes.begin(), bits.bytes.end());
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

// The tags every test DNG has beside those of its picture data.
void DngTags(TiffWriter& t, uint32_t width, uint32_t height, int orientation) {
    t.Long(254, 0);  // the main picture
    t.Long(256, width);
    t.Long(257, height);
    t.Short(258, {16});
    t.Short(262, {32803});  // colour filter array
    t.Ascii(271, kTestRawMake);
    t.Ascii(272, kTestRawModel);
    t.Short(274, {uint16_t(orientation)});
    t.Short(277, {1});
    t.Short(284, {1});
    t.Short(33421, {2, 2});
    t.Bytes(33422, {0, 1, 1, 2});
    t.Bytes(50706, {1, 4, 0, 0});
    t.Ascii(50708, std::string(kTestRawMake) + " " + kTestRawModel);
    t.Short(50717, {4095});
    t.Rationals(50721, 10, {8000, -2000, -1000, -3000, 11000, 2000, -500, 1500, 6000});
    t.Rationals(50728, 5, {5000, 10000, 7000});
    t.Short(50778, {21});  // D65
}

}  // namespace

std::vector<uint8_t> MakeLosslessDng(const LosslessDngOptions& o) {
    const bool hostile = o.claimWidth > 0;
    const uint32_t width = hostile ? o.claimWidth : uint32_t(o.width);
    const uint32_t height = hostile ? o.claimHeight : uint32_t(o.height);
    const uint32_t side = uint32_t(o.tileSide);
    const uint32_t across = (width + side - 1) / side, down = (height + side - 1) / side;
    std::vector<uint8_t> data;
    std::vector<uint32_t> offsets, counts;
    for (uint32_t ty = 0; ty < down; ++ty)
        for (uint32_t tx = 0; tx < across; ++tx) {
            if (hostile && !data.empty()) {  // every tile is the first one's data
                offsets.push_back(0), counts.push_back(uint32_t(data.size()));
                continue;
            }
            std::vector<uint16_t> tile;
            for (uint32_t y = 0; y < side; ++y)
                for (uint32_t x = 0; x < side; ++x)
                    tile.push_back(uint16_t(hostile ? 1000 : MosaicSample(int(tx * side + x), int(ty * side + y))));
            const int claim = ty == 0 && tx == 0 && o.firstTileClaims ? o.firstTileClaims : int(side);
            const std::vector<uint8_t> jpeg = LosslessJpeg(tile, int(side), int(side), claim, claim);
            offsets.push_back(uint32_t(data.size())), counts.push_back(uint32_t(jpeg.size()));
            data.insert(data.end(), jpeg.begin(), jpeg.end());
        }
    TiffWriter t;
    DngTags(t, width, height, 1);
    t.Short(259, {7});  // JPEG, here lossless
    t.Long(322, side);
    t.Long(323, side);
    t.Longs(324, offsets);
    t.Longs(325, counts);
    return t.File(data);
}

std::vector<uint8_t> MakeDng(const DngOptions& o) {
    std::vector<uint8_t> mosaic;
    for (int y = 0; y < o.height; ++y)
        for (int x = 0; x < o.width; ++x) {
            const int v = MosaicSample(x, y);
            mosaic.push_back(uint8_t(v)), mosaic.push_back(uint8_t(v >> 8));
        }
    const uint32_t width = o.claimWidth ? o.claimWidth : uint32_t(o.width);
    const uint32_t height = o.claimHeight ? o.claimHeight : uint32_t(o.height);
    TiffWriter t;
    DngTags(t, width, height, o.orientation);
    t.Short(259, {1});
    t.Long(273, 0);  // set to the picture data's place
    t.Long(278, height);
    t.Long(279, uint32_t(mosaic.size()));
    return t.File(mosaic);
}

TBitmap DcrawDeveloped(const std::vector<uint8_t>& raw, bool half) {
    TempDir dir;
    const std::string path = dir.File("in.dng");
    WriteBytes(path, raw);
    std::vector<std::string> argv = {"dcraw_emu", "-w"};
    if (half) argv.push_back("-h");
    argv.push_back(path);
    if (Run(argv) != 0) Fail("dcraw_emu");
    return ReadPpm(ReadWholeFile(path + ".ppm"));
}

std::vector<uint8_t> MakeJxl(const Samples& s, const JxlOptions& options) {
    JxlEncoder* encoder = JxlEncoderCreate(nullptr);
    const auto check = [&](JxlEncoderStatus status, const char* what) {
        if (status != JXL_ENC_SUCCESS) {
            JxlEncoderDestroy(encoder);
            Fail(what);
        }
    };
    const bool grey = s.channels <= 2, alpha = s.channels % 2 == 0;
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(s.width);
    info.ysize = uint32_t(s.height);
    info.bits_per_sample = uint32_t(s.bits);
    info.num_color_channels = grey ? 1 : 3;
    info.uses_original_profile = options.lossy ? JXL_FALSE : JXL_TRUE;
    info.orientation = JxlOrientation(options.orientation);
    if (alpha) {
        info.num_extra_channels = 1;
        info.alpha_bits = uint32_t(s.bits);
    }
    if (!options.exif.empty() || !options.xmp.empty()) check(JxlEncoderUseBoxes(encoder), "boxes");
    check(JxlEncoderSetBasicInfo(encoder, &info), "basic info");
    if (alpha) {
        JxlExtraChannelInfo channel;
        JxlEncoderInitExtraChannelInfo(JXL_CHANNEL_ALPHA, &channel);
        channel.bits_per_sample = uint32_t(s.bits);
        check(JxlEncoderSetExtraChannelInfo(encoder, 0, &channel), "alpha");
    }
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, grey);
    if (options.iccProfile.empty())
        check(JxlEncoderSetColorEncoding(encoder, &colour), "colour");
    else
        check(JxlEncoderSetICCProfile(encoder, options.iccProfile.data(), options.iccProfile.size()), "profile");
    if (!options.exif.empty()) {
        std::vector<uint8_t> exif = {0, 0, 0, 0};
        exif.insert(exif.end(), options.exif.begin(), options.exif.end());
        check(JxlEncoderAddBox(encoder, "Exif", exif.data(), exif.size(), JXL_FALSE), "Exif box");
    }
    if (!options.xmp.empty())
        check(JxlEncoderAddBox(encoder, "xml ", reinterpret_cast<const uint8_t*>(options.xmp.data()), options.xmp.size(),
                               JXL_FALSE),
              "XMP box");
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    if (options.lossy)
        check(JxlEncoderSetFrameDistance(settings, 1.0f), "distance");
    else
        check(JxlEncoderSetFrameLossless(settings, JXL_TRUE), "lossless");
    const JxlPixelFormat format{uint32_t(s.channels), s.bits > 8 ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    std::vector<uint8_t> pixels;
    for (uint16_t v : s.values) {
        if (s.bits > 8) {
            pixels.resize(pixels.size() + 2);
            std::memcpy(&pixels[pixels.size() - 2], &v, 2);
        } else {
            pixels.push_back(uint8_t(v));
        }
    }
    check(JxlEncoderAddImageFrame(settings, &format, pixels.data(), pixels.size()), "frame");
    return Finished(encoder);
}

std::vector<uint8_t> MakeLayeredJxl(int width, int height, int layers, int resampling) {
    JxlEncoder* encoder = JxlEncoderCreate(nullptr);
    const auto check = [&](JxlEncoderStatus status, const char* what) {
        if (status != JXL_ENC_SUCCESS) {
            JxlEncoderDestroy(encoder);
            Fail(what);
        }
    };
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(width);
    info.ysize = uint32_t(height);
    info.bits_per_sample = 8;
    info.num_color_channels = 3;
    info.uses_original_profile = JXL_TRUE;
    check(JxlEncoderSetBasicInfo(encoder, &info), "basic info");
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, JXL_FALSE);
    check(JxlEncoderSetColorEncoding(encoder, &colour), "colour");
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    check(JxlEncoderSetFrameLossless(settings, JXL_TRUE), "lossless");
    check(JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT, 1), "effort");
    if (resampling > 1) {
        check(JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_RESAMPLING, resampling), "resampling");
        check(JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_ALREADY_DOWNSAMPLED, 1), "downsampled");
    }
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    for (int i = 0; i < layers; ++i) {
        const int inset = std::min(i, std::min(width, height) / 2 - 1);
        JxlFrameHeader header;
        JxlEncoderInitFrameHeader(&header);
        header.layer_info.have_crop = i > 0;
        header.layer_info.crop_x0 = inset;
        header.layer_info.crop_y0 = inset;
        header.layer_info.xsize = uint32_t(i > 0 ? width - 2 * inset : width);
        header.layer_info.ysize = uint32_t(i > 0 ? height - 2 * inset : height);
        check(JxlEncoderSetFrameHeader(settings, &header), "frame header");
        const size_t columns = (header.layer_info.xsize + uint32_t(resampling) - 1) / uint32_t(resampling);
        const size_t rows = (header.layer_info.ysize + uint32_t(resampling) - 1) / uint32_t(resampling);
        std::vector<uint8_t> pixels(columns * rows * 3);
        for (size_t p = 0; p < pixels.size(); p += 3)
            pixels[p] = uint8_t(40 + 7 * i), pixels[p + 1] = uint8_t(200 - 3 * i), pixels[p + 2] = uint8_t(90 + 11 * i);
        check(JxlEncoderAddImageFrame(settings, &format, pixels.data(), pixels.size()), "frame");
    }
    return Finished(encoder);
}

std::vector<uint8_t> JxlHeaderClaiming(uint32_t width, uint32_t height) {
    BitWriter bits;
    bits.Put(0x0AFF, 16);  // the signature
    bits.Put(0, 1);  // not a small size
    bits.Put(3, 2), bits.Put(height - 1, 30);
    bits.Put(0, 3);  // no ratio: the width follows
    bits.Put(3, 2), bits.Put(width - 1, 30);
    bits.Put(1, 1);  // all image metadata default
    bits.Put(0, 16);
    return bits.bytes;
}

TBitmap LibraryDecoded(const std::vector<uint8_t>& file, const std::string& format) {
    if (format == "webp") {
        int width = 0, height = 0;
        uint8_t* rgb = WebPDecodeRGB(file.data(), file.size(), &width, &height);
        if (!rgb) Fail("libwebp cannot decode it");
        TBitmap b = FromRgb(rgb, width, height, size_t(width) * 3);
        WebPFree(rgb);
        return b;
    }
    if (format == "heic" || format == "avif") {
        heif_context* context = heif_context_alloc();
        heif_image_handle* handle = nullptr;
        heif_image* image = nullptr;
        if (heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr).code != heif_error_Ok ||
            heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok ||
            heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code != heif_error_Ok)
            Fail("libheif cannot decode it");
        int stride = 0;
        const uint8_t* plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
        TBitmap b = FromRgb(plane, heif_image_get_width(image, heif_channel_interleaved),
                            heif_image_get_height(image, heif_channel_interleaved), size_t(stride));
        heif_image_release(image);
        heif_image_handle_release(handle);
        heif_context_free(context);
        return b;
    }
    if (format == "jxl") {
        JxlDecoder* decoder = JxlDecoderCreate(nullptr);
        JxlDecoderSubscribeEvents(decoder, JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE);
        JxlDecoderSetInput(decoder, file.data(), file.size());
        JxlDecoderCloseInput(decoder);
        const JxlPixelFormat rgbFormat{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
        JxlBasicInfo info{};
        std::vector<uint8_t> rgb;
        for (;;) {
            const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
            if (status == JXL_DEC_BASIC_INFO) {
                JxlDecoderGetBasicInfo(decoder, &info);
            } else if (status == JXL_DEC_NEED_IMAGE_OUT_BUFFER) {
                size_t bytes = 0;
                JxlDecoderImageOutBufferSize(decoder, &rgbFormat, &bytes);
                rgb.resize(bytes);
                JxlDecoderSetImageOutBuffer(decoder, &rgbFormat, rgb.data(), bytes);
            } else if (status == JXL_DEC_FULL_IMAGE) {
                break;
            } else {
                JxlDecoderDestroy(decoder);
                Fail("libjxl cannot decode it");
            }
        }
        JxlDecoderDestroy(decoder);
        return FromRgb(rgb.data(), int(info.xsize), int(info.ysize), size_t(info.xsize) * 3);
    }
    Fail("no library for " + format);
}

std::vector<uint8_t> LibraryExif(const std::vector<uint8_t>& file, const std::string& format) {
    if (format == "webp") {
        const WebPData data{file.data(), file.size()};
        WebPMux* mux = WebPMuxCreate(&data, 0);
        WebPData chunk{nullptr, 0};
        std::vector<uint8_t> exif;
        if (mux && WebPMuxGetChunk(mux, "EXIF", &chunk) == WEBP_MUX_OK) exif.assign(chunk.bytes, chunk.bytes + chunk.size);
        WebPMuxDelete(mux);
        return exif;
    }
    if (format == "heic" || format == "avif") {
        heif_context* context = heif_context_alloc();
        heif_image_handle* handle = nullptr;
        std::vector<uint8_t> exif;
        heif_item_id id = 0;
        if (heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr).code == heif_error_Ok &&
            heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok &&
            heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) == 1) {
            std::vector<uint8_t> block(heif_image_handle_get_metadata_size(handle, id));
            heif_image_handle_get_metadata(handle, id, block.data());
            const size_t offset = block.size() >= 4 ? size_t(block[0]) << 24 | size_t(block[1]) << 16 | size_t(block[2]) << 8 | block[3] : 0;
            if (block.size() >= 4 + offset) exif.assign(block.begin() + 4 + ptrdiff_t(offset), block.end());
        }
        if (handle) heif_image_handle_release(handle);
        heif_context_free(context);
        return exif;
    }
    if (format == "jxl") {
        JxlDecoder* decoder = JxlDecoderCreate(nullptr);
        JxlDecoderSubscribeEvents(decoder, JXL_DEC_BOX);
        JxlDecoderSetInput(decoder, file.data(), file.size());
        JxlDecoderCloseInput(decoder);
        std::vector<uint8_t> box(1 << 16), exif;
        bool inExif = false;
        for (;;) {
            const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
            if (inExif) {
                const size_t left = JxlDecoderReleaseBoxBuffer(decoder);
                box.resize(box.size() - left);
                if (box.size() >= 4) exif.assign(box.begin() + 4, box.end());  // the offset is 0 as ours write it
                inExif = false;
            }
            if (status != JXL_DEC_BOX) break;
            JxlBoxType type;
            JxlDecoderGetBoxType(decoder, type, JXL_FALSE);
            if (std::memcmp(type, "Exif", 4) == 0) {
                JxlDecoderSetBoxBuffer(decoder, box.data(), box.size());
                inExif = true;
            }
        }
        JxlDecoderDestroy(decoder);
        return exif;
    }
    Fail("no library for " + format);
}

}  // namespace corvessa::test
