#include "format_fixtures.h"

#include "colour_fixtures.h"

#include <exiv2/exiv2.hpp>
#include <libheif/heif.h>
#include <png.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <cstring>
#include <stdexcept>

#include "camera_jpeg.h"
#include "io/files.h"
#include "io/picture_samples.h"
#include "test_support.h"

extern char** environ;

namespace corvessa::test {

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "test fixture failed: %s\n", what.c_str());
    std::abort();
}

void PngFail(png_structp, png_const_charp message) { Fail(std::string("libpng: ") + message); }

void AppendToVector(png_structp png, png_bytep data, size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

struct Reading {
    const std::vector<uint8_t>* bytes;
    size_t at = 0;
};

void ReadFromVector(png_structp png, png_bytep out, size_t size) {
    auto* in = static_cast<Reading*>(png_get_io_ptr(png));
    if (in->bytes->size() - in->at < size) Fail("PNG ends early");
    std::memcpy(out, in->bytes->data() + in->at, size);
    in->at += size;
}

// Row bytes of the samples as a file stores them (16 bits big-endian).
std::vector<uint8_t> PackedRow(const Samples& s, int y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < s.width; ++x)
        for (int c = 0; c < s.channels; ++c) {
            const uint16_t v = s.At(x, y, c);
            if (s.bits == 16) row.push_back(uint8_t(v >> 8));
            row.push_back(uint8_t(v));
        }
    return row;
}

std::vector<uint8_t> ReadFile(const std::string& path) { return ReadWholeFile(path); }

// 8-bit RGB or RGBA rows of a Netpbm PAM file.
Samples ReadPam(const std::vector<uint8_t>& pam) {
    Samples s;
    s.bits = 8;
    size_t at = 0;
    auto line = [&] {
        const size_t end = std::find(pam.begin() + ptrdiff_t(at), pam.end(), '\n') - pam.begin();
        std::string text(pam.begin() + ptrdiff_t(at), pam.begin() + ptrdiff_t(end));
        at = end + 1;
        return text;
    };
    for (std::string text = line(); text != "ENDHDR"; text = line()) {
        if (text.rfind("WIDTH ", 0) == 0) s.width = std::stoi(text.substr(6));
        if (text.rfind("HEIGHT ", 0) == 0) s.height = std::stoi(text.substr(7));
        if (text.rfind("DEPTH ", 0) == 0) s.channels = std::stoi(text.substr(6));
        if (at >= pam.size()) Fail("PAM header");
    }
    s.values.assign(pam.begin() + ptrdiff_t(at), pam.end());
    if (s.values.size() != size_t(s.width) * size_t(s.height) * size_t(s.channels)) Fail("PAM size");
    return s;
}

}  // namespace

Samples MakeSamples(int width, int height, int channels, int bits, uint32_t seed) {
    Samples s{width, height, channels, bits, {}};
    s.values.resize(size_t(width) * size_t(height) * size_t(channels));
    const uint32_t most = bits == 16 ? 65535 : 255;
    uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                state = state * 1664525u + 1013904223u;
                const bool alpha = c == channels - 1 && (channels == 2 || channels == 4);
                // Alpha sweeps all its values along the rows; colour ramps
                // with texture.
                const uint32_t ramp = alpha ? uint32_t(x + y * width) * (most / 255 > 1 ? 257u : 1u) * 7
                                            : uint32_t(x * 2 + y * 3 + c * 50) * (most / 255);
                // 16-bit colour gets noise in its low byte too, so that
                // every rounding case turns up.
                const uint32_t noise = bits == 16 ? state >> 18 : state >> 30;
                const uint32_t v = alpha ? ramp % (most + 1) : (ramp + noise) % (most + 1);
                s.At(x, y, c) = uint16_t(v);
            }
    if (channels == 2 || channels == 4) {  // fully transparent and fully opaque pixels
        s.At(0, 0, channels - 1) = 0;
        s.At(width - 1, height - 1, channels - 1) = uint16_t(most);
    }
    return s;
}

