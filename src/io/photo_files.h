#pragma once
// Photo files as the user opens and saves them, by the format table
// (io/photo_formats.h). JPEG, PNG and HEIF/AVIF have readers of their own;
// BMP, WebP, TIFF, GIF and the further formats go through Qt's image
// readers, so this part links Qt Gui.
//
// A file that cannot be decoded is reported with its name after the
// reader's text and reason: "JPEG error #N: LIBJPEG'S MESSAGE — PATH",
// "Bitmap image is not valid: REASON — PATH", "Unknown picture file
// extension (.EXT) — PATH", "Picture is too large (W x H) — PATH". One
// that cannot be read says so with its reason: "Cannot open file PATH:
// REASON".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ground/bitmap.h"
#include "io/files.h"
#include "io/heif_codec.h"
#include "io/photo_formats.h"
#include "io/qt_codecs.h"

namespace corvessa {

struct PhotoFormat;

class PhotoMetadata;

// The general reader: the decoder is chosen by the file's extension, case
// ignored: the format table's row of that extension (libjpeg for "jpg" and
// "jpeg", libpng for "png", libheif for "heic", "heif", "hif" and "avif",
// Qt for "bmp", "webp", "tif", ...), else Qt's reader of any further format
// it reads. Every picture becomes 24-bit colour (see io/picture_samples.h
// for deeper samples and alpha).
TBitmap ReadPicture(const std::string& path);

// Reads the file as a BMP whatever its name (any depth and compression,
// converted to 24 bits).
TBitmap ReadBmpFile(const std::string& path);

// Open: a name containing ".bmp" (case-sensitive) is read directly as a
// BMP, everything else by its extension as the general reader reads it.
// When that reader refuses the file and its first bytes are another
// format's (a PNG named .jpg), it is read as that format; when that fails
// too the message gives both reasons: "REASON; read as NAME by its first
// bytes: REASON — PATH".
TBitmap ReadPhotoFile(const std::string& path);
// Whether ReadPhotoFile decodes `path` with libjpeg.
bool ReadsAsJpeg(const std::string& path);
// Whether the file's extension is one Open reads (the ".bmp" rule aside):
// what a folder added to the batch takes.
bool HasPhotoExtension(const std::string& path);
// Throws "Unknown picture file extension (.EXT) — PATH" unless
// ReadPhotoFile has a reader for `path`.
void CheckPhotoFileName(const std::string& path);
// What decoding a file told besides its picture.
struct DecodeNotes {
    // What the user should know about a picture that opened all the same,
    // "" for none: "The file is incomplete: its lower part is missing —
    // PATH" for a JPEG that ends early.
    std::string warning = {};
    // The table's row that decoded it (null for a format Qt reads beyond
    // the table).
    const PhotoFormat* format = nullptr;
    // A HEIF or AVIF file's camera data, read in the codec helper beside
    // its picture.
    std::optional<HeifMetadata> heifMetadata = {};
    // The colour profile the decoder gave the picture's values, where it
    // gave one (JPEG XL's): it stands for the file's own.
    std::vector<uint8_t> iccProfile = {};
};
// ReadPhotoFile's decoding of `bytes`, the contents of `path`; `notes`,
// when given, receives what else it told.
TBitmap DecodePhotoFile(const std::string& path, const std::vector<uint8_t>& bytes, DecodeNotes* notes = nullptr);
// The contents of `path` for DecodePhotoFile, read as ReadPhotoFile reads
// them: the first 64 KB of a longer file are checked against the reader
// its name chooses (the signature, the size its header claims) before the
// rest is read, so that a huge file that cannot be a picture of that kind
// is refused at once, in that reader's words and naming the file; a head
// that reader refuses but another format's signature starts is checked by
// that format's reader instead, as ReadPhotoFile falls back on it. Throws
// "Unknown picture file extension" as CheckPhotoFileName does, and
// ReadWholeFile's errors.
std::vector<uint8_t> ReadPhotoBytes(const std::string& path);

void WriteJpegFile(const TBitmap& picture, const std::string& path);
void WriteBmpFile(const TBitmap& picture, const std::string& path);
// 8-bit RGB PNG, lossless.
void WritePngFile(const TBitmap& picture, const std::string& path);
// Chooses the writer by extension: the format table's writer of that
// extension, or any further format Qt writes. `links` as for
// WriteFileSafely (io/files.h).
void WritePictureFile(const TBitmap& picture, const std::string& path,
                      LinkPolicy links = LinkPolicy::kFollowLikeTheKernel);
// Whether WritePictureFile writes `path` as a JPEG, as a PNG.
bool WritesAsJpeg(const std::string& path);
bool WritesAsPng(const std::string& path);
// Writes `picture` to `path` with `format`'s writer, `metadata` where the
// format keeps camera data, at `quality` where it is lossy.
void WritePhotoAs(const PhotoFormat& format, const TBitmap& picture, const std::string& path,
                  const PhotoMetadata& metadata, int quality = kDefaultQuality,
                  LinkPolicy links = LinkPolicy::kFollowLikeTheKernel);

// The patterns of every extension the general reader accepts ("*.jpg
// *.jpeg *.bmp *.png *.heic ...": the table's rows in order, then the
// further formats Qt reads), for an open dialog's filter.
std::string ReadablePatterns();

// Finds Qt's image plugins on the calling thread. Qt keeps what it finds in
// objects that belong to the thread that first reads or writes a picture
// through it; if that thread ends before the program does, the program's
// memory is corrupted when it ends. A program whose worker threads read or
// write pictures calls this on its main thread first.
void LoadImagePlugins();

}  // namespace corvessa
