#include "io/photo_files.h"

#include <QImageReader>
#include <QImageWriter>

#include <string_view>

#include "ground/error.h"
#include "io/bmp_codec.h"
#include "io/codec_helper.h"
#include "io/files.h"
#include "io/jpeg_codec.h"
#include "io/png_codec.h"
#include "io/photo_metadata.h"
#include "io/qt_codecs.h"

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

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

// How a file is read: by a row of the format table, or by Qt's reader of a
// further format its extension names.
struct Reading {
    const PhotoFormat* format = nullptr;
    std::string qtFormat;  // without a row
};

CorvessaError UnknownExtension(const std::string& path) {
    return CorvessaError("Unknown picture file extension (." + ExtensionOf(path) + ")");
}

// The general reader's choice by extension, case ignored.
Reading ReadingByExtension(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    if (const PhotoFormat* format = ReadableFormatByExtension(extension)) return {format, ""};
    if (!QtReads(extension)) throw UnknownExtension(path);
    return {nullptr, extension};
}

// Open's choice: a name containing ".bmp" (case-sensitive) is a BMP.
Reading PhotoReading(const std::string& path) {
    return path.find(".bmp") != std::string::npos ? Reading{&FormatOf(PhotoFormatId::kBmp), ""} : ReadingByExtension(path);
}

// Every failure to decode a file names the file ("TEXT — PATH"); those of
// reaching it name it already ("Cannot open file PATH: REASON").
CorvessaError NamingTheFile(const std::string& text, const std::string& path) {
    return CorvessaError(text + " \u2014 " + path);
}

bool ForWantOfMemory(const CorvessaError& error) { return std::string_view(error.what()) == NotEnoughMemory().what(); }

// Whether Open, having been refused by the reader its name chose, tries
// the reader the file's first bytes choose (a PNG named .jpg).
enum class ByContent { kNever, kWhenRefused };

// The row whose signature the head matches when its reader is not
// `reading`'s; nullptr for none.
const PhotoFormat* OtherFormatByContent(const Reading& reading, const uint8_t* head, size_t size) {
    const PhotoFormat* byContent = FormatBySignature(head, size);
    if (!byContent || (reading.format && byContent->read == reading.format->read)) return nullptr;
    return byContent;
}

// A file that neither its name's reader nor its content's takes: both say why.
CorvessaError BothRefused(const CorvessaError& byName, const PhotoFormat& byContent, const CorvessaError& second) {
    return CorvessaError(std::string(byName.what()) + "; read as " + std::string(byContent.name) +
                         " by its first bytes: " + second.what());
}

// Runs `byName`; when it refuses the file and `content` (the file's bytes,
// or its head) is another format's, runs `asOther` with that format
// instead. Failures for want of memory are passed on as they are.
template <class ByName, class AsOther>
auto WithContentFallback(const Reading& reading, ByContent byContent, const uint8_t* content, size_t size,
                         ByName byName, AsOther asOther) {
    try {
        return byName();
    } catch (const CorvessaError& error) {
        const PhotoFormat* other =
            byContent == ByContent::kWhenRefused ? OtherFormatByContent(reading, content, size) : nullptr;
        if (!other || ForWantOfMemory(error)) throw;
        try {
            return asOther(*other);
        } catch (const CorvessaError& second) {
            if (ForWantOfMemory(second)) throw;
            throw BothRefused(error, *other, second);
        }
    }
}

// Decodes with the reading's reader, in the codec helper where that is
// other people's code; `notes` receives the warning and what the helper
// read beside the picture.
TBitmap DecodeAs(const Reading& reading, const uint8_t* data, size_t size, DecodeNotes& notes) {
    if (reading.format && !reading.format->inHelper) return reading.format->read(data, size, &notes.warning);
    const CodecRequest request{.operation = CodecOperation::kDecode,
                               .format = reading.format ? reading.format->id : PhotoFormatId::kJpeg,
                               .qtFormat = reading.format ? "" : reading.qtFormat,
                               .data = data,
                               .size = size};
    const std::string name = reading.format ? std::string(reading.format->name) : Upper(reading.qtFormat);
    CodecReply reply = RunInCodecHelper(request, CodecHelperLimits::ForDecoding(), name + " reader");
    notes.warning = std::move(reply.warning);
    notes.heifMetadata = std::move(reply.heifMetadata);
    notes.iccProfile = std::move(reply.iccProfile);
    return std::move(reply.picture);
}

TBitmap Decode(const Reading& reading, ByContent byContent, const std::string& path, const std::vector<uint8_t>& bytes,
               DecodeNotes* notes) try {
    DecodeNotes said;
    said.format = reading.format;
    TBitmap picture = WithContentFallback(
        reading, byContent, bytes.data(), bytes.size(), [&] { return DecodeAs(reading, bytes.data(), bytes.size(), said); },
        [&](const PhotoFormat& other) {
            said = DecodeNotes{.format = &other};
            return DecodeAs(Reading{&other, ""}, bytes.data(), bytes.size(), said);
        });
    if (!said.warning.empty()) said.warning = NamingTheFile(said.warning, path).what();
    if (notes) *notes = std::move(said);
    return picture;
} catch (const CorvessaError& error) {
    throw NamingTheFile(error.what(), path);
}

// A file longer than this is looked at this far before the rest is read.
constexpr size_t kHeadBytes = 65536;

// The contents of `path`, its head checked first by the reader of
// `reading` (the signature, the size its header claims) or, when that
// refuses it and the head is another format's, by that format's.
std::vector<uint8_t> ReadFor(const Reading& reading, ByContent byContent, const std::string& path) {
    return ReadWholeFile(path, kHeadBytes, [&](const uint8_t* head, size_t size, uint64_t fileSize) {
        try {
            WithContentFallback(
                reading, byContent, head, size,
                [&] {
                    if (reading.format && reading.format->checkHead) reading.format->checkHead(head, size, fileSize);
                },
                [&](const PhotoFormat& other) {
                    if (other.checkHead) other.checkHead(head, size, fileSize);
                });
        } catch (const CorvessaError& error) {
            throw NamingTheFile(error.what(), path);
        }
    });
}

