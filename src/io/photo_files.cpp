#include "io/photo_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>

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

// Decodes with Qt from memory, so a file is read once and a missing file
// is told apart from a broken one.
TBitmap DecodeWithQt(const std::vector<uint8_t>& bytes, const char* format, const char* brokenText) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    QImageReader::setAllocationLimit(0);  // our own limit below applies instead
    const QSize claimed = reader.size();
    if (claimed.isValid()) CheckPictureSize(claimed.width(), claimed.height());
    QImage image = reader.read();
    if (image.isNull()) throw CorvessaError(brokenText);
    CheckPictureSize(image.width(), image.height());
    // Qt's BGR888 rows hold exactly our row bytes.
    image = image.convertToFormat(QImage::Format_BGR888);
    if (image.isNull()) throw CorvessaError("Not enough memory for the picture");
    TBitmap picture(image.width(), image.height());
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(picture.Row(y), image.constScanLine(y), picture.RowBytes());
    return picture;
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
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), picture.RowBytes());
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, extension.c_str());
    if (!writer.write(image)) throw CorvessaError("Stream write error");
    WriteFileSafely(path, std::vector<uint8_t>(encoded.begin(), encoded.end()));
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
