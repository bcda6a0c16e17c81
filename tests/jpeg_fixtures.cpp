#include "jpeg_fixtures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace corvessa::test {

std::vector<uint8_t> MakeJpeg(const TBitmap& picture, JpegKind kind, int quality, const std::vector<uint8_t>& iccProfile) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(picture.Width());
    info.image_height = JDIMENSION(picture.Height());
    const bool grey = kind == JpegKind::kGrey;
    const bool cmyk = kind == JpegKind::kCmyk || kind == JpegKind::kAdobeCmyk;
    info.input_components = grey ? 1 : cmyk ? 4 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (cmyk) jpeg_set_colorspace(&info, JCS_CMYK);
    info.write_Adobe_marker = kind == JpegKind::kAdobeCmyk;
    if (kind == JpegKind::kProgressive) jpeg_simple_progression(&info);
    info.arith_code = kind == JpegKind::kArithmetic;
    jpeg_start_compress(&info, TRUE);
    if (!iccProfile.empty()) jpeg_write_icc_profile(&info, iccProfile.data(), unsigned(iccProfile.size()));
    std::vector<uint8_t> row(size_t(picture.Width()) * 4);
    while (info.next_scanline < info.image_height) {
        const uint8_t* in = picture.Row(int(info.next_scanline));
        for (int x = 0; x < picture.Width(); ++x) {
            const int b = in[3 * x], g = in[3 * x + 1], r = in[3 * x + 2];
            if (grey) {
                row[size_t(x)] = uint8_t((r + g + b) / 3);
            } else if (cmyk) {
                // K = 255 keeps the colour in C, M, Y alone; Adobe stores inverted.
                const bool inv = kind == JpegKind::kAdobeCmyk;
                row[4 * size_t(x)] = uint8_t(inv ? r : 255 - r);
                row[4 * size_t(x) + 1] = uint8_t(inv ? g : 255 - g);
                row[4 * size_t(x) + 2] = uint8_t(inv ? b : 255 - b);
                row[4 * size_t(x) + 3] = uint8_t(inv ? 255 : 0);
            } else {
                row[3 * size_t(x)] = uint8_t(b);
                row[3 * size_t(x) + 1] = uint8_t(g);
                row[3 * size_t(x) + 2] = uint8_t(r);
            }
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(out, out + size);
    std::free(out);
    return bytes;
}

std::vector<uint8_t> MakeBmp(int width, int height, int bits) {
    const int paletteSize = bits <= 8 ? (1 << bits) : 0;
    const uint32_t stride = ((uint32_t(width) * bits + 31) / 32) * 4;
    const uint32_t offset = 54 + 4 * paletteSize;
    std::vector<uint8_t> f(offset + stride * height, 0);
    auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) f[at + i] = uint8_t(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put(2, uint32_t(f.size()), 4);
    put(10, offset, 4);
    put(14, 40, 4);
    put(18, uint32_t(width), 4);
    put(22, uint32_t(height), 4);
    put(26, 1, 2);
    put(28, uint32_t(bits), 2);
    put(46, uint32_t(paletteSize), 4);
    for (int i = 0; i < paletteSize; ++i) put(54 + 4 * i, uint32_t(i * 255 / std::max(1, paletteSize - 1)) * 0x010101u, 4);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = f.data() + offset + size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const uint32_t index = uint32_t(x + y) % std::max(1, paletteSize);
            const uint32_t r = x * 40 % 256, g = y * 60 % 256, b = 90;
            switch (bits) {
                case 1: row[x / 8] |= uint8_t(index << (7 - x % 8)); break;
                case 4: row[x / 2] |= uint8_t(index << (x % 2 ? 0 : 4)); break;
                case 8: row[x] = uint8_t(index); break;
                case 16: put(size_t(row - f.data()) + 2 * x, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3), 2); break;
                case 24: row[3 * x] = uint8_t(b), row[3 * x + 1] = uint8_t(g), row[3 * x + 2] = uint8_t(r); break;
                case 32: put(size_t(row - f.data()) + 4 * x, (r << 16) | (g << 8) | b, 4); break;
            }
        }
    }
    return f;
}


}  // namespace corvessa::test