TBitmap Expected(const Samples& s, bool premultiplied) {
    TBitmap b(s.width, s.height);
    const auto eight = [&](uint16_t v) { return s.bits == 16 ? EightBitSample(v) : uint8_t(v); };
    const bool alpha = s.channels == 2 || s.channels == 4;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            uint8_t rgb[3];
            for (int c = 0; c < 3; ++c) rgb[c] = eight(s.At(x, y, s.channels >= 3 ? c : 0));
            if (alpha) {
                const uint8_t a = eight(s.At(x, y, s.channels - 1));
                for (uint8_t& v : rgb) v = premultiplied ? PremultipliedOnWhite(v, a) : OnWhite(v, a);
            }
            uint8_t* p = b.Pixel(x, y);
            p[0] = rgb[2], p[1] = rgb[1], p[2] = rgb[0];
        }
    return b;
}

std::vector<uint8_t> MakePng(const Samples& s, bool interlaced, bool palette) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToVector, nullptr);
    const bool alpha = s.channels == 2 || s.channels == 4;
    int type = s.channels == 1 ? PNG_COLOR_TYPE_GRAY
               : s.channels == 2 ? PNG_COLOR_TYPE_GRAY_ALPHA
               : s.channels == 3 ? PNG_COLOR_TYPE_RGB
                                 : PNG_COLOR_TYPE_RGB_ALPHA;
    std::vector<png_color> colours;
    std::vector<png_byte> transparency;
    std::vector<std::vector<uint16_t>> entries;  // each pixel's samples, as a palette entry
    std::vector<uint8_t> indices;
    if (palette) {
        type = PNG_COLOR_TYPE_PALETTE;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                std::vector<uint16_t> e(s.values.begin() + ptrdiff_t((size_t(y) * s.width + x) * s.channels),
                                        s.values.begin() + ptrdiff_t((size_t(y) * s.width + x + 1) * s.channels));
                size_t i = std::find(entries.begin(), entries.end(), e) - entries.begin();
                if (i == entries.size()) entries.push_back(e);
                indices.push_back(uint8_t(i));
            }
        if (entries.size() > 256) Fail("more than 256 colours for a palette");
        for (const auto& e : entries) {
            colours.push_back(png_color{uint8_t(e[0]), uint8_t(e[s.channels >= 3 ? 1 : 0]), uint8_t(e[s.channels >= 3 ? 2 : 0])});
            if (alpha) transparency.push_back(uint8_t(e[size_t(s.channels) - 1]));
        }
    }
    png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), palette ? 8 : s.bits, type,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette) {
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
        if (!transparency.empty()) png_set_tRNS(png, info, transparency.data(), int(transparency.size()), nullptr);
    }
    png_write_info(png, info);
    std::vector<std::vector<uint8_t>> rows;
    for (int y = 0; y < s.height; ++y)
        rows.push_back(palette ? std::vector<uint8_t>(indices.begin() + ptrdiff_t(size_t(y) * s.width),
                                                      indices.begin() + ptrdiff_t(size_t(y + 1) * s.width))
                               : PackedRow(s, y));
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Samples ReadPngSamples(const std::vector<uint8_t>& bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, nullptr);
    png_infop info = png_create_info_struct(png);
    Reading reading{&bytes};
    png_set_read_fn(png, &reading, ReadFromVector);
    png_read_info(png, info);
    png_set_expand(png);  // palettes, low depths and tRNS
    png_set_swap(png);    // 16-bit samples in our byte order
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    Samples s;
    s.width = int(png_get_image_width(png, info));
    s.height = int(png_get_image_height(png, info));
    s.channels = png_get_channels(png, info);
    s.bits = png_get_bit_depth(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<uint8_t> pixels(rowBytes * size_t(s.height));
    std::vector<png_bytep> rows;
    for (int y = 0; y < s.height; ++y) rows.push_back(pixels.data() + rowBytes * size_t(y));
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    s.values.resize(size_t(s.width) * size_t(s.height) * size_t(s.channels));
    for (size_t i = 0; i < s.values.size(); ++i)
        s.values[i] = s.bits == 16 ? uint16_t(pixels[2 * i] | pixels[2 * i + 1] << 8) : pixels[i];
    return s;
}

