#include "io/qt_codecs.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <tiffio.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>

#include "ground/error.h"
#include "ground/stop.h"
#include "io/jpeg_codec.h"
#include "io/memory_room.h"
#include "io/picture_samples.h"

namespace corvessa {

namespace {

uint32_t Little(const uint8_t* bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + size_t(i)];
    return value;
}

// Qt's readers allocate and fill the whole picture a header claims before
// they find its data missing, so a file of a few bytes could cost seconds
// and gigabytes. Claims are checked against the size limits and against
// what the file could hold (CheckPictureClaim) or, where the bytes that
// hold the picture can be told, what those hold (CheckPictureDataClaim).
// Each check sees the file's first `size` bytes (all of it, or its head
// before the rest is read) and its size.

// Qt's BMP reader also hands back a picture when the file ends a few
// bytes into the pixels. An uncompressed BMP holds every row it claims (the
// last row's padding may be missing); one that does not is broken.
// Compressed (RLE) files may be much smaller than their pictures.
void CheckBmpClaim(const uint8_t* bytes, size_t size, uint64_t fileSize) {
    if (size < 26 || bytes[0] != 'B' || bytes[1] != 'M') return;  // the reader will refuse it
    const uint32_t headerSize = Little(bytes, 14, 4);
    int64_t width, height, headerEnd;
    uint32_t bits, compression = 0;
    if (headerSize == 40 || headerSize == 64 || headerSize == 108 || headerSize == 124) {
        if (size < 34) return;
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
    CheckPictureClaim(width, height, size_t(fileSize));
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, (alpha) bit fields
    if (!uncompressed || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = stride * (height - 1) + (width * bits + 7) / 8;
    // The reader moves on to the pixels' offset when it lies ahead within
    // the file, and reads on where it is otherwise.
    const int64_t offset = Little(bytes, 10, 4);
    const int64_t whole = int64_t(fileSize);
    const int64_t dataStart = offset > headerEnd && offset <= whole ? offset : headerEnd;
    if (whole - dataStart < needed) throw BrokenPicture("the file ends before its last row");
}

// Qt paints a GIF's first frame onto a canvas of the logical screen's size,
// grown to hold the frame, and does not always report that size. Its GIF
// reader does not look at the signature, so neither does this. A head
// that ends among the extensions says too little. The whole file's claim
// is held to the frame's coded data, which comment or application
// extensions cannot pad.
void CheckGifClaim(const uint8_t* bytes, size_t size, uint64_t fileSize) {
    if (size < 13) return;
    int64_t width = Little(bytes, 6, 2), height = Little(bytes, 8, 2);
    const uint8_t flags = bytes[10];
    size_t at = 13 + (flags & 0x80 ? size_t(3) << ((flags & 7) + 1) : 0);  // after the global palette
    while (at < size && bytes[at] == 0x21) {  // extensions: label, then sub-blocks up to a zero
        at += 2;
        while (at < size && bytes[at] != 0) at += size_t(bytes[at]) + 1;
        ++at;
    }
    const bool frame = at + 9 < size && bytes[at] == 0x2C;
    if (frame) {
        width = std::max<int64_t>(width, int64_t(Little(bytes, at + 1, 2)) + Little(bytes, at + 5, 2));
        height = std::max<int64_t>(height, int64_t(Little(bytes, at + 3, 2)) + Little(bytes, at + 7, 2));
    } else if (size < fileSize) {
        return;
    }
    CheckPictureClaim(width, height, size_t(fileSize));
    if (!frame || size < fileSize) return;
    // After the frame's palette and its code size: sub-blocks up to a zero.
    const uint8_t frameFlags = bytes[at + 9];
    at += 10 + (frameFlags & 0x80 ? size_t(3) << ((frameFlags & 7) + 1) : 0) + 1;
    uint64_t data = 0;
    while (at < size && bytes[at] != 0) {
        data += std::min<uint64_t>(bytes[at], size - at - 1);
        at += size_t(bytes[at]) + 1;
    }
    CheckPictureDataClaim(width, height, data);
}

bool Tagged(const uint8_t* at, const char* tag) { return std::memcmp(at, tag, 4) == 0; }

bool IsWebp(const uint8_t* bytes, size_t size) {
    return size >= 12 && Tagged(bytes, "RIFF") && Tagged(bytes + 8, "WEBP");
}

// The size a WebP's first chunk gives (VP8X: the canvas), as libwebp reads
// it; false when the head does not hold it.
bool WebpSize(const uint8_t* bytes, size_t size, int64_t& width, int64_t& height) {
    if (!IsWebp(bytes, size) || size < 30) return false;
    if (Tagged(bytes + 12, "VP8X")) {
        width = 1 + int64_t(Little(bytes, 24, 3));
        height = 1 + int64_t(Little(bytes, 27, 3));
    } else if (Tagged(bytes + 12, "VP8L") && bytes[20] == 0x2F) {
        const uint32_t bits = Little(bytes, 21, 4);
        width = 1 + int64_t(bits & 0x3FFF);
        height = 1 + int64_t((bits >> 14) & 0x3FFF);
    } else if (Tagged(bytes + 12, "VP8 ") && bytes[23] == 0x9D && bytes[24] == 0x01 && bytes[25] == 0x2A) {
        width = Little(bytes, 26, 2) & 0x3FFF;
        height = Little(bytes, 28, 2) & 0x3FFF;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<uint64_t> WebpPictureDataBytes(const uint8_t* bytes, size_t size) {
    if (!IsWebp(bytes, size)) return std::nullopt;
    // The decoder reads no further than the RIFF size says.
    const uint64_t end = std::min<uint64_t>(size, 8 + uint64_t(Little(bytes, 4, 4)));
    uint64_t total = 0;
    bool image = false, alpha = false, frame = false;
    for (uint64_t at = 12; at + 8 <= end;) {
        const uint64_t length = Little(bytes, at + 4, 4);
        const uint8_t* tag = bytes + at;
        const bool picture = Tagged(tag, "VP8 ") || Tagged(tag, "VP8L");
        bool* first = picture ? &image : Tagged(tag, "ALPH") ? &alpha : Tagged(tag, "ANMF") ? &frame : nullptr;
        if (first && !*first) {
            total += std::min(length, end - at - 8);
            *first = true;
        }
        if (at == 12 && picture) break;  // a simple file is its one chunk
        at += 8 + length + (length & 1);
    }
    return total;
}

std::optional<uint64_t> TiffPictureDataBytes(const uint8_t* bytes, size_t size) {
    if (size < 8 || !((bytes[0] == 'I' && bytes[1] == 'I') || (bytes[0] == 'M' && bytes[1] == 'M')))
        return std::nullopt;
    const bool motorola = bytes[0] == 'M';
    // `count` bytes at `at` (which the caller has checked lie within the
    // file) in the file's byte order.
    const auto get = [&](uint64_t at, int count) {
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= uint64_t(bytes[at + uint64_t(i)]) << (8 * (motorola ? count - 1 - i : i));
        return value;
    };
    const uint64_t magic = get(2, 2);
    const bool big = magic == 43;
    if (magic != 42 && !(big && size >= 16 && get(4, 2) == 8)) return std::nullopt;
    const int countBytes = big ? 8 : 2, entryBytes = big ? 20 : 12, valueBytes = big ? 8 : 4;
    const uint64_t directory = big ? get(8, 8) : get(4, 4);
    if (directory > size || size - directory < uint64_t(countBytes)) return std::nullopt;
    const uint64_t entries = get(directory, countBytes);
    if (entries > (size - directory - uint64_t(countBytes)) / uint64_t(entryBytes)) return std::nullopt;

    // The values of the tag of `entry`, as many as the file holds, at most
    // kMaxStrips (no picture within the size limits has more strips or
    // tiles than that).
    constexpr uint64_t kMaxStrips = uint64_t(1) << 22;
    const auto values = [&](uint64_t entry) {
        std::vector<uint64_t> out;
        const uint64_t type = get(entry + 2, 2), count = get(entry + 4, valueBytes == 8 ? 8 : 4);
        const int typeBytes = type == 3 ? 2 : type == 4 ? 4 : type == 16 ? 8 : 0;
        if (typeBytes == 0) return out;
        const uint64_t field = entry + 4 + uint64_t(valueBytes);
        uint64_t at = field;
        if (count > uint64_t(valueBytes / typeBytes)) at = get(field, valueBytes);
        if (at > size) return out;
        const uint64_t held = std::min({count, (size - at) / uint64_t(typeBytes), kMaxStrips});
        out.reserve(held);
        for (uint64_t i = 0; i < held; ++i) out.push_back(get(at + i * uint64_t(typeBytes), typeBytes));
        return out;
    };
    std::vector<uint64_t> offsets, counts;
    uint64_t compression = 1;
    for (uint64_t i = 0; i < entries; ++i) {
        const uint64_t entry = directory + uint64_t(countBytes) + i * uint64_t(entryBytes);
        const uint64_t tag = get(entry, 2);
        if (tag == 259) compression = get(entry + 4 + uint64_t(valueBytes), 2);  // a short, the only value
        if ((tag == 273 || tag == 324) && offsets.empty()) offsets = values(entry);
        if ((tag == 279 || tag == 325) && counts.empty()) counts = values(entry);
    }
    // Old-style JPEG data may be found without its strips.
    if (offsets.empty() || compression == 6) return std::nullopt;
    // Without a byte count (or with 0, which some writers put for one they
    // did not know) libtiff takes a strip to run on towards the end.
    std::vector<std::pair<uint64_t, uint64_t>> ranges;
    ranges.reserve(offsets.size());
    for (size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= size) continue;
        const uint64_t length = i < counts.size() && counts[i] != 0 ? counts[i] : size;
        ranges.emplace_back(offsets[i], offsets[i] + std::min<uint64_t>(length, size - offsets[i]));
    }
    std::sort(ranges.begin(), ranges.end());
    uint64_t total = 0, reached = 0;
    for (const auto& [start, end] : ranges) {
        const uint64_t from = std::max(start, reached);
        if (end > from) total += end - from;
        reached = std::max(reached, end);
    }
    return total;
}

namespace {

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

// What reading a picture of `size` through Qt takes: Qt's picture in the
// reader's format (8 bytes a pixel where that is not known yet), as much
// again for the reader's own rows and frames (libtiff's strips, the GIF
// reader's canvas), and ours.
size_t QtReadingBytes(QSize size, QImage::Format format) {
    const int64_t pixels = int64_t(size.width()) * size.height();
    const int64_t bits = format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
    return size_t(2 * pixels * bits / 8 + 3 * pixels) + (size_t(16) << 20);
}

bool IsTiffFormat(const char* format) { return std::strcmp(format, "tif") == 0 || std::strcmp(format, "tiff") == 0; }

// Qt's image plugins and QBuffer warn on standard error about the files
// they refuse ("QTgaHandler::canRead(): Image type not supported",
// "QBuffer::seek: Invalid pos" for a TIFF that points past its end),
// which the user reads in the program's words already. Their messages
// are dropped while this thread reads or writes a picture through Qt;
// every other message goes where it went before.
thread_local bool inQtImageIo = false;
std::atomic<QtMessageHandler> handlerBefore = nullptr;

void DropImageIoMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (inQtImageIo && type != QtFatalMsg) return;
    if (const QtMessageHandler before = handlerBefore.load()) before(type, context, message);
}

class QuietQtImageIo {
public:
    QuietQtImageIo() : outer_(inQtImageIo) {
        static const bool installed = [] {
            handlerBefore = qInstallMessageHandler(DropImageIoMessages);
            return true;
        }();
        (void)installed;
        inQtImageIo = true;
    }
    ~QuietQtImageIo() { inQtImageIo = outer_; }
    QuietQtImageIo(const QuietQtImageIo&) = delete;
    QuietQtImageIo& operator=(const QuietQtImageIo&) = delete;

private:
    bool outer_;
};

}  // namespace

TBitmap DecodeWithQt(const uint8_t* data, size_t length, const char* format) try {
    const QuietQtImageIo quiet;
    const bool bmp = std::strcmp(format, "bmp") == 0;
    if (bmp) CheckBmpClaim(data, length, length);
    if (std::strcmp(format, "gif") == 0) CheckGifClaim(data, length, length);
    const bool tiff = IsTiffFormat(format), webp = std::strcmp(format, "webp") == 0;
    if (tiff) CatchTiffMessages();
    QByteArray held = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(length));
    QBuffer buffer(&held);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The format asked for alone chooses the decoder: without this, Qt tries
    // every other decoder on content the chosen one refuses (a GIF named
    // .bmp), past the checks above.
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    QImageReader::setAllocationLimit(0);  // our own limit below applies instead
    // What the other formats (WebP, TIFF, ...) claim (a BMP stored top-down
    // claims a negative height).
    const QSize claimed = reader.size();
    if (claimed != QSize()) {
        const int64_t width = std::abs(int64_t(claimed.width())), height = std::abs(int64_t(claimed.height()));
        CheckPictureClaim(width, height, length);
        const std::optional<uint64_t> pictureData = tiff   ? TiffPictureDataBytes(data, length)
                                                    : webp ? WebpPictureDataBytes(data, length)
                                                           : std::nullopt;
        if (pictureData) CheckPictureDataClaim(width, height, *pictureData);
    }
    // Qt's RLE BMP reader leaves the pixels its codes never reach as they
    // were in memory, which would show whatever the memory held before.
    // Readers decode into a picture handed to them when it has the size
    // and format they would make, so they get one cleared to index or
    // colour 0.
    QImage image;
    const QSize size = claimed == QSize() ? QSize() : QSize(std::abs(claimed.width()), std::abs(claimed.height()));
    // A picture the machine cannot hold is said to be so before the reader
    // fails in words of its own.
    const size_t working = size.isEmpty() ? 0 : QtReadingBytes(size, reader.imageFormat());
    if (working > 0 && !CanAllocate(working)) throw NotEnoughMemory();
    if (!size.isEmpty() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        if (image.isNull()) throw NotEnoughMemory();
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull()) {
        // A reader short of memory names whatever it was reading then
        // (libtiff a tag, "PhotometricInterpretation"; Qt "Unsupported color
        // conversion" or "Invalid image size"). Memory taken by others
        // meanwhile, or more needed than reckoned, is told apart by asking
        // for twice what the picture needs.
        if (working > 0 && !CanAllocate(2 * working)) throw NotEnoughMemory();
        throw BrokenPicture(tiff && !lastTiffError.empty() ? lastTiffError : reader.errorString().toStdString());
    }
    CheckPictureSize(image.width(), image.height());
    TBitmap picture(image.width(), image.height());
    const bool ownConversion = NeedsOwnConversion(image, !bmp);
    const QImage::Format bandFormat = BandFormat(image, ownConversion);
    // Converted a band of rows at a time: a whole converted copy beside
    // Qt's picture and ours would cost another photo's worth of memory.
    // Qt converts a band of more than 65536 pixels on its thread pool, and
    // under a limit on address space a pool thread that cannot start left
    // the conversion waiting for ever: bands are then kept below that.
    const int bandRows = AddressSpaceLimited() ? std::max(1, 65535 / picture.Width()) : 64;
    for (int top = 0; top < picture.Height(); top += bandRows) {
        ThrowIfStopped();
        const int rows = std::min(bandRows, picture.Height() - top);
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

std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format, int quality) try {
    const QuietQtImageIo quiet;
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
    if (quality > 0) writer.setQuality(quality);
    if (!writer.write(image)) throw CorvessaError("Stream write error: " + writer.errorString().toStdString());
    return std::vector<uint8_t>(encoded.begin(), encoded.end());
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

bool QtReads(std::string_view format) {
    return !format.empty() && QImageReader::supportedImageFormats().contains(QByteArray(format.data(), qsizetype(format.size())));
}

bool QtWrites(std::string_view format) {
    return !format.empty() && QImageWriter::supportedImageFormats().contains(QByteArray(format.data(), qsizetype(format.size())));
}

namespace {

// The decoder of `format` shown the head, which it refuses on its first
// few bytes as it would the whole file.
void DecoderRefuses(const uint8_t* head, size_t size, const char* format) { DecodeWithQt(head, size, format); }

}  // namespace

void CheckBmpHead(const uint8_t* head, size_t size, uint64_t fileSize) {
    if (size >= 2 && (head[0] != 'B' || head[1] != 'M')) DecoderRefuses(head, size, "bmp");
    CheckBmpClaim(head, size, fileSize);
}

void CheckGifHead(const uint8_t* head, size_t size, uint64_t fileSize) { CheckGifClaim(head, size, fileSize); }

void CheckWebpHead(const uint8_t* head, size_t size, uint64_t fileSize) {
    if (!IsWebp(head, size)) DecoderRefuses(head, size, "webp");
    int64_t width = 0, height = 0;
    if (WebpSize(head, size, width, height)) CheckPictureClaim(width, height, size_t(fileSize));
}

void CheckTiffHead(const uint8_t* head, size_t size, uint64_t) {
    if (size >= 4 && !IsTiff(head, size)) DecoderRefuses(head, size, "tiff");
}

bool IsWebpFile(const uint8_t* head, size_t size) { return IsWebp(head, size); }

bool IsTiff(const uint8_t* head, size_t size) {
    static const uint8_t kOrders[][4] = {{'I', 'I', 42, 0}, {'M', 'M', 0, 42}, {'I', 'I', 43, 0}, {'M', 'M', 0, 43}};
    return size >= 4 && std::any_of(std::begin(kOrders), std::end(kOrders),
                                    [&](const uint8_t* start) { return std::memcmp(head, start, 4) == 0; });
}

}  // namespace corvessa
