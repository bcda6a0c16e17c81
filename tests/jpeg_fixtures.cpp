#include "jpeg_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace corvessa::test {

std::vector<uint8_t> MakeJpeg(const TBitmap& picture, JpegKind kind, int quality) {
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
    jpeg_start_compress(&info, TRUE);
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

}  // namespace corvessa::test