namespace {

std::vector<uint8_t> WrittenTiff(const std::function<void(TIFF*)>& write) {
    TempDir dir;
    const std::string path = dir.File("made.tif");
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    if (!tiff) Fail("TIFFOpen");
    write(tiff);
    TIFFClose(tiff);
    return ReadFile(path);
}

}  // namespace

std::vector<uint8_t> MakeTiff(const Samples& s, bool cmyk, int orientation) {
    return WrittenTiff([&](TIFF* t) {
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, uint32_t(s.width));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, uint32_t(s.height));
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, uint16_t(s.channels));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, uint16_t(s.bits));
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_ORIENTATION, uint16_t(orientation));
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, cmyk ? PHOTOMETRIC_SEPARATED
                                             : s.channels >= 3 ? PHOTOMETRIC_RGB
                                                               : PHOTOMETRIC_MINISBLACK);
        if (!cmyk && (s.channels == 2 || s.channels == 4)) {
            const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
            TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
        }
        for (int y = 0; y < s.height; ++y) {
            std::vector<uint8_t> row = PackedRow(s, y);
            if (s.bits == 16)  // libtiff takes samples in the machine's order
                for (size_t i = 0; i + 1 < row.size(); i += 2) std::swap(row[i], row[i + 1]);
            TIFFWriteScanline(t, row.data(), uint32_t(y), 0);
        }
    });
}

std::vector<uint8_t> MakePaletteTiff(int width, int height) {
    return WrittenTiff([&](TIFF* t) {
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, uint32_t(width));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, uint32_t(height));
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        static uint16_t r[256], g[256], b[256];
        for (int i = 0; i < 256; ++i) r[i] = uint16_t(i * 257), g[i] = uint16_t((255 - i) * 257), b[i] = uint16_t((i * 7 % 256) * 257);
        TIFFSetField(t, TIFFTAG_COLORMAP, r, g, b);
        std::vector<uint8_t> row(static_cast<size_t>(width));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) row[size_t(x)] = uint8_t((x * 7 + y * 3) % 256);
            TIFFWriteScanline(t, row.data(), uint32_t(y), 0);
        }
    });
}

std::vector<uint8_t> TiffClaiming(int width, int height) {
    return WrittenTiff([&](TIFF* t) {
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, uint32_t(width));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, uint32_t(height));
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, uint32_t(height));
        const std::vector<uint8_t> row(static_cast<size_t>(width), 7);
        TIFFWriteScanline(t, const_cast<uint8_t*>(row.data()), 0, 0);
    });
}

