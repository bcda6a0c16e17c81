#include "io/photo_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>
#include <new>

#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/jpeg_codec.h"
#include "routines/error.h"

namespace corvessa {

namespace {

std::string ExtensionOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return path.substr(dot + 1);
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

bool QtReads(const std::string& extension) {
    const auto formats = QImageReader::supportedImageFormats();
    return !extension.empty() && formats.contains(QByteArray::fromStdString(extension));
}

uint32_t Little(const std::vector<uint8_t>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + size_t(i)];
    return value;
}

// Qt's BMP reader allocates the whole picture its header claims and hands
// it back even when the file ends a few bytes into the pixels, so a tiny
// file can cost seconds and gigabytes. An uncompressed BMP holds every row
// it claims (the last row's padding may be missing); one that does not is
// broken and is refused before any pixel memory is allocated. Compressed
// (RLE) files may legitimately be much smaller than their pictures and are
// left to the reader, bounded by the size limits.
void CheckBmpHoldsItsPixels(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 18 || bytes[0] != 'B' || bytes[1] != 'M') return;  // the reader will refuse it
    const uint32_t headerSize = Little(bytes, 14, 4);
    int64_t width, height;
    uint32_t bits, compression = 0;
    if (headerSize == 12 && bytes.size() >= 26) {  // OS/2 core header
        width = Little(bytes, 18, 2);
        height = Little(bytes, 20, 2);
        bits = Little(bytes, 24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        width = int32_t(Little(bytes, 18, 4));
        height = int32_t(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
    } else {
        return;
    }
    height = height < 0 ? -height : height;  // negative: rows stored top-down
    if (width <= 0 || height <= 0) return;
    CheckPictureSize(width, height);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, (alpha) bit fields
    if (!uncompressed || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = stride * (height - 1) + (width * bits + 7) / 8;
    const int64_t dataOffset = std::max<int64_t>(Little(bytes, 10, 4), 14 + int64_t(headerSize));
    if (int64_t(bytes.size()) - dataOffset < needed) throw CorvessaError("Bitmap image is not valid");
}

// libpng refuses a header beyond its own limits before Qt learns the
// claimed size; read the claim from the header so that it is reported as
// what it is.
void CheckPngClaim(const std::vector<uint8_t>& bytes) {
    static const uint8_t kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    if (bytes.size() < 24 || !std::equal(std::begin(kStart), std::end(kStart), bytes.begin())) return;
    auto big = [&](size_t at) { return uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]; };
    CheckPictureSize(big(16), big(20));
}

// Decodes with Qt from memory, so a file is read once and a missing file
// is told apart from a broken one. Qt's containers fail with bad_alloc.
TBitmap DecodeWithQt(const std::vector<uint8_t>& bytes, const char* format, const char* brokenText) try {
    if (std::strcmp(format, "bmp") == 0) CheckBmpHoldsItsPixels(bytes);
    if (std::strcmp(format, "png") == 0) CheckPngClaim(bytes);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    QImageReader::setAllocationLimit(0);  // our own limit below applies instead
    const QSize claimed = reader.size();
    if (claimed.isValid()) {
        CheckPictureSize(claimed.width(), claimed.height());
        // Qt allocates and fills the whole claimed picture before it finds
        // the data missing. No format read here packs more than about 8000
        // pixels into a byte (a blank 1-bit PNG at deflate's best ratio), so
        // a header claiming far more than the file could hold is broken.
        constexpr int64_t kMaxPixelsPerByte = 16384;
        if (int64_t(claimed.width()) * claimed.height() > kMaxPixelsPerByte * int64_t(bytes.size()))
            throw CorvessaError(brokenText);
    }
    const QImage image = reader.read();
    if (image.isNull()) throw CorvessaError(brokenText);
    CheckPictureSize(image.width(), image.height());
    TBitmap picture(image.width(), image.height());
    // Converted a band of rows at a time: a whole converted copy beside
    // Qt's picture and ours would cost another photo's worth of memory.
    constexpr int kBandRows = 64;
    for (int top = 0; top < picture.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, picture.Height() - top);
        const QImage band = image.copy(0, top, picture.Width(), rows).convertToFormat(QImage::Format_RGB888);
        if (band.isNull()) throw NotEnoughMemory();
        for (int y = 0; y < rows; ++y) {
            const uint8_t* in = band.constScanLine(y);
            uint8_t* out = picture.Row(top + y);
            for (int x = 0; x < picture.Width(); ++x) {
                out[3 * x] = in[3 * x + 2];
                out[3 * x + 1] = in[3 * x + 1];
                out[3 * x + 2] = in[3 * x];
            }
        }
    }
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format) try {
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB888);
    if (image.isNull()) throw picture.Empty() ? CorvessaError("Stream write error") : NotEnoughMemory();
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* in = picture.Row(y);
        uint8_t* out = image.scanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) throw CorvessaError("Stream write error");
    return std::vector<uint8_t>(encoded.begin(), encoded.end());
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

}  // namespace

TBitmap ReadBmpFile(const std::string& path) {
    return DecodeWithQt(ReadWholeFile(path), "bmp", "Bitmap image is not valid");
}

TBitmap ReadPicture(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    if (extension == "jpg" || extension == "jpeg") {
        const std::vector<uint8_t> bytes = ReadWholeFile(path);
        return DecodeJpeg(bytes.data(), bytes.size());
    }
    if (extension == "bmp") return ReadBmpFile(path);
    if (!QtReads(extension)) throw CorvessaError("Unknown picture file extension (." + ExtensionOf(path) + ")");
    return DecodeWithQt(ReadWholeFile(path), extension.c_str(), "Bitmap image is not valid");
}

bool ReadsAsJpeg(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    return path.find(".bmp") == std::string::npos && (extension == "jpg" || extension == "jpeg");
}

TBitmap ReadPhotoFile(const std::string& path) {
    if (path.find(".bmp") != std::string::npos) return ReadBmpFile(path);
    return ReadPicture(path);
}

void WriteJpegFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeJpeg(picture)); }

void WriteBmpFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeBmp(picture)); }

void WritePictureFile(const TBitmap& picture, const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    if (extension == "jpg" || extension == "jpeg") return WriteJpegFile(picture, path);
    if (extension == "bmp") return WriteBmpFile(picture, path);
    const auto formats = QImageWriter::supportedImageFormats();
    if (extension.empty() || !formats.contains(QByteArray::fromStdString(extension)))
        throw CorvessaError("Unknown picture file extension (." + ExtensionOf(path) + ")");
    WriteFileSafely(path, EncodeWithQt(picture, extension.c_str()));
}

std::string FurtherReadablePatterns() {
    std::string patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const std::string f = format.toStdString();
        if (f == "jpg" || f == "jpeg" || f == "bmp") continue;
        if (!patterns.empty()) patterns += ' ';
        patterns += "*." + f;
    }
    return patterns;
}

}  // namespace corvessa