// The reading for `path`, an unknown extension reported with the file's name.
template <class Choose>
Reading ChosenReading(Choose choose, const std::string& path) {
    try {
        return choose(path);
    } catch (const CorvessaError& error) {
        throw NamingTheFile(error.what(), path);
    }
}

}  // namespace

TBitmap ReadBmpFile(const std::string& path) {
    const Reading bmp{&FormatOf(PhotoFormatId::kBmp), ""};
    return Decode(bmp, ByContent::kNever, path, ReadFor(bmp, ByContent::kNever, path), nullptr);
}

TBitmap ReadPicture(const std::string& path) {
    const Reading reading = ChosenReading(ReadingByExtension, path);
    return Decode(reading, ByContent::kNever, path, ReadFor(reading, ByContent::kNever, path), nullptr);
}

bool ReadsAsJpeg(const std::string& path) {
    return path.find(".bmp") == std::string::npos &&
           ReadableFormatByExtension(Lower(ExtensionOf(path))) == &FormatOf(PhotoFormatId::kJpeg);
}

bool HasPhotoExtension(const std::string& path) {
    const std::string extension = Lower(ExtensionOf(path));
    return ReadableFormatByExtension(extension) || QtReads(extension);
}

void CheckPhotoFileName(const std::string& path) { ChosenReading(PhotoReading, path); }

TBitmap DecodePhotoFile(const std::string& path, const std::vector<uint8_t>& bytes, DecodeNotes* notes) {
    if (notes) *notes = DecodeNotes();
    return Decode(ChosenReading(PhotoReading, path), ByContent::kWhenRefused, path, bytes, notes);
}

std::vector<uint8_t> ReadPhotoBytes(const std::string& path) {
    return ReadFor(ChosenReading(PhotoReading, path), ByContent::kWhenRefused, path);
}

TBitmap ReadPhotoFile(const std::string& path) { return DecodePhotoFile(path, ReadPhotoBytes(path)); }

void WriteJpegFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeJpeg(picture)); }

void WriteBmpFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodeBmp(picture)); }

void WritePngFile(const TBitmap& picture, const std::string& path) { WriteFileSafely(path, EncodePng(picture)); }

const PhotoFormat* WriterFor(const std::string& path) { return WritableFormatByExtension(ExtensionOf(path)); }

bool WritesAsJpeg(const std::string& path) { return WriterFor(path) == &FormatOf(PhotoFormatId::kJpeg); }

bool WritesAsPng(const std::string& path) { return WriterFor(path) == &FormatOf(PhotoFormatId::kPng); }

namespace {

// The file's bytes from `format`'s writer, or Qt's writer of `qtFormat`
// beyond the table, run in the codec helper where that is other people's
// code.
std::vector<uint8_t> Encode(const PhotoFormat* format, const std::string& qtFormat, const TBitmap& picture,
                            const PhotoMetadata& metadata, int quality) {
    if (format && !format->inHelper) return format->write(picture, metadata, quality);
    SavedMetadataBlocks blocks;
    if (format && format->keepsCameraData)
        blocks = SavedBlocks(metadata, picture.Width(), picture.Height());
    else if (format && format->keepsProfile)
        blocks.iccProfile = metadata.Colour().Icc();
    const CodecRequest request{.operation = CodecOperation::kEncode,
                               .format = format ? format->id : PhotoFormatId::kJpeg,
                               .qtFormat = format ? "" : qtFormat,
                               .quality = quality,
                               .picture = &picture,
                               .metadata = std::move(blocks)};
    const double megapixels = double(picture.Width()) * picture.Height() / 1e6;
    const std::string name = format ? std::string(format->name) : Upper(qtFormat);
    return RunInCodecHelper(request, CodecHelperLimits::ForEncoding(megapixels), name + " writer").bytes;
}

}  // namespace

void WritePhotoAs(const PhotoFormat& format, const TBitmap& picture, const std::string& path,
                  const PhotoMetadata& metadata, int quality, LinkPolicy links) {
    WriteFileSafely(path, Encode(&format, "", picture, metadata, quality), links);
}

void WritePictureFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                                  LinkPolicy links, int quality) {
    if (const PhotoFormat* format = WriterFor(path)) return WritePhotoAs(*format, photo, path, metadata, quality, links);
    // A further format Qt writes, without camera data.
    const std::string extension = Lower(ExtensionOf(path));
    if (!QtWrites(extension)) throw NamingTheFile(UnknownExtension(path).what(), path);
    WriteFileSafely(path, Encode(nullptr, extension, photo, PhotoMetadata(), quality), links);
}

void WritePictureFile(const TBitmap& picture, const std::string& path, LinkPolicy links) {
    WritePictureFileWithMetadata(picture, path, PhotoMetadata(), links);
}

std::string ReadablePatterns() {
    std::string patterns;
    const auto add = [&](std::string_view extension) {
        if (!patterns.empty()) patterns += ' ';
        patterns += "*.";
        patterns += extension;
    };
    for (const PhotoFormat& format : PhotoFormats())
        if (Reads(format))
            for (std::string_view extension : format.extensions) add(extension);
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const std::string f = format.toStdString();
        if (!ReadableFormatByExtension(f)) add(f);
    }
    return patterns;
}

void LoadImagePlugins() {
    QImageReader::supportedImageFormats();
    QImageWriter::supportedImageFormats();
}

}  // namespace corvessa