std::vector<uint8_t> TiffSharingStrips(int width, int height, int distinctRows, bool motorola, bool bigTiff) {
    std::vector<uint8_t> b;
    const auto put = [&](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(uint8_t(value >> (8 * (motorola ? bytes - 1 - i : i))));
    };
    const auto putAt = [&](size_t at, uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(value >> (8 * (motorola ? bytes - 1 - i : i)));
    };
    const int offsetBytes = bigTiff ? 8 : 4, countBytes = bigTiff ? 8 : 2;
    b.push_back(motorola ? 'M' : 'I'), b.push_back(motorola ? 'M' : 'I');
    put(bigTiff ? 43 : 42, 2);
    if (bigTiff) put(8, 2), put(0, 2);
    const size_t directoryField = b.size();
    put(0, offsetBytes);
    // The rows, then the two arrays of the strips, then the directory.
    const size_t rowsAt = b.size();
    for (int r = 0; r < distinctRows; ++r)
        for (int x = 0; x < width; ++x) b.push_back(uint8_t((10 * r + x) % 256));
    const uint16_t arrayType = bigTiff ? 16 : 4;  // LONG8, LONG
    const size_t offsetsAt = b.size();
    for (int y = 0; y < height; ++y) put(rowsAt + size_t(y % distinctRows) * size_t(width), offsetBytes);
    const size_t countsAt = b.size();
    for (int y = 0; y < height; ++y) put(uint64_t(width), offsetBytes);
    const bool inline_ = height * offsetBytes <= offsetBytes;
    struct Entry {
        uint16_t tag, type;
        uint64_t count, value;
    };
    const Entry entries[] = {
        {256, 4, 1, uint64_t(width)}, {257, 4, 1, uint64_t(height)}, {258, 3, 1, 8}, {259, 3, 1, 1}, {262, 3, 1, 1},
        {273, arrayType, uint64_t(height), inline_ ? rowsAt : offsetsAt}, {277, 3, 1, 1}, {278, 4, 1, 1},
        {279, arrayType, uint64_t(height), inline_ ? uint64_t(width) : countsAt},
    };
    putAt(directoryField, b.size(), offsetBytes);
    put(std::size(entries), countBytes);
    for (const Entry& e : entries) {
        put(e.tag, 2), put(e.type, 2), put(e.count, offsetBytes);
        const int valueBytes = e.type == 3 ? 2 : e.type == 4 ? 4 : 8;
        put(e.value, valueBytes);
        put(0, offsetBytes - valueBytes);
    }
    put(0, offsetBytes);  // no further directory
    return b;
}

TBitmap SharedStripsPicture(int width, int height, int distinctRows) {
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.Pixel(x, y);
            p[0] = p[1] = p[2] = uint8_t((10 * (y % distinctRows) + x) % 256);
        }
    return picture;
}

Samples ReadTiffSamples(const std::vector<uint8_t>& bytes) {
    TempDir dir;
    WriteBytes(dir.File("in.tif"), bytes);
    TIFF* t = TIFFOpen(dir.File("in.tif").c_str(), "r");
    if (!t) Fail("TIFFOpen for reading");
    uint32_t w = 0, h = 0;
    uint16_t channels = 0, bits = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
    TIFFGetField(t, TIFFTAG_SAMPLESPERPIXEL, &channels);
    TIFFGetField(t, TIFFTAG_BITSPERSAMPLE, &bits);
    Samples s{int(w), int(h), channels, bits, {}};
    std::vector<uint8_t> row(size_t(TIFFScanlineSize(t)));
    for (uint32_t y = 0; y < h; ++y) {
        if (TIFFReadScanline(t, row.data(), y, 0) < 0) Fail("TIFFReadScanline");
        for (size_t i = 0; i < size_t(w) * channels; ++i)
            s.values.push_back(bits == 16 ? uint16_t(row[2 * i] | row[2 * i + 1] << 8) : row[i]);
    }
    TIFFClose(t);
    return s;
}

Samples ReadTiffRgba(const std::vector<uint8_t>& bytes) {
    TempDir dir;
    WriteBytes(dir.File("in.tif"), bytes);
    TIFF* t = TIFFOpen(dir.File("in.tif").c_str(), "r");
    if (!t) Fail("TIFFOpen for reading");
    uint32_t w = 0, h = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
    std::vector<uint32_t> raster(size_t(w) * h);
    if (!TIFFReadRGBAImageOriented(t, w, h, raster.data(), ORIENTATION_TOPLEFT, 1)) Fail("TIFFReadRGBAImage");
    TIFFClose(t);
    Samples s{int(w), int(h), 4, 8, {}};
    for (const uint32_t p : raster)
        s.values.insert(s.values.end(), {uint16_t(TIFFGetR(p)), uint16_t(TIFFGetG(p)), uint16_t(TIFFGetB(p)), uint16_t(TIFFGetA(p))});
    return s;
}

