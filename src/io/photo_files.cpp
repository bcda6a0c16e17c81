#include "io/photo_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/heif_codec.h"
#include "io/jpeg_codec.h"
#include "ground/error.h"
#include "io/picture_samples.h"
#include "io/png_codec.h"

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

// Qt's readers allocate and fill the whole picture a header claims before
// they find its data missing, so a file of a few bytes could cost seconds
// and gigabytes. Claims are checked against the size limits and against
// what the file could hold (CheckPictureClaim).

// Qt's BMP reader also hands back a picture when the file ends a few
// bytes into the pixels. An uncompressed BMP holds every row it claims (the
// last row's padding may be missing); one that does not is broken.
// Compressed (RLE) files may be much smaller than their pictures.
void CheckBmpClaim(const std::vector<uint8_t>& bytes) {
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
    CheckPictureClaim(width, height, bytes.size());
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, (alpha) bit fields
    if (!uncompressed || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = stride * (height - 1) + (width * bits + 7) / 8;
    // The reader moves on to the pixels' offset when it lies ahead within
    // the file, and reads on where it is otherwise.
    const int64_t offset = Little(bytes, 10, 4);
    const int64_t size = int64_t(bytes.size());
    const int64_t dataStart = offset > headerEnd && offset <= size ? offset : headerEnd;
    if (size - dataStart < needed) throw BrokenPicture("the file ends before its last row");
}

// Qt paints a GIF's first frame onto a canvas of the logical screen's size,
// grown to hold the frame, and does not always report that size. Its GIF
// reader does not look at the signature, so neither does this.
void CheckGifClaim(const std::vector<uint8_t>& bytes) {
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
    CheckPictureClaim(width, height, bytes.size());
}

// Qt's pictures of more than 8 bits a sample or with alpha, brought to our
// rows by EightBitSample and OnWhite. A BMP keeps the conversion it always
// had (its fourth byte is dropped): BMP writers fill it with anything.
bool NeedsOwnConversion(const QImage& image, bool flattenAlpha) {
    return image.format() == QImage::Format_Grayscale16 || image.depth() == 64 ||
           (flattenAlpha && image.hasAlphaChannel());
}

void StoreDeepOrAlphaRows(const QImage& band, int top, int rows, TBitmap& picture) {
    const int width = picture.Width();
    const bool premultiplied = band.pixelFormat().premultiplied() == QPixelFormat::Premultiplied;
    for (int y = 0; y < rows; ++y) {
        uint8_t* out = picture.Row(top + y);
        if (band.format() == QImage::Format_Grayscale16) {
            const auto* in = reinterpret_cast<const uint16_t*>(band.constScanLine(y));
            for (int x = 0; x < width; ++x, out += 3) out[0] = out[1] = out[2] = EightBitSample(in[x]);
        } else if (band.depth() == 64) {
            const auto* in = reinterpret_cast<const QRgba64*>(band.constScanLine(y));
            for (int x = 0; x < width; ++x, out += 3) {
                const uint8_t a = EightBitSample(in[x].alpha());
                const uint8_t c[3] = {EightBitSample(in[x].blue()), EightBitSample(in[x].green()), EightBitSample(in[x].red())};
                for (int i = 0; i < 3; ++i) out[i] = premultiplied ? PremultipliedOnWhite(c[i], a) : OnWhite(c[i], a);
            }
        } else {
            const auto* in = reinterpret_cast<const QRgb*>(band.constScanLine(y));
            for (int x = 0; x < width; ++x, out += 3) {
                const uint32_t a = uint32_t(qAlpha(in[x]));
                const uint32_t c[3] = {uint32_t(qBlue(in[x])), uint32_t(qGreen(in[x])), uint32_t(qRed(in[x]))};
                for (int i = 0; i < 3; ++i) out[i] = premultiplied ? PremultipliedOnWhite(c[i], a) : OnWhite(c[i], a);
            }
        }
    }
}

// The 8-bit format a band of `image` is converted to before its rows are
// stored: our own row bytes where no rule applies, else one whose samples
// StoreDeepOrAlphaRows reads (alpha as the decoder gave it, straight or
// premultiplied).
QImage::Format BandFormat(const QImage& image, bool ownConversion) {
    if (!ownConversion) return QImage::Format_BGR888;  // exactly our row bytes
    if (image.format() == QImage::Format_Grayscale16) return QImage::Format_Grayscale16;
    const bool premultiplied = image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied;
    if (image.depth() == 64) return premultiplied ? QImage::Format_RGBA64_Premultiplied : QImage::Format_RGBA64;
    return premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32;
}

// Qt's TIFF plugin lets libtiff print its messages on standard error and
// reports a failure without them. The last error of this thread is kept
// instead, to give the user the reason; warnings are dropped.
thread_local std::string lastTiffError;

void KeepTiffError(const char*, const char* format, va_list arguments) {
    char text[256];
    std::vsnprintf(text, sizeof text, format, arguments);
    lastTiffError = text;
}

void DropTiffWarning(const char*, const char*, va_list) {}

void CatchTiffMessages() {
    static const bool installed = [] {
        TIFFSetErrorHandler(KeepTiffError);
        TIFFSetWarningHandler(DropTiffWarning);
        return true;
    }();
    (void)installed;
    lastTiffError.clear();
}

// Decodes with Qt from memory, so a file is read once and a missing file
// is told apart from a broken one. Qt's containers fail with bad_alloc.
TBitmap DecodeWithQt(const std::vector<uint8_t>& bytes, const char* format) try {
    const bool bmp = std::strcmp(format, "bmp") == 0;
    if (bmp) CheckBmpClaim(bytes);
    if (std::strcmp(format, "gif") == 0) CheckGifClaim(bytes);
    const bool tiff = std::strcmp(format, "tif") == 0 || std::strcmp(format, "tiff") == 0;
    if (tiff) CatchTiffMessages();
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
    // What the other formats (WebP, TIFF, ...) claim (a BMP stored top-down
    // claims a negative height).
    const QSize claimed = reader.size();
    if (claimed != QSize())
        CheckPictureClaim(std::abs(int64_t(claimed.width())), std::abs(int64_t(claimed.height())), bytes.size());
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
    if (!reader.read(&image) || image.isNull())
        throw BrokenPicture(tiff && !lastTiffError.empty() ? lastTiffError : reader.errorString().toStdString());
    CheckPictureSize(image.width(), image.height());
    TBitmap picture(image.width(), image.height());
    const bool ownConversion = NeedsOwnConversion(image, !bmp);
    const QImage::Format bandFormat = BandFormat(image, ownConversion);
    // Converted a band of rows at a time: a whole converted copy beside
    // Qt's picture and ours would cost another photo's worth of memory.
    constexpr int kBandRows = 64;
    for (int top = 0; top < picture.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, picture.Height() - top);
        const QImage band = image.copy(0, top, picture.Width(), rows).convertToFormat(bandFormat);
        if (band.isNull()) throw NotEnoughMemory();
        if (ownConversion)
            StoreDeepOrAlphaRows(band, top, rows, picture);
        else
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
    if (!writer.write(image)) throw CorvessaError("Stream write error: " + writer.errorString().toStdString());
    return std::vector<uint8_t>(encoded.begin(), encoded.end());
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

// The formats read by a library of their own rather than through Qt.
bool IsJpegExtension(const std::string& extension) { return extension == "jpg" || extension == "jpeg"; }
bool IsHeifExtension(const std::string& extension) {
    return extension == "heic" || extension == "heif" || extension == "avif" || extension == "hif";
}

enum class Reader { kJpeg, kBmp, kPng, kHeif, kQt };

// The general reader's choice by extension, case ignored.
Reader ReaderByExtension(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    if (IsJpegExtension(extension)) return Reader::kJpeg;
    if (extension == "bmp") return Reader::kBmp;
    if (extension == "png") return Reader::kPng;
    if (IsHeifExtension(extension)) return Reader::kHeif;
    if (!QtReads(extension)) throw CorvessaError("Unknown picture file extension (." + ExtensionOf(path) + ")");
    return Reader::kQt;
}

// Open's choice: a name containing ".bmp" (case-sensitive) is a BMP.
Reader PhotoReader(const std::string& path) {
    return path.find(".bmp") != std::string::npos ? Reader::kBmp : ReaderByExtension(path);
}

// Every failure to decode a file names the file ("TEXT — PATH"); those of
// reaching it name it already ("Cannot open file PATH: REASON").
CorvessaError NamingTheFile(const std::string& text, const std::string& path) {
    return CorvessaError(text + " \u2014 " + path);
}

TBitmap Decode(Reader reader, const std::string& path, const std::vector<uint8_t>& bytes, std::string* warning) try {
    switch (reader) {
        case Reader::kJpeg: {
            TBitmap picture = DecodeJpeg(bytes.data(), bytes.size(), warning);
            if (warning && !warning->empty()) *warning = NamingTheFile(*warning, path).what();
            return picture;
        }
        case Reader::kBmp: return DecodeWithQt(bytes, "bmp");
        case Reader::kPng: return DecodePng(bytes.data(), bytes.size());
        case Reader::kHeif: return DecodeHeif(bytes.data(), bytes.size());
        case Reader::kQt: break;
    }
    return DecodeWithQt(bytes, Lower(ExtensionOf(path)).c_str());
} catch (const CorvessaError& error) {
    throw NamingTheFile(error.what(), path);
}

// The reader for `path`, an unknown extension reported with the file's name.
template <class Choose>
Reader ChosenReader(Choose choose, const std::string& path) {
    try {
        return choose(path);
    } catch (const CorvessaError& error) {
        throw NamingTheFile(error.what(), path);
    }
}

}  // namespace

TBitmap ReadBmpFile(const std::string& path) { return Decode(Reader::kBmp, path, ReadWholeFile(path), nullptr); }

TBitmap ReadPicture(const std::string& path) {
    const Reader reader = ChosenReader(ReaderByExtension, path);
    return Decode(reader, path, ReadWholeFile(path), nullptr);
}

bool ReadsAsJpeg(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    return path.find(".bmp") == std::string::npos && IsJpegExtension(extension);
}

void CheckPhotoFileName(const std::string& path) { ChosenReader(PhotoReader, path); }

TBitmap DecodePhotoFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* warning) {
    if (warning) warning->clear();
    return Decode(ChosenReader(PhotoReader, path), path, bytes, warning);
}

