#include "io/qt_codecs.h"

#include <QBuffer>
#include <QByteArray>
#include <QColorSpace>
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
#include "io/qt_claims.h"

namespace corvessa {

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

// Qt's picture in our rows. Converted a band of rows at a time: a whole
// converted copy beside Qt's picture and ours would cost another photo's
// worth of memory. Qt converts a band of more than 65536 pixels on its
// thread pool, and under a limit on address space a pool thread that
// cannot start left the conversion waiting for ever: bands are then kept
// below that.
TBitmap ConvertedPicture(const QImage& image, bool flattenAlpha) {
    TBitmap picture(image.width(), image.height());
    const bool ownConversion = NeedsOwnConversion(image, flattenAlpha);
    const QImage::Format bandFormat = BandFormat(image, ownConversion);
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
    return ConvertedPicture(image, !bmp);
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format, int quality,
                                  const std::vector<uint8_t>& iccProfile) try {
    const QuietQtImageIo quiet;
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    if (image.isNull()) throw picture.Empty() ? CorvessaError("Stream write error") : NotEnoughMemory();
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), picture.RowBytes());
    // A new picture takes the screen's resolution, and a program without a
    // screen another: fixed at 72 dpi, the same picture gives the same file
    // from the window and from corvessa-render.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    // Qt's TIFF writer writes the picture's colour space as its profile.
    if (!iccProfile.empty())
        image.setColorSpace(QColorSpace::fromIccProfile(
            QByteArray(reinterpret_cast<const char*>(iccProfile.data()), qsizetype(iccProfile.size()))));
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

}  // namespace corvessa