namespace {

heif_error WriteHeif(heif_context*, const void* data, size_t size, void* out) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(out);
    bytes->insert(bytes->end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

void CheckHeif(const heif_error& e) {
    if (e.code != heif_error_Ok) Fail(std::string("libheif: ") + e.message);
}

}  // namespace

std::vector<uint8_t> MakeHeif(const Samples& s, const HeifOptions& options) {
    if (s.bits != 8 || s.channels < 3) Fail("HEIF fixtures are 8-bit colour");
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    CheckHeif(heif_context_get_encoder_for_format(context, options.avif ? heif_compression_AV1 : heif_compression_HEVC, &encoder));
    if (options.lossless) {
        heif_encoder_set_lossless(encoder, 1);
        heif_encoder_set_parameter(encoder, "chroma", "444");
    } else {
        heif_encoder_set_lossy_quality(encoder, 80);
    }
    const bool alpha = s.channels == 4;
    heif_image* image = nullptr;
    CheckHeif(heif_image_create(s.width, s.height, heif_colorspace_RGB,
                                alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &image));
    CheckHeif(heif_image_add_plane(image, heif_channel_interleaved, s.width, s.height, 8));
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width * s.channels; ++x) plane[y * stride + x] = uint8_t(s.values[size_t(y) * s.width * s.channels + x]);
    if (!options.iccProfile.empty())
        CheckHeif(heif_image_set_raw_color_profile(image, "prof", options.iccProfile.data(), options.iccProfile.size()));
    heif_encoding_options* encoding = heif_encoding_options_alloc();
    encoding->image_orientation = heif_orientation(options.orientation);
    if (options.displayP3 && !options.avif) {
        const std::vector<uint8_t> icc = IccProfileOf(TestProfile::kDisplayP3);
        CheckHeif(heif_image_set_raw_color_profile(image, "prof", icc.data(), icc.size()));
    }
    heif_image_handle* handle = nullptr;
    CheckHeif(heif_context_encode_image(context, image, encoder, encoding, &handle));
    if (!options.exif.empty())
        CheckHeif(heif_context_add_exif_metadata(context, handle, options.exif.data(), int(options.exif.size())));
    if (!options.xmp.empty())
        CheckHeif(heif_context_add_XMP_metadata(context, handle, options.xmp.data(), int(options.xmp.size())));
    std::vector<uint8_t> out;
    heif_writer writer{1, WriteHeif};
    CheckHeif(heif_context_write(context, &writer, &out));
    heif_encoding_options_free(encoding);
    heif_image_handle_release(handle);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    if (options.displayP3 && options.avif) {
        // libheif 1.15 writes the description's primaries and curve as
        // unspecified: they are set in its box.
        const char kNclx[] = "colrnclx";
        const auto at = std::search(out.begin(), out.end(), kNclx, kNclx + 8);
        if (at == out.end() || out.end() - at < 14) Fail("libheif wrote no colour description");
        at[9] = 12, at[11] = 13;  // P3 primaries, sRGB's curve (16-bit codes)
    }
    return out;
}

namespace {

void Big(std::vector<uint8_t>& b, uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.push_back(uint8_t(v >> (8 * i)));
}
void Text(std::vector<uint8_t>& b, const char* text) { b.insert(b.end(), text, text + std::strlen(text)); }
// A box of `type` around `content`, with a version and flags when given.
std::vector<uint8_t> Box(const char* type, const std::vector<uint8_t>& content, int64_t versionFlags = -1) {
    std::vector<uint8_t> b;
    Big(b, 8 + content.size() + (versionFlags >= 0 ? 4 : 0), 4);
    Text(b, type);
    if (versionFlags >= 0) Big(b, uint64_t(versionFlags), 4);
    b.insert(b.end(), content.begin(), content.end());
    return b;
}
void Append(std::vector<uint8_t>& b, const std::vector<uint8_t>& more) { b.insert(b.end(), more.begin(), more.end()); }

// The content of the first box of `type` in `bytes`, looked for by name.
std::vector<uint8_t> FindBox(const std::vector<uint8_t>& bytes, const char* type) {
    for (size_t i = 4; i + 4 <= bytes.size(); ++i)
        if (std::memcmp(&bytes[i], type, 4) == 0) {
            const size_t size = size_t(bytes[i - 4]) << 24 | size_t(bytes[i - 3]) << 16 | size_t(bytes[i - 2]) << 8 | bytes[i - 1];
            if (size >= 8 && i - 4 + size <= bytes.size()) return {bytes.begin() + ptrdiff_t(i + 4), bytes.begin() + ptrdiff_t(i - 4 + size)};
        }
    Fail(std::string("no ") + type + " box");
}

}  // namespace

