#include "io/photo_metadata.h"

#include <exiv2/exiv2.hpp>
#include <err.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

#include "io/colour_profile.h"
#include "io/files.h"
#include "io/heif_codec.h"
#include "io/jpeg_codec.h"
#include "io/jxl_codec.h"
#include "io/orientation.h"
#include "io/photo_metadata_data.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/png_codec.h"

namespace corvessa {

namespace {

bool IsJpeg(const std::vector<uint8_t>& file) {
    return file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
}


// Exiv2 reports problems through its log handler; a photo program has no
// console to show them on.
void SilenceExiv2() {
    static const bool silenced = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return true;
    }();
    (void)silenced;
}

}  // namespace

int PhotoMetadata::Orientation() const { return data_ ? data_->orientation : 1; }

namespace {

uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }

bool StartsWith(const uint8_t* data, size_t size, const char* prefix, size_t length) {
    return size >= length && std::memcmp(data, prefix, length) == 0;
}

// Reads each metadata block of a JPEG on its own, for a file that Exiv2
// cannot read whole because one of its blocks is broken: every block that
// reads cleanly is kept.
void ReadBlockByBlock(const std::vector<uint8_t>& file, PhotoMetadata::Data& data) {
    static const char kExif[] = "Exif\0\0";
    static const char kXmp[] = "http://ns.adobe.com/xap/1.0/";  // and its zero
    static const char kPhotoshop[] = "Photoshop 3.0";
    static const char kIcc[] = "ICC_PROFILE";
    std::map<int, std::vector<uint8_t>> iccChunks;
    int iccCount = 0;
    size_t at = 2;
    while (at + 4 <= file.size()) {
        if (file[at] != 0xFF) break;
        const uint8_t marker = file[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) break;  // the picture data: no metadata after it
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        const size_t length = Big16(&file[at + 2]);
        if (length < 2 || at + 2 + length > file.size()) break;
        const uint8_t* body = &file[at + 4];
        const size_t size = length - 2;
        at += 2 + length;
        try {
            if (marker == 0xE1 && StartsWith(body, size, kExif, 6)) {
                Exiv2::ExifData exif;
                Exiv2::ExifParser::decode(exif, body + 6, uint32_t(size - 6));
                data.exif = exif;
            } else if (marker == 0xE1 && StartsWith(body, size, kXmp, sizeof kXmp)) {
                Exiv2::XmpData xmp;
                const std::string packet(reinterpret_cast<const char*>(body) + sizeof kXmp, size - sizeof kXmp);
                if (Exiv2::XmpParser::decode(xmp, packet) == 0) data.xmp = xmp;
            } else if (marker == 0xED && StartsWith(body, size, kPhotoshop, sizeof kPhotoshop)) {
                const Exiv2::byte* record = nullptr;
                uint32_t header = 0, iptcSize = 0;
                const long irbSize = long(size - sizeof kPhotoshop);
                if (Exiv2::Photoshop::locateIptcIrb(body + sizeof kPhotoshop, irbSize, &record, &header, &iptcSize) == 0 &&
                    record + header + iptcSize <= body + size) {
                    Exiv2::IptcData iptc;
                    if (Exiv2::IptcParser::decode(iptc, record + header, iptcSize) == 0) data.iptc = iptc;
                }
            } else if (marker == 0xE2 && StartsWith(body, size, kIcc, sizeof kIcc) && size > sizeof kIcc + 2) {
                const int sequence = body[sizeof kIcc], count = body[sizeof kIcc + 1];
                iccCount = count;
                iccChunks[sequence].assign(body + sizeof kIcc + 2, body + size);
            }
        } catch (const std::exception&) {
            // this block is broken; the others stand
        }
    }
    // A profile is kept only whole: every chunk there, and the size it
    // declares is its size.
    std::vector<uint8_t> icc;
    for (int sequence = 1; sequence <= iccCount; ++sequence) {
        auto chunk = iccChunks.find(sequence);
        if (chunk == iccChunks.end()) return;
        icc.insert(icc.end(), chunk->second.begin(), chunk->second.end());
    }
    data.colour = KeptProfile(icc);
}

void ReadOrientation(PhotoMetadata::Data& data) {
    auto tag = data.exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (tag != data.exif.end() && tag->count() > 0) {
        const long value = tag->toLong();
        if (value >= 1 && value <= 8) data.orientation = int(value);
    }
}

bool IsPng(const std::vector<uint8_t>& file) { return StartsWith(file.data(), file.size(), "\x89PNG\r\n\x1a\n", 8); }

