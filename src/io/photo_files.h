#pragma once
// Photo files as the user opens and saves them. Reading other formats than
// JPEG goes through Qt's image readers, so this part links Qt Gui.

#include <string>

#include "ground/bitmap.h"

namespace corvessa {

// The general reader: the decoder is chosen by the file's extension, case
// ignored: libjpeg for "jpg" and "jpeg", BMP for "bmp", and any further
// format Qt reads (png, gif, ...). Throws "Unknown picture file extension
// (.EXT)", "Cannot open file PATH", "Bitmap image is not valid" or
// "JPEG error #N".
TBitmap ReadPicture(const std::string& path);

// Reads the file as a BMP whatever its name (any depth and compression,
// converted to 24 bits).
TBitmap ReadBmpFile(const std::string& path);

// Open: a name containing ".bmp" (case-sensitive) is read directly as a
// BMP, everything else through the general reader.
TBitmap ReadPhotoFile(const std::string& path);
// Whether ReadPhotoFile decodes `path` with libjpeg.
bool ReadsAsJpeg(const std::string& path);

void WriteJpegFile(const TBitmap& picture, const std::string& path);
void WriteBmpFile(const TBitmap& picture, const std::string& path);
// Chooses the writer by extension: JPEG, BMP, or any format Qt writes.
void WritePictureFile(const TBitmap& picture, const std::string& path);
// Whether WritePictureFile writes `path` as a JPEG.
bool WritesAsJpeg(const std::string& path);

// The patterns of the further formats the general reader accepts
// ("*.png *.gif ..."), for an open dialog's second filter entry.
std::string FurtherReadablePatterns();

// Finds Qt's image plugins on the calling thread. Qt keeps what it finds in
// objects that belong to the thread that first reads or writes a picture
// through it; if that thread ends before the program does, the program's
// memory is corrupted when it ends. A program whose worker threads read or
// write pictures calls this on its main thread first.
void LoadImagePlugins();

}  // namespace corvessa