HeifTile TileOf(const std::vector<uint8_t>& heic) {
    HeifTile tile;
    tile.hvcC = FindBox(heic, "hvcC");
    const std::vector<uint8_t> ispe = FindBox(heic, "ispe");
    tile.width = uint32_t(ispe[4]) << 24 | uint32_t(ispe[5]) << 16 | uint32_t(ispe[6]) << 8 | ispe[7];
    tile.height = uint32_t(ispe[8]) << 24 | uint32_t(ispe[9]) << 16 | uint32_t(ispe[10]) << 8 | ispe[11];
    tile.data = FindBox(heic, "mdat");  // a file of one picture and nothing else
    return tile;
}

std::vector<uint8_t> MakeHeifGrid(const HeifGrid& grid) {
    const int cells = grid.columns * grid.rows;
    const int tiles = grid.references ? grid.references : cells;
    const int items = 1 + tiles + grid.otherItems;
    auto tileOf = [&](int i) { return size_t(i) % grid.tiles.size(); };
    // Where each coded tile starts within the picture data.
    std::vector<size_t> at;
    size_t data = 0;
    for (const HeifTile& t : grid.tiles) at.push_back(data), data += t.data.size();

    std::vector<uint8_t> ftyp;
    Text(ftyp, "heic");
    Big(ftyp, 0, 4);
    Text(ftyp, "mif1heic");
    const std::vector<uint8_t> head = Box("ftyp", ftyp);
    auto meta = [&](size_t mdat) {
        std::vector<uint8_t> hdlr(4, 0), pitm, iinf, dimg, ipco, ipma, iloc, idat;
        Text(hdlr, "pict");
        hdlr.resize(hdlr.size() + 13, 0);
        Big(pitm, 1, 2);
        Big(iinf, uint64_t(items), 4);
        for (int id = 1; id <= items; ++id) {
            std::vector<uint8_t> infe;
            Big(infe, uint64_t(id), 4);
            Big(infe, 0, 2);
            Text(infe, id == 1 ? "grid" : "hvc1");
            infe.push_back(0);
            Append(iinf, Box("infe", infe, id == 1 ? 0x03000000 : 0x03000001));
        }
        Big(dimg, 1, 4);
        Big(dimg, uint64_t(tiles), 2);
        for (int i = 0; i < tiles; ++i) Big(dimg, uint64_t(2 + i), 4);
        std::vector<uint8_t> ispe;
        Big(ispe, grid.width, 4);
        Big(ispe, grid.height, 4);
        Append(ipco, Box("ispe", ispe, 0));
        for (const HeifTile& t : grid.tiles) {
            Append(ipco, Box("hvcC", t.hvcC));
            std::vector<uint8_t> size;
            Big(size, t.width, 4);
            Big(size, t.height, 4);
            Append(ipco, Box("ispe", size, 0));
        }
        Big(ipma, uint64_t(items), 4);
        Big(ipma, 1, 4);
        ipma.push_back(1);
        Big(ipma, 1, 2);
        for (int i = 0; i < items - 1; ++i) {
            Big(ipma, uint64_t(2 + i), 4);
            ipma.push_back(2);
            Big(ipma, 0x8000 | (2 + 2 * tileOf(i)), 2);
            Big(ipma, 3 + 2 * tileOf(i), 2);
        }
        const bool wide = grid.width > 0xFFFF || grid.height > 0xFFFF;
        idat = {0, uint8_t(wide), uint8_t(grid.rows - 1), uint8_t(grid.columns - 1)};
        Big(idat, grid.width, wide ? 4 : 2);
        Big(idat, grid.height, wide ? 4 : 2);
        iloc = {0x44, 0x00};
        Big(iloc, uint64_t(items), 4);
        auto location = [&](int id, int construction, uint64_t offset, uint64_t length) {
            Big(iloc, uint64_t(id), 4);
            Big(iloc, uint64_t(construction), 2);
            Big(iloc, 0, 2);
            Big(iloc, 1, 2);
            Big(iloc, offset, 4);
            Big(iloc, length, 4);
        };
        location(1, 1, 0, idat.size());
        for (int i = 0; i < items - 1; ++i) location(2 + i, 0, mdat + at[tileOf(i)], grid.tiles[tileOf(i)].data.size());
        std::vector<uint8_t> m = Box("hdlr", hdlr, 0);
        Append(m, Box("pitm", pitm, 0));
        Append(m, Box("iinf", iinf, 0x01000000));
        Append(m, Box("iref", Box("dimg", dimg), 0x01000000));
        Append(m, Box("iprp", [&] {
                      std::vector<uint8_t> p = Box("ipco", ipco);
                      Append(p, Box("ipma", ipma, 0x01000001));
                      return p;
                  }()));
        Append(m, Box("iloc", iloc, 0x02000000));
        Append(m, Box("idat", idat));
        return Box("meta", m, 0);
    };
    const size_t free = grid.padding ? grid.padding + 8 : 0;
    const size_t mdat = head.size() + meta(0).size() + free + 8;
    std::vector<uint8_t> file = head;
    Append(file, meta(mdat));
    if (grid.padding) Append(file, Box("free", std::vector<uint8_t>(grid.padding, 0)));
    std::vector<uint8_t> payload;
    for (const HeifTile& t : grid.tiles) Append(payload, t.data);
    Append(file, Box("mdat", payload));
    return file;
}