// The other formats whose camera data Exiv2 reads: PNG, WebP and TIFF.
bool IsExiv2Format(const std::vector<uint8_t>& file) {
    const uint8_t* d = file.data();
    const size_t n = file.size();
    return IsPng(file) || (StartsWith(d, n, "RIFF", 4) && n >= 12 && StartsWith(d + 8, 4, "WEBP", 4)) ||
           StartsWith(d, n, "II*\0", 4) || StartsWith(d, n, "MM\0*", 4);
}

// Exif data (from its TIFF header on) and an XMP packet, each decoded on
// its own: a broken one leaves the other standing.
void DecodeBlocks(const std::vector<uint8_t>& exif, const std::string& xmp, PhotoMetadata::Data& data) {
    SilenceExiv2();
    try {
        if (!exif.empty()) Exiv2::ExifParser::decode(data.exif, exif.data(), uint32_t(exif.size()));
    } catch (const std::exception&) {
        data.exif.clear();
    }
    try {
        if (!xmp.empty() && Exiv2::XmpParser::decode(data.xmp, xmp) != 0) data.xmp.clear();
    } catch (const std::exception&) {
        data.xmp.clear();
    }
}

bool HoldsAny(const PhotoMetadata::Data& data) {
    return !data.exif.empty() || !data.xmp.empty() || !data.iptc.empty() || !data.colour.Icc().empty();
}

}  // namespace

ColourProfile PhotoMetadata::Colour() const { return data_ ? data_->colour : ColourProfile(); }

PhotoMetadata PhotoMetadata::WithColour(const ColourProfile& colour) const {
    auto data = data_ ? std::make_shared<Data>(*data_) : std::make_shared<Data>();
    data->colour = colour.IsRgb() ? colour : ColourProfile();
    PhotoMetadata result;
    if (HoldsAny(*data)) result.data_ = std::move(data);
    return result;
}

PhotoMetadata MetadataFromBlocks(const std::vector<uint8_t>& exif, const std::string& xmp,
                                 const std::vector<uint8_t>& iccProfile, bool exifTurns) {
    auto data = std::make_shared<PhotoMetadata::Data>();
    DecodeBlocks(exif, xmp, *data);
    data->colour = KeptProfile(iccProfile);
    try {
        if (exifTurns) ReadOrientation(*data);
    } catch (const std::exception&) {
        data->orientation = 1;
    }
    PhotoMetadata result;
    if (HoldsAny(*data)) result.data_ = std::move(data);
    return result;
}

PhotoMetadata MetadataOfHeif(const HeifMetadata& blocks) {
    // Its Exif orientation does not count where the file records the
    // rotation and mirroring that libheif applies. Without a profile its
    // colour description tells its colours.
    PhotoMetadata metadata = MetadataFromBlocks(blocks.exif, blocks.xmp, blocks.iccProfile, !blocks.transformed);
    if (metadata.Colour().Icc().empty() && blocks.colour)
        metadata = metadata.WithColour(ColourProfile::FromDescription(*blocks.colour));
    return metadata;
}

PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file) {
    if (IsJxl(file.data(), file.size())) return ReadJxlMetadata(file.data(), file.size());
    if (IsHeif(file.data(), file.size())) return MetadataOfHeif(ReadHeifMetadata(file.data(), file.size()));
    PhotoMetadata result;
    if (!IsJpeg(file) && !IsExiv2Format(file)) return result;
    SilenceExiv2();
    auto data = std::make_shared<PhotoMetadata::Data>();
    try {
        auto image = Exiv2::ImageFactory::open(file.data(), long(file.size()));
        image->readMetadata();
        data->exif = image->exifData();
        data->xmp = image->xmpData();
        data->iptc = image->iptcData();
        // Exiv2 hands on what it inflated of a PNG's corrupt profile, the
        // rest of its buffer unwritten: a PNG's is read by our own code.
        if (IsPng(file))
            data->colour = KeptProfile(PngIccProfile(file.data(), file.size()));
        else if (image->iccProfileDefined())
            data->colour = KeptProfile(image->iccProfile()->pData_, size_t(image->iccProfile()->size_));
    } catch (const std::exception&) {
        *data = PhotoMetadata::Data();
        if (IsJpeg(file)) ReadBlockByBlock(file, *data);
    }
    try {
        ReadOrientation(*data);
    } catch (const std::exception&) {
        data->orientation = 1;
    }
    if (!HoldsAny(*data)) return result;
    result.data_ = std::move(data);
    return result;
}

namespace {

// The tags of a raw file's main directory that describe the camera and the
// shot rather than the raw's structure.
bool CameraImageTag(const std::string& name) {
    static const char* const kKept[] = {"Make", "Model", "DateTime", "Artist", "Copyright", "Software",
                                        "ImageDescription", "UniqueCameraModel", "CameraSerialNumber",
                                        "LensInfo"};
    for (const char* kept : kKept)
        if (name == kept) return true;
    return false;
}

}  // namespace