TBitmap ReadPhotoFile(const std::string& path) {
    const Reader reader = ChosenReader(PhotoReader, path);
    return Decode(reader, path, ReadWholeFile(path), nullptr);
}

void WriteJpegFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeJpeg(picture)); }

void WriteBmpFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeBmp(picture)); }

void WritePngFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodePng(picture)); }

bool WritesAsJpeg(const std::string& path) { return IsJpegExtension(Lower(ExtensionOf(path))); }

bool WritesAsPng(const std::string& path) { return Lower(ExtensionOf(path)) == "png"; }

void WritePictureFile(const TBitmap& picture, const std::string& path, LinkPolicy links) {
    const std::string extension = Lower(ExtensionOf(path));
    if (WritesAsJpeg(path)) return WriteFileSafely(path, EncodeJpeg(picture), links);
    if (extension == "bmp") return WriteFileSafely(path, EncodeBmp(picture), links);
    if (WritesAsPng(path)) return WriteFileSafely(path, EncodePng(picture), links);
    const auto formats = QImageWriter::supportedImageFormats();
    if (extension.empty() || !formats.contains(QByteArray::fromStdString(extension)))
        throw NamingTheFile("Unknown picture file extension (." + ExtensionOf(path) + ")", path);
    WriteFileSafely(path, EncodeWithQt(picture, extension.c_str()), links);
}

std::string ReadablePatterns() {
    std::string patterns = "*.bmp *.jpg *.jpeg *.png *.heic *.heif *.hif *.avif";
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const std::string f = format.toStdString();
        if (f == "jpg" || f == "jpeg" || f == "bmp" || f == "png" || IsHeifExtension(f)) continue;
        patterns += " *." + f;
    }
    return patterns;
}

void LoadImagePlugins() {
    QImageReader::supportedImageFormats();
    QImageWriter::supportedImageFormats();
}

}  // namespace corvessa
