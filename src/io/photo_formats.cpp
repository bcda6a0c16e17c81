#include "io/photo_formats.h"

#include <algorithm>
#include <cstring>

#include "ground/error.h"
#include "io/bmp_codec.h"
#include "io/heif_codec.h"
#include "io/jpeg_codec.h"
#include "io/jxl_codec.h"
#include "io/photo_metadata.h"
#include "io/png_codec.h"
#include "io/qt_claims.h"
#include "io/qt_codecs.h"
#include "io/raw_codec.h"
#include "io/webp_writer.h"

namespace corvessa {

namespace {

bool Starts(const uint8_t* head, size_t size, std::string_view start) {
    return size >= start.size() && std::memcmp(head, start.data(), start.size()) == 0;
}

bool IsJpeg(const uint8_t* head, size_t size) { return Starts(head, size, "\xFF\xD8\xFF"); }
bool IsPng(const uint8_t* head, size_t size) { return Starts(head, size, "\x89PNG\r\n\x1A\n"); }
bool IsBmp(const uint8_t* head, size_t size) { return Starts(head, size, "BM"); }
bool IsGif(const uint8_t* head, size_t size) { return Starts(head, size, "GIF87a") || Starts(head, size, "GIF89a"); }
bool IsIcns(const uint8_t* head, size_t size) { return Starts(head, size, "icns"); }
// Reserved 0, type 1 (an icon), at least one picture.
bool IsIco(const uint8_t* head, size_t size) {
    return Starts(head, size, std::string_view("\0\0\1\0", 4)) && size >= 6 && (head[4] | head[5]) != 0;
}
bool IsXpm(const uint8_t* head, size_t size) { return Starts(head, size, "/* XPM */"); }

// The AVIF brands: an AVIF is a HEIF file whose ftyp box names one.
bool IsAvifBrand(const uint8_t* head, size_t size) {
    return size >= 12 && (std::memcmp(head + 8, "avif", 4) == 0 || std::memcmp(head + 8, "avis", 4) == 0);
}
bool IsHeic(const uint8_t* head, size_t size) { return IsHeif(head, size) && !IsAvifBrand(head, size); }
bool IsAvif(const uint8_t* head, size_t size) { return IsHeif(head, size) && IsAvifBrand(head, size); }

// The Netpbm "P1".."P6" and the whitespace after them.
template <char kPlain, char kRaw>
bool IsNetpbm(const uint8_t* head, size_t size) {
    return size >= 3 && head[0] == 'P' && (head[1] == kPlain || head[1] == kRaw) &&
           (head[2] == ' ' || head[2] == '\t' || head[2] == '\n' || head[2] == '\r');
}

// The camera raws whose files tell themselves from a TIFF's by their first
// bytes: Canon's CR2 and CR3, Fujifilm's RAF, Olympus's ORF, Panasonic's
// RW2, and a DNG by its DNGVersion tag (so that one named .tif, which the
// TIFF reader refuses, opens as a raw). NEF, ARW and PEF are TIFFs to the
// letter, told by their names.
bool IsDistinctRaw(const uint8_t* head, size_t size) {
    return (Starts(head, size, std::string_view("II*\0", 4)) && size >= 10 && head[8] == 'C' && head[9] == 'R') ||
           (size >= 12 && std::memcmp(head + 4, "ftypcrx ", 8) == 0) || Starts(head, size, "FUJIFILMCCD-RAW") ||
           Starts(head, size, "IIRO") || Starts(head, size, "IIRS") || Starts(head, size, "MMOR") ||
           Starts(head, size, std::string_view("IIU\0", 4)) || IsDng(head, size);
}

std::vector<std::string_view> RawExtensions() {
    std::vector<std::string_view> extensions;
    for (const RawFormat& raw : kRawFormats) extensions.push_back(raw.extension);
    return extensions;
}
std::vector<std::string_view> RawMimeTypes() {
    std::vector<std::string_view> types;
    for (const RawFormat& raw : kRawFormats) types.push_back(raw.mimeType);
    return types;
}

// The writers' own qualities stand for kDefaultQuality.
template <auto kEncode, int kOwnQuality>
std::vector<uint8_t> WriteAtQuality(const TBitmap& picture, const PhotoMetadata& metadata, int quality) {
    return kEncode(picture, metadata, quality == kDefaultQuality ? kOwnQuality : quality);
}

TBitmap ReadJpeg(const uint8_t* data, size_t size, std::string* warning) { return DecodeJpeg(data, size, warning); }
TBitmap ReadJxl(const uint8_t* data, size_t size, std::string* warning) { return DecodeJxl(data, size, warning); }
TBitmap ReadRaw(const uint8_t* data, size_t size, std::string* warning) { return DecodeRaw(data, size, warning); }
TBitmap ReadPng(const uint8_t* data, size_t size, std::string*) { return DecodePng(data, size); }
TBitmap ReadHeif(const uint8_t* data, size_t size, std::string*) { return DecodeHeif(data, size); }

// A start that is not a HEIF file's is refused in libheif's words.
void CheckHeifHead(const uint8_t* head, size_t size, uint64_t) {
    if (!IsHeif(head, size)) DecodeHeif(head, size);
}

template <const char* kFormat>
TBitmap ReadWithQt(const uint8_t* data, size_t size, std::string*) {
    return DecodeWithQt(data, size, kFormat);
}
template <const char* kFormat>
std::vector<uint8_t> WriteWithQt(const TBitmap& picture, const PhotoMetadata&, int quality) {
    return EncodeWithQt(picture, kFormat, quality);
}

// TIFF keeps the photo's colour profile (its camera data stays behind).
std::vector<uint8_t> WriteTiff(const TBitmap& picture, const PhotoMetadata& metadata, int quality) {
    return EncodeWithQt(picture, "tiff", quality, metadata.Colour().Icc());
}

std::vector<uint8_t> WriteBmp(const TBitmap& picture, const PhotoMetadata&, int) { return EncodeBmp(picture); }

// Qt's names of its formats, as template arguments.
constexpr char kQtBmp[] = "bmp", kQtWebp[] = "webp", kQtTiff[] = "tiff", kQtGif[] = "gif", kQtTga[] = "tga",
               kQtIcns[] = "icns", kQtIco[] = "ico", kQtWbmp[] = "wbmp", kQtPbm[] = "pbm", kQtPgm[] = "pgm",
               kQtPpm[] = "ppm", kQtXbm[] = "xbm", kQtXpm[] = "xpm";

// A format read and written through Qt's plugin `kFormat` alone.
template <const char* kFormat>
PhotoFormat QtFormat(PhotoFormatId id, std::string_view name, std::vector<std::string_view> extensions,
                     std::vector<std::string_view> mimeTypes, FormatSignature signature,
                     FormatHeadCheck checkHead = nullptr) {
    return {.id = id,
            .name = name,
            .extensions = std::move(extensions),
            .mimeTypes = std::move(mimeTypes),
            .signature = signature,
            .read = ReadWithQt<kFormat>,
            .checkHead = checkHead,
            .write = WriteWithQt<kFormat>,
            .qtReader = kFormat,
            .qtWriter = kFormat,
            .inHelper = true};
}

std::vector<PhotoFormat> MakeTable() {
    using Id = PhotoFormatId;
    std::vector<PhotoFormat> rows;
    // The save dialog's first three, in this order. FormatBySignature takes
    // the first row whose signature matches: a format whose files also
    // match a later row's (a camera raw is a TIFF) goes before that row.
    rows.push_back({.id = Id::kJpeg, .name = "JPEG", .extensions = {"jpg", "jpeg"}, .mimeTypes = {"image/jpeg"},
                    .signature = IsJpeg, .read = ReadJpeg, .checkHead = CheckJpegStart, .write = EncodeJpegWithMetadata,
                    .keepsCameraData = true, .lossy = true, .saveLabel = "*.jpg"});
    rows.push_back({.id = Id::kBmp, .name = "BMP", .extensions = {"bmp"}, .mimeTypes = {"image/bmp"},
                    .signature = IsBmp, .read = ReadWithQt<kQtBmp>, .checkHead = CheckBmpHead, .write = WriteBmp,
                    .qtReader = kQtBmp, .saveLabel = "*.bmp"});
    rows.push_back({.id = Id::kPng, .name = "PNG", .extensions = {"png"}, .mimeTypes = {"image/png"},
                    .signature = IsPng, .read = ReadPng, .checkHead = CheckPngStart, .write = EncodePngWithMetadata,
                    .keepsCameraData = true, .saveLabel = "*.png"});
    rows.push_back({.id = Id::kHeic, .name = "HEIC", .extensions = {"heic", "heif", "hif"},
                    .mimeTypes = {"image/heic", "image/heif"}, .signature = IsHeic, .read = ReadHeif,
                    .checkHead = CheckHeifHead, .write = WriteAtQuality<EncodeHeic, kHeicQuality>,
                    .inHelper = true, .keepsCameraData = true, .lossy = true, .saveLabel = "*.heic"});
    rows.push_back({.id = Id::kAvif, .name = "AVIF", .extensions = {"avif"}, .mimeTypes = {"image/avif"},
                    .signature = IsAvif, .read = ReadHeif, .checkHead = CheckHeifHead,
                    .write = WriteAtQuality<EncodeAvif, kAvifQuality>, .inHelper = true, .keepsCameraData = true, .lossy = true,
                    .saveLabel = "*.avif"});
    rows.push_back(QtFormat<kQtWebp>(Id::kWebp, "WebP", {"webp"}, {"image/webp"}, IsWebpFile, CheckWebpHead));
    rows.back().write = WriteAtQuality<EncodeWebp, kWebpQuality>;
    rows.back().qtWriter = "";
    rows.back().keepsCameraData = rows.back().lossy = true;
    rows.back().saveLabel = "*.webp";
    rows.push_back({.id = Id::kJxl, .name = "JPEG XL", .extensions = {"jxl"}, .mimeTypes = {"image/jxl"},
                    .signature = IsJxl, .read = ReadJxl, .checkHead = CheckJxlStart,
                    .write = WriteAtQuality<EncodeJxl, 90>, .inHelper = true, .keepsCameraData = true, .lossy = true,
                    .saveLabel = "*.jxl"});
    // Before TIFF, whose signature most raws also carry; developed as
    // LibRaw does by default, upright, with the camera data read apart
    // (the raw's own orientation is applied already).
    rows.push_back({.id = Id::kRaw, .name = "Camera raw", .extensions = RawExtensions(), .mimeTypes = RawMimeTypes(),
                    .signature = IsDistinctRaw, .read = ReadRaw, .checkHead = CheckRawStart,
                    .readMetadata = ReadRawMetadata, .inHelper = true});
    rows.push_back(QtFormat<kQtTiff>(Id::kTiff, "TIFF", {"tif", "tiff"}, {"image/tiff"}, IsTiff, CheckTiffHead));
    rows.back().write = WriteTiff;
    rows.back().keepsProfile = true;
    rows.push_back(QtFormat<kQtGif>(Id::kGif, "GIF", {"gif"}, {"image/gif"}, IsGif, CheckGifHead));
    rows.push_back(QtFormat<kQtTga>(Id::kTga, "TGA", {"tga"}, {"image/x-tga"}, nullptr));
    rows.push_back(QtFormat<kQtIcns>(Id::kIcns, "ICNS", {"icns"}, {"image/x-icns"}, IsIcns));
    rows.push_back(QtFormat<kQtIco>(Id::kIco, "ICO", {"ico"}, {"image/vnd.microsoft.icon"}, IsIco));
    rows.push_back(QtFormat<kQtWbmp>(Id::kWbmp, "WBMP", {"wbmp"}, {"image/vnd.wap.wbmp"}, nullptr));
    rows.push_back(QtFormat<kQtPbm>(Id::kPbm, "PBM", {"pbm"}, {"image/x-portable-bitmap"}, IsNetpbm<'1', '4'>));
    rows.push_back(QtFormat<kQtPgm>(Id::kPgm, "PGM", {"pgm"}, {"image/x-portable-graymap"}, IsNetpbm<'2', '5'>));
    rows.push_back(QtFormat<kQtPpm>(Id::kPpm, "PPM", {"ppm"}, {"image/x-portable-pixmap"}, IsNetpbm<'3', '6'>));
    rows.push_back(QtFormat<kQtXbm>(Id::kXbm, "XBM", {"xbm"}, {"image/x-xbitmap"}, nullptr));
    rows.push_back(QtFormat<kQtXpm>(Id::kXpm, "XPM", {"xpm"}, {"image/x-xpixmap"}, IsXpm));
    return rows;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

bool HasExtension(const PhotoFormat& format, std::string_view extension) {
    const std::string lower = Lower(extension);
    return std::find(format.extensions.begin(), format.extensions.end(), lower) != format.extensions.end();
}

}  // namespace

const std::vector<PhotoFormat>& PhotoFormats() {
    static const std::vector<PhotoFormat> table = MakeTable();
    return table;
}

const PhotoFormat& FormatOf(PhotoFormatId id) {
    for (const PhotoFormat& format : PhotoFormats())
        if (format.id == id) return format;
    throw CorvessaError("Unknown picture format");
}

bool Reads(const PhotoFormat& format) {
    return format.read && (format.qtReader.empty() || QtReads(format.qtReader));
}

bool Writes(const PhotoFormat& format) {
    return format.write && (format.qtWriter.empty() || QtWrites(format.qtWriter));
}

const PhotoFormat* ReadableFormatByExtension(std::string_view extension) {
    for (const PhotoFormat& format : PhotoFormats())
        if (HasExtension(format, extension) && Reads(format)) return &format;
    return nullptr;
}

const PhotoFormat* WritableFormatByExtension(std::string_view extension) {
    for (const PhotoFormat& format : PhotoFormats())
        if (HasExtension(format, extension) && Writes(format)) return &format;
    return nullptr;
}

const PhotoFormat* FormatBySignature(const uint8_t* head, size_t size) {
    for (const PhotoFormat& format : PhotoFormats())
        if (format.signature && format.signature(head, size) && Reads(format)) return &format;
    return nullptr;
}

std::vector<const PhotoFormat*> SaveFormats() {
    std::vector<const PhotoFormat*> formats;
    for (const PhotoFormat& format : PhotoFormats())
        if (!format.saveLabel.empty() && Writes(format)) formats.push_back(&format);
    return formats;
}

const PhotoFormat& SaveFormatAt(int filterIndex) {
    const std::vector<const PhotoFormat*> formats = SaveFormats();
    if (filterIndex < 1 || size_t(filterIndex) > formats.size()) return *formats.front();
    return *formats[size_t(filterIndex - 1)];
}

std::optional<PhotoFormatId> WritableFormatNamed(std::string_view text) {
    const PhotoFormat* format = WritableFormatByExtension(text);
    if (!format) return std::nullopt;
    return format->id;
}

std::string WritableFormatNames() {
    std::vector<std::string_view> names;
    for (const PhotoFormat& format : PhotoFormats())
        if (Writes(format)) names.insert(names.end(), format.extensions.begin(), format.extensions.end());
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

std::string DesktopMimeTypes() {
    std::vector<std::string_view> seen;
    std::string text;
    for (const PhotoFormat& format : PhotoFormats())
        for (std::string_view type : format.mimeTypes) {
            if (std::find(seen.begin(), seen.end(), type) != seen.end()) continue;
            seen.push_back(type);
            text += std::string(type) + ";";
        }
    return text;
}

std::string FormatListing(std::string_view readWrite, std::string_view read) {
    std::string text;
    for (const PhotoFormat& format : PhotoFormats()) {
        if (!Reads(format)) continue;
        std::string line(format.name);
        line.resize(std::max<size_t>(line.size() + 2, 6), ' ');
        for (size_t i = 0; i < format.extensions.size(); ++i) {
            if (i > 0) line += ' ';
            line += format.extensions[i];
        }
        line.resize(std::max<size_t>(line.size() + 2, 24), ' ');
        text += line + std::string(Writes(format) ? readWrite : read) + "\n";
    }
    return text;
}

}  // namespace corvessa