PhotoMetadata ReadRawMetadata(const uint8_t* data, size_t size) {
    SilenceExiv2();
    auto kept = std::make_shared<PhotoMetadata::Data>();
    // Canon's CR3 is an ISO media file, which Exiv2 reads only when asked;
    // HEIF and AVIF never reach Exiv2 (libheif reads theirs).
    if (size >= 12 && std::memcmp(data + 4, "ftypcrx ", 8) == 0) Exiv2::enableBMFF(true);
    try {
        // Only the raw formats' readers: Exiv2's video readers take a CR3's
        // look-alike for a QuickTime film and parse it for seconds.
        static const int kRawTypes[] = {Exiv2::ImageType::tiff, Exiv2::ImageType::cr2, Exiv2::ImageType::orf,
                                        Exiv2::ImageType::rw2, Exiv2::ImageType::raf, Exiv2::ImageType::bmff};
        const int type = Exiv2::ImageFactory::getType(data, long(size));
        if (std::find(std::begin(kRawTypes), std::end(kRawTypes), type) == std::end(kRawTypes)) return PhotoMetadata();
        auto image = Exiv2::ImageFactory::open(data, long(size));
        image->readMetadata();
        for (const Exiv2::Exifdatum& tag : image->exifData()) {
            const std::string group = tag.groupName();
            if ((group == "Image" && CameraImageTag(tag.tagName())) || group == "GPSInfo" ||
                (group == "Photo" && tag.tagName() != "MakerNote"))
                kept->exif.add(tag);
        }
        kept->xmp = image->xmpData();
        kept->iptc = image->iptcData();
    } catch (const std::exception&) {
        *kept = PhotoMetadata::Data();
    }
    PhotoMetadata result;
    if (HoldsAny(*kept)) result.data_ = std::move(kept);  // orientation 1
    return result;
}

PhotoMetadata ReadJxlMetadata(const uint8_t* data, size_t size) {
    const JxlBoxes boxes = ReadJxlBoxes(data, size);
    return MetadataFromBlocks(boxes.exif, boxes.xmp, {}, false);  // orientation 1
}