std::vector<uint8_t> MakeWebp(const Samples& s, bool lossless) {
    TempDir dir;
    WriteBytes(dir.File("in.png"), MakePng(s));
    std::vector<std::string> argv{"cwebp", "-quiet"};
    if (lossless)
        argv.push_back("-lossless");
    else
        argv.insert(argv.end(), {"-q", "80"});
    argv.insert(argv.end(), {dir.File("in.png"), "-o", dir.File("out.webp")});
    if (Run(argv) != 0) Fail("cwebp");
    return ReadFile(dir.File("out.webp"));
}

namespace {

uint32_t Big32At(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

}  // namespace

std::vector<uint8_t> BlankPng(int width, int height, int depth, int colourType, bool interlaced, bool transparentGrey) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToVector, nullptr);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth, colourType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color black{0, 0, 0};
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, &black, 1);
    png_color_16 grey{};
    grey.gray = 1;
    if (transparentGrey) png_set_tRNS(png, info, nullptr, 0, &grey);
    png_write_info(png, info);
    const int passes = interlaced ? png_set_interlace_handling(png) : 1;
    const std::vector<uint8_t> row(png_get_rowbytes(png, info), 0);
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < height; ++y) png_write_row(png, row.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> WithPngChunk(std::vector<uint8_t> png, const char* type, size_t bytes, bool afterData) {
    size_t at = 8;
    while (at + 8 <= png.size() && std::memcmp(&png[at + 4], afterData ? "IEND" : "IDAT", 4) != 0)
        at += 12 + Big32At(png, at);
    std::vector<uint8_t> chunk(12 + bytes, 0);
    for (int i = 0; i < 4; ++i) chunk[size_t(i)] = uint8_t(bytes >> (24 - 8 * i));
    std::memcpy(&chunk[4], type, 4);
    for (size_t i = 0; i < bytes; ++i) chunk[8 + i] = uint8_t(i * 31);
    const uint32_t crc = Crc32(&chunk[4], 4 + bytes);
    for (int i = 0; i < 4; ++i) chunk[8 + bytes + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    png.insert(png.begin() + ptrdiff_t(at), chunk.begin(), chunk.end());
    return png;
}

std::vector<uint8_t> WebpOfNothing(int width, int height) {
    // The bit stream, least significant bit first.
    std::vector<uint8_t> vp8l;
    int used = 0;
    const auto put = [&](uint64_t value, int count) {
        for (int i = 0; i < count; ++i, ++used) {
            if (used % 8 == 0) vp8l.push_back(0);
            vp8l.back() = uint8_t(vp8l.back() | (((value >> i) & 1) << (used % 8)));
        }
    };
    put(0x2F, 8), put(uint64_t(width - 1), 14), put(uint64_t(height - 1), 14), put(0, 4);  // no alpha, version 0
    put(0, 3);  // no transform, no colour cache, no meta prefix codes
    for (int code = 0; code < 5; ++code) {  // green, red, blue, alpha, distance
        put(1, 1), put(0, 1);  // a simple code of one symbol
        if (code == 3)
            put(1, 1), put(255, 8);  // opaque
        else
            put(0, 1), put(0, 1);
    }
    std::vector<uint8_t> webp = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'L'};
    for (int i = 0; i < 4; ++i) webp.push_back(uint8_t(vp8l.size() >> (8 * i)));
    webp.insert(webp.end(), vp8l.begin(), vp8l.end());
    if (vp8l.size() % 2) webp.push_back(0);
    for (int i = 0; i < 4; ++i) webp[4 + size_t(i)] = uint8_t((webp.size() - 8) >> (8 * i));
    return webp;
}

std::vector<uint8_t> WithRiffChunk(std::vector<uint8_t> webp, const char* type, size_t bytes) {
    webp.insert(webp.end(), type, type + 4);
    for (int i = 0; i < 4; ++i) webp.push_back(uint8_t(bytes >> (8 * i)));
    webp.resize(webp.size() + bytes + bytes % 2, 0x77);
    for (int i = 0; i < 4; ++i) webp[4 + size_t(i)] = uint8_t((webp.size() - 8) >> (8 * i));
    return webp;
}

Samples HeifConverted(const std::vector<uint8_t>& file, const std::string& extension) {
    TempDir dir;
    WriteBytes(dir.File("in." + extension), file);
    if (Run({"heif-convert", "-q", "100", dir.File("in." + extension), dir.File("out.png")}) != 0) Fail("heif-convert");
    return ReadPngSamples(ReadFile(dir.File("out.png")));
}

Samples DwebpDecoded(const std::vector<uint8_t>& webp) {
    TempDir dir;
    WriteBytes(dir.File("in.webp"), webp);
    if (Run({"dwebp", "-quiet", dir.File("in.webp"), "-pam", "-o", dir.File("out.pam")}) != 0) Fail("dwebp");
    return ReadPam(ReadFile(dir.File("out.pam")));
}

std::vector<uint8_t> RgbIccProfile() { return IccProfileOf(TestProfile::kAdobeRgb); }

std::vector<uint8_t> CameraExif(int orientation, int width, int height) {
    Exiv2::ExifData exif;
    exif["Exif.Image.Model"] = kTestCameraModel;
    exif["Exif.Photo.DateTimeOriginal"] = kTestCaptureDate;
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Photo.PixelXDimension"] = uint32_t(width);
    exif["Exif.Photo.PixelYDimension"] = uint32_t(height);
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    exif["Exif.GPSInfo.GPSLatitude"] = kTestLatitude;
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, nullptr, 0, Exiv2::littleEndian, exif);
    return blob;
}

int Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // Their chatter on standard output is not wanted; errors still show.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace corvessa::test
