#pragma once
// Every photo format the program knows, in one table: what Open, Save, the
// batch, corvessa-render and the desktop entry know of formats comes from
// here. Formats Qt's plugins read beyond the table still open by their
// extension (see io/photo_files.h), with no signature or writer of theirs.
//
// A new format is one row of kFormats in photo_formats.cpp and one name in
// PhotoFormatId: its name, extensions, MIME types, a signature matcher, a
// reader, optionally a head check and a writer, and whether the save
// dialog and the batch offer it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"
#include "ground/words.h"

namespace corvessa {

class PhotoMetadata;

enum class PhotoFormatId : uint8_t {
    kJpeg,
    kBmp,
    kPng,
    kHeic,
    kAvif,
    kWebp,
    kTiff,
    kGif,
    kTga,
    kIcns,
    kIco,
    kWbmp,
    kPbm,
    kPgm,
    kPpm,
    kXbm,
    kXpm,
    kJxl,
    kRaw,
};

// Whether a file's first `size` bytes (at least a few dozen, when the file
// has them) are this format's.
using FormatSignature = bool (*)(const uint8_t* head, size_t size);
// The whole file's bytes decoded into 24-bit colour. `warning`, when given,
// receives what the user should know of a picture that opened all the same
// ("" for none). Throws CorvessaError in the reader's words.
using FormatReader = TBitmap (*)(const uint8_t* data, size_t size, std::string* warning);
// What the reader would refuse of a file of `fileSize` bytes from its first
// `size` bytes alone, thrown in the reader's words.
using FormatHeadCheck = void (*)(const uint8_t* head, size_t size, uint64_t fileSize);
// The file's bytes for `picture`, with `metadata` where the format has room
// for it; `quality` 1..100 for a lossy writer, kDefaultQuality for its own.
using FormatWriter = std::vector<uint8_t> (*)(const TBitmap& picture, const PhotoMetadata& metadata, int quality);

// The camera data of a file the row's reader decoded, where the general
// reader (ReadPhotoMetadata, told by content) would take it wrongly.
using FormatMetadataReader = PhotoMetadata (*)(const uint8_t* data, size_t size);

inline constexpr int kDefaultQuality = 0;

struct PhotoFormat {
    PhotoFormatId id = PhotoFormatId::kJpeg;
    std::string_view name = {};  // as the user reads it: "JPEG", "HEIC"
    // Lower case, without the dot; a save appends the first.
    std::vector<std::string_view> extensions = {};
    std::vector<std::string_view> mimeTypes = {};
    FormatSignature signature = nullptr;  // none: its files cannot be told by their bytes
    FormatReader read = nullptr;
    FormatHeadCheck checkHead = nullptr;  // none: the head tells nothing the reader would not
    FormatWriter write = nullptr;         // none: read only
    FormatMetadataReader readMetadata = nullptr;  // none: ReadPhotoMetadata
    // The Qt plugin format the reader or the writer goes through, "" for
    // the program's own code: without that plugin installed the row does
    // not read or write.
    std::string_view qtReader = {}, qtWriter = {};
    // The reader and the writer are other people's code that a hostile
    // file may crash or make abort: they run in the codec helper
    // (io/codec_helper.h), never in the window or a batch.
    bool inHelper = false;
    bool keepsCameraData = false;  // a save writes the photo's Exif and colour profile
    bool keepsProfile = false;     // a save writes the colour profile (rows keeping camera data do too)
    bool lossy = false;            // the writer takes a quality
    // The entry the save dialog shows ("*.jpg") and so the batch and its
    // format choice; "" for a format written only by name or --format.
    std::string_view saveLabel = {};
};

// Every row, in the table's order (the save dialog's order).
const std::vector<PhotoFormat>& PhotoFormats();
const PhotoFormat& FormatOf(PhotoFormatId id);
// Whether the row reads, writes here (its Qt plugin, if it needs one, is
// installed).
bool Reads(const PhotoFormat& format);
bool Writes(const PhotoFormat& format);

// The readable row one of whose extensions is `extension` (no dot), case
// ignored; nullptr for none.
const PhotoFormat* ReadableFormatByExtension(std::string_view extension);
// The writable row one of whose extensions is `extension`, case ignored.
const PhotoFormat* WritableFormatByExtension(std::string_view extension);
// The first readable row whose signature matches the head; nullptr for none.
const PhotoFormat* FormatBySignature(const uint8_t* head, size_t size);

// The formats the save dialog offers, in its order: the writable rows with
// a save label. The dialog's filter index of the n-th is n + 1.
std::vector<const PhotoFormat*> SaveFormats();
// The save format at the save dialog's filter index; the first (JPEG) for
// an index out of range.
const PhotoFormat& SaveFormatAt(int filterIndex);

// A format named by one of its extensions ("jpg", "jpeg", "PNG"), case
// ignored, among the writable rows; nothing for another.
std::optional<PhotoFormatId> WritableFormatNamed(std::string_view text);
// The extensions --format takes, "jpg, jpeg, bmp or png"-style.
std::string WritableFormatNames();

// "image/jpeg;image/bmp;...;" for the desktop entry's MimeType key: every
// row's types in order, each once.
std::string DesktopMimeTypes();
// One line a row: "NAME  ext ext  read" or "... read, write", the last
// column's words as given (corvessa-render gives them translated).
inline constexpr const char* kListedReadWrite = CORVESSA_WORDS("Formats", "read, write");
inline constexpr const char* kListedRead = CORVESSA_WORDS("Formats", "read");
std::string FormatListing(std::string_view readWrite = kListedReadWrite, std::string_view read = kListedRead);

}  // namespace corvessa