namespace {

// The pixel dimensions the camera data gives, where it gives them, made
// those of the saved picture (a photo turned upright swaps them).
void SetDimensions(Exiv2::ExifData& exif, Exiv2::XmpData& xmp, int width, int height) {
    const auto set = [&](const char* key, int value) {
        if (exif.findKey(Exiv2::ExifKey(key)) != exif.end()) exif[key] = uint32_t(value);
    };
    set("Exif.Photo.PixelXDimension", width);
    set("Exif.Photo.PixelYDimension", height);
    set("Exif.Image.ImageWidth", width);
    set("Exif.Image.ImageLength", height);
    const auto setXmp = [&](const char* key, int value) {
        if (xmp.findKey(Exiv2::XmpKey(key)) != xmp.end()) xmp[key] = std::to_string(value);
    };
    setXmp("Xmp.exif.PixelXDimension", width);
    setXmp("Xmp.exif.PixelYDimension", height);
    setXmp("Xmp.tiff.ImageWidth", width);
    setXmp("Xmp.tiff.ImageLength", height);
}

// Which of the blocks EmbedMetadata writes.
enum Block : unsigned { kExifBlock = 1, kXmpBlock = 2, kIptcBlock = 4, kIccBlock = 8 };

// The camera's Exif data as a saved photo carries it: without the
// thumbnail of the photo before editing, orientation 1 (the pixels are
// stored upright).
Exiv2::ExifData SavedExif(const PhotoMetadata::Data& data) {
    Exiv2::ExifData exif = data.exif;
    Exiv2::ExifThumb(exif).erase();
    if (exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation")) != exif.end()) exif["Exif.Image.Orientation"] = uint16_t(1);
    return exif;
}

std::vector<uint8_t> EmbedBlocks(const std::vector<uint8_t>& jpeg, const PhotoMetadata::Data& data, unsigned blocks,
                                 int width, int height) {
    auto image = Exiv2::ImageFactory::open(jpeg.data(), long(jpeg.size()));
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    if (blocks & kExifBlock) exif = SavedExif(data);
    if (blocks & kXmpBlock) {
        xmp = data.xmp;
        if (xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")) != xmp.end()) xmp["Xmp.tiff.Orientation"] = "1";
    }
    SetDimensions(exif, xmp, width, height);
    image->setExifData(exif);
    image->setXmpData(xmp);
    if (blocks & kIptcBlock) image->setIptcData(data.iptc);
    const std::vector<uint8_t>& profile = data.colour.Icc();
    if ((blocks & kIccBlock) && !profile.empty()) {
        Exiv2::DataBuf icc(profile.data(), long(profile.size()));
        image->setIccProfile(icc, false);
    }
    image->writeMetadata();
    Exiv2::BasicIo& io = image->io();
    io.open();
    std::vector<uint8_t> out(size_t(io.size()));
    const long read = io.read(out.data(), long(out.size()));
    io.close();
    if (read != long(out.size())) throw std::runtime_error("short read");
    return out;
}

}  // namespace

std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata, int width,
                                   int height) {
    if (metadata.Empty()) return jpeg;
    SilenceExiv2();
    // All blocks; failing that, without the one that cannot be written.
    constexpr unsigned kAll = kExifBlock | kXmpBlock | kIptcBlock | kIccBlock;
    for (unsigned blocks : {kAll, kAll & ~kExifBlock, kAll & ~kXmpBlock, kAll & ~kIptcBlock, unsigned(kIccBlock)}) {
        try {
            return EmbedBlocks(jpeg, *metadata.data_, blocks, width, height);
        } catch (const std::exception&) {
        }
    }
    return jpeg;
}

namespace {

// The TIFF-structured Exif block of a saved PNG, empty when there is none
// or it cannot be written.
std::vector<uint8_t> ExifForPng(const PhotoMetadata::Data* data, int width, int height) {
    if (!data || data->exif.empty()) return {};
    SilenceExiv2();
    try {
        Exiv2::ExifData exif = SavedExif(*data);
        Exiv2::XmpData unused;
        SetDimensions(exif, unused, width, height);
        Exiv2::Blob blob;
        Exiv2::ExifParser::encode(blob, nullptr, 0, Exiv2::bigEndian, exif);
        return blob;
    } catch (const std::exception&) {
        return {};  // the photo is saved without it
    }
}

}  // namespace

SavedMetadataBlocks SavedBlocks(const PhotoMetadata& metadata, int width, int height) {
    SavedMetadataBlocks blocks;
    const PhotoMetadata::Data* data = metadata.data_.get();
    if (!data) return blocks;
    blocks.exif = ExifForPng(data, width, height);
    blocks.iccProfile = data->colour.Icc();
    if (!data->xmp.empty()) {
        SilenceExiv2();
        try {
            Exiv2::XmpData xmp = data->xmp;
            Exiv2::ExifData unused;
            if (xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")) != xmp.end()) xmp["Xmp.tiff.Orientation"] = "1";
            SetDimensions(unused, xmp, width, height);
            if (Exiv2::XmpParser::encode(blocks.xmp, xmp) != 0) blocks.xmp.clear();
        } catch (const std::exception&) {
            blocks.xmp.clear();  // saved without it
        }
    }
    return blocks;
}

TBitmap ReadPhotoUpright(const std::string& path, PhotoMetadata& metadata, std::string* warning) {
    CheckPhotoFileName(path);
    // Read the file once for both the pixels and the metadata.
    const std::vector<uint8_t> file = ReadPhotoBytes(path);
    DecodeNotes notes;
    TBitmap photo = DecodePhotoFile(path, file, &notes);
    // A HEIF file's camera data came with its picture from the codec
    // helper: libheif never parses the file here.
    PhotoMetadata read = notes.heifMetadata ? MetadataOfHeif(*notes.heifMetadata)
                         : notes.format && notes.format->readMetadata
                             ? notes.format->readMetadata(file.data(), file.size())
                             : ReadPhotoMetadata(file);
    if (!notes.iccProfile.empty()) read = read.WithColour(KeptProfile(notes.iccProfile));
    ApplyOrientation(photo, read.Orientation());
    metadata = std::move(read);
    if (warning)
        *warning = notes.warning;
    else if (!notes.warning.empty())
        warnx("%s", notes.warning.c_str());
    return photo;
}

std::vector<uint8_t> EncodeJpegWithMetadata(const TBitmap& photo, const PhotoMetadata& metadata, int quality) {
    const std::vector<uint8_t> jpeg = quality == kDefaultQuality ? EncodeJpeg(photo) : EncodeJpegWithQuality(photo, quality);
    return EmbedMetadata(jpeg, metadata, photo.Width(), photo.Height());
}

std::vector<uint8_t> EncodePngWithMetadata(const TBitmap& photo, const PhotoMetadata& metadata, int) {
    const PhotoMetadata::Data* data = metadata.data_.get();
    return EncodePng(photo, metadata.Colour().Icc(), ExifForPng(data, photo.Width(), photo.Height()));
}

void WriteJpegFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                               LinkPolicy links) {
    WriteFileSafely(path, EncodeJpegWithMetadata(photo, metadata, kDefaultQuality), links);
}

void WritePngFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                              LinkPolicy links) {
    WriteFileSafely(path, EncodePngWithMetadata(photo, metadata, kDefaultQuality), links);
}

}  // namespace corvessa
