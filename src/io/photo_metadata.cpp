#include "io/photo_metadata.h"

#include <exiv2/exiv2.hpp>

#include "io/files.h"
#include "io/jpeg_codec.h"
#include "io/orientation.h"
#include "io/photo_files.h"

namespace corvessa {

struct PhotoMetadata::Data {
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    Exiv2::IptcData iptc;
    std::vector<uint8_t> iccProfile;
    int orientation = 1;
};

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

PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file) {
    PhotoMetadata result;
    if (!IsJpeg(file)) return result;
    SilenceExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(file.data(), long(file.size()));
        image->readMetadata();
        auto data = std::make_shared<PhotoMetadata::Data>();
        data->exif = image->exifData();
        data->xmp = image->xmpData();
        data->iptc = image->iptcData();
        if (image->iccProfileDefined()) {
            const Exiv2::DataBuf* icc = image->iccProfile();
            data->iccProfile.assign(icc->pData_, icc->pData_ + icc->size_);
        }
        auto tag = data->exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (tag != data->exif.end() && tag->count() > 0) {
            const long value = tag->toLong();
            if (value >= 1 && value <= 8) data->orientation = int(value);
        }
        if (data->exif.empty() && data->xmp.empty() && data->iptc.empty() && data->iccProfile.empty()) return result;
        result.data_ = std::move(data);
    } catch (const std::exception&) {
        return PhotoMetadata();
    }
    return result;
}

std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata) {
    if (metadata.Empty()) return jpeg;
    SilenceExiv2();
    try {
        const PhotoMetadata::Data& data = *metadata.data_;
        auto image = Exiv2::ImageFactory::open(jpeg.data(), long(jpeg.size()));
        Exiv2::ExifData exif = data.exif;
        Exiv2::ExifThumb(exif).erase();
        if (exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation")) != exif.end())
            exif["Exif.Image.Orientation"] = uint16_t(1);
        Exiv2::XmpData xmp = data.xmp;
        if (xmp.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation")) != xmp.end()) xmp["Xmp.tiff.Orientation"] = "1";
        image->setExifData(exif);
        image->setXmpData(xmp);
        image->setIptcData(data.iptc);
        if (!data.iccProfile.empty()) {
            Exiv2::DataBuf icc(data.iccProfile.data(), long(data.iccProfile.size()));
            image->setIccProfile(icc, false);
        }
        image->writeMetadata();
        Exiv2::BasicIo& io = image->io();
        io.open();
        std::vector<uint8_t> out(size_t(io.size()));
        const long read = io.read(out.data(), long(out.size()));
        io.close();
        if (read != long(out.size())) return jpeg;
        return out;
    } catch (const std::exception&) {
        return jpeg;
    }
}

TBitmap ReadPhotoUpright(const std::string& path, PhotoMetadata& metadata) {
    if (!ReadsAsJpeg(path)) {
        TBitmap photo = ReadPhotoFile(path);
        metadata = PhotoMetadata();
        return photo;
    }
    // Read the file once for both the pixels and the metadata.
    const std::vector<uint8_t> file = ReadWholeFile(path);
    TBitmap photo = DecodeJpeg(file.data(), file.size());
    PhotoMetadata read = ReadPhotoMetadata(file);
    ApplyOrientation(photo, read.Orientation());
    metadata = std::move(read);
    return photo;
}

void WriteJpegFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata) {
    WriteFileSafely(path, EmbedMetadata(EncodeJpeg(photo), metadata));
}

void WritePictureFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata) {
    if (WritesAsJpeg(path))
        WriteJpegFileWithMetadata(photo, path, metadata);
    else
        WritePictureFile(photo, path);
}

}  // namespace corvessa
