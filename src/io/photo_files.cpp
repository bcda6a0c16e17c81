#include "io/photo_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/jpeg_codec.h"
#include "ground/error.h"

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

uint32_t Big32(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
}

// Qt's readers allocate and fill the whole picture a header claims before
// they find its data missing, so a file of a few bytes could cost seconds
// and gigabytes. Claims are checked against the size limits and against
// what the file could hold.
void CheckClaim(int64_t width, int64_t height, size_t fileBytes, const char* brokenText) {
    CheckPictureSize(width, height);
    if (width * height > kMaxPixelsPerFileByte * int64_t(fileBytes)) throw CorvessaError(brokenText);
}

// Qt's BMP reader also hands back a picture when the file ends a few
// bytes into the pixels. An uncompressed BMP holds every row it claims (the
// last row's padding may be missing); one that does not is broken.
// Compressed (RLE) files may be much smaller than their pictures.
void CheckBmpClaim(const std::vector<uint8_t>& bytes, const char* brokenText) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return;  // the reader will refuse it
    const uint32_t headerSize = Little(bytes, 14, 4);
    int64_t width, height, headerEnd;
    uint32_t bits, compression = 0;
    if (headerSize == 40 || headerSize == 64 || headerSize == 108 || headerSize == 124) {
        if (bytes.size() < 34) return;
        width = int32_t(Little(bytes, 18, 4));
        height = int32_t(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
        headerEnd = 14 + int64_t(headerSize);
    } else {
        // Qt reads every other header size as the old 12-byte one.
        width = int16_t(Little(bytes, 18, 2));
        height = int16_t(Little(bytes, 20, 2));
        bits = Little(bytes, 24, 2);
        headerEnd = 26;
    }
    height = std::abs(height);  // negative: rows stored top-down
    if (width <= 0 || height <= 0) return;
    CheckClaim(width, height, bytes.size(), brokenText);
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, (alpha) bit fields
    if (!uncompressed || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = stride * (height - 1) + (width * bits + 7) / 8;
    // The reader moves on to the pixels' offset when it lies ahead within
    // the file, and reads on where it is otherwise.
    const int64_t offset = Little(bytes, 10, 4);
    const int64_t size = int64_t(bytes.size());
    const int64_t dataStart = offset > headerEnd && offset <= size ? offset : headerEnd;
    if (size - dataStart < needed) throw CorvessaError(brokenText);
}

// libpng refuses a header beyond its own limits before Qt learns the
// claimed size; read the claim from the header so that it is reported as
// what it is.
void CheckPngClaim(const std::vector<uint8_t>& bytes, const char* brokenText) {
    static const uint8_t kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    if (bytes.size() < 24 || !std::equal(std::begin(kStart), std::end(kStart), bytes.begin())) return;
    CheckClaim(Big32(bytes, 16), Big32(bytes, 20), bytes.size(), brokenText);
}

// Qt paints a GIF's first frame onto a canvas of the logical screen's size,
// grown to hold the frame, and does not always report that size. Its GIF
// reader does not look at the signature, so neither does this.
void CheckGifClaim(const std::vector<uint8_t>& bytes, const char* brokenText) {
    if (bytes.size() < 13) return;
    int64_t width = Little(bytes, 6, 2), height = Little(bytes, 8, 2);
    const uint8_t flags = bytes[10];
    size_t at = 13 + (flags & 0x80 ? size_t(3) << ((flags & 7) + 1) : 0);  // after the global palette
    while (at < bytes.size() && bytes[at] == 0x21) {  // extensions: label, then sub-blocks up to a zero
        at += 2;
        while (at < bytes.size() && bytes[at] != 0) at += size_t(bytes[at]) + 1;
        ++at;
    }
    if (at + 9 < bytes.size() && bytes[at] == 0x2C) {
        width = std::max<int64_t>(width, int64_t(Little(bytes, at + 1, 2)) + Little(bytes, at + 5, 2));
        height = std::max<int64_t>(height, int64_t(Little(bytes, at + 3, 2)) + Little(bytes, at + 7, 2));
    }
    CheckClaim(width, height, bytes.size(), brokenText);
}

// Decodes with Qt from memory, so a file is read once and a missing file
// is told apart from a broken one. Qt's containers fail with bad_alloc.
TBitmap DecodeWithQt(const std::vector<uint8_t>& bytes, const char* format, const char* brokenText) try {
    if (std::strcmp(format, "bmp") == 0) CheckBmpClaim(bytes, brokenText);
    if (std::strcmp(format, "png") == 0) CheckPngClaim(bytes, brokenText);
    if (std::strcmp(format, "gif") == 0) CheckGifClaim(bytes, brokenText);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The extension alone chooses the decoder: without this, Qt tries every
    // other decoder on content the chosen one refuses (a GIF named .bmp),
    // past the checks above.
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    QImageReader::setAllocationLimit(0);  // our own limit below applies instead
    // What the other formats claim (a BMP stored top-down claims a
    // negative height).
    const QSize claimed = reader.size();
    if (claimed != QSize())
        CheckClaim(std::abs(int64_t(claimed.width())), std::abs(int64_t(claimed.height())), bytes.size(), brokenText);
    // Qt's RLE BMP reader leaves the pixels its codes never reach as they
    // were in memory, which would show whatever the memory held before.
    // Readers decode into a picture handed to them when it has the size
    // and format they would make, so they get one cleared to index or
    // colour 0.
    QImage image;
    const QSize size = claimed == QSize() ? QSize() : QSize(std::abs(claimed.width()), std::abs(claimed.height()));
    if (!size.isEmpty() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        if (image.isNull()) throw NotEnoughMemory();
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull()) throw CorvessaError(brokenText);
    CheckPictureSize(image.width(), image.height());
    TBitmap picture(image.width(), image.height());
    // Converted a band of rows at a time: a whole converted copy beside
    // Qt's picture and ours would cost another photo's worth of memory.
    constexpr int kBandRows = 64;
    for (int top = 0; top < picture.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, picture.Height() - top);
        // Qt's BGR888 rows hold exactly our row bytes.
        const QImage band = image.copy(0, top, picture.Width(), rows).convertToFormat(QImage::Format_BGR888);
        if (band.isNull()) throw NotEnoughMemory();
        for (int y = 0; y < rows; ++y) std::memcpy(picture.Row(top + y), band.constScanLine(y), picture.RowBytes());
    }
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format) try {
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    if (image.isNull()) throw picture.Empty() ? CorvessaError("Stream write error") : NotEnoughMemory();
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), picture.RowBytes());
    // A new picture takes the screen's resolution, and a program without a
    // screen another: fixed at 72 dpi, the same picture gives the same file
    // from the window and from corvessa-render.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
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

bool WritesAsJpeg(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    return extension == "jpg" || extension == "jpeg";
}

void WritePictureFile(const TBitmap& picture, const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    if (WritesAsJpeg(path)) return WriteJpegFile(picture, path);
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

void LoadImagePlugins() {
    QImageReader::supportedImageFormats();
    QImageWriter::supportedImageFormats();
}

}  // namespace corvessa
