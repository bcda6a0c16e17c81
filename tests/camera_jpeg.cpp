#include "camera_jpeg.h"

#include <exiv2/exiv2.hpp>

#include "colour_fixtures.h"
#include "io/jpeg_codec.h"
#include "test_support.h"

namespace corvessa::test {

std::vector<uint8_t> IccProfile() { return IccProfileOf(TestProfile::kAdobeRgb); }

namespace {

// The camera JPEG, with XMP and IPTC data too when `rich`.
std::vector<uint8_t> MakeCameraJpeg(const TBitmap& picture, int orientation, bool rich) {
    std::vector<uint8_t> jpeg = EncodeJpeg(picture);
    auto image = Exiv2::ImageFactory::open(jpeg.data(), long(jpeg.size()));
    Exiv2::ExifData exif;
    exif["Exif.Image.Model"] = kTestCameraModel;
    exif["Exif.Photo.DateTimeOriginal"] = kTestCaptureDate;
    exif["Exif.Image.Orientation"] = uint16_t(orientation);
    exif["Exif.Photo.PixelXDimension"] = uint32_t(picture.Width());
    exif["Exif.Photo.PixelYDimension"] = uint32_t(picture.Height());
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    exif["Exif.GPSInfo.GPSLatitude"] = kTestLatitude;
    std::vector<uint8_t> thumb = EncodeJpeg(SolidBitmap(8, 8, Rgb{0, 0, 255}));
    Exiv2::ExifThumb(exif).setJpegThumbnail(thumb.data(), long(thumb.size()));
    image->setExifData(exif);
    const std::vector<uint8_t> icc = IccProfile();
    Exiv2::DataBuf buf(icc.data(), long(icc.size()));
    image->setIccProfile(buf, false);
    if (rich) {
        Exiv2::XmpData xmp;
        xmp["Xmp.dc.title"] = "lang=x-default A heron";
        xmp["Xmp.tiff.Orientation"] = std::to_string(orientation);
        xmp["Xmp.exif.PixelXDimension"] = std::to_string(picture.Width());
        image->setXmpData(xmp);
        Exiv2::IptcData iptc;
        iptc["Iptc.Application2.Caption"] = "A heron on the river bank";
        iptc["Iptc.Application2.Keywords"] = "bird";
        image->setIptcData(iptc);
    }
    image->writeMetadata();
    Exiv2::BasicIo& io = image->io();
    io.open();
    std::vector<uint8_t> out(size_t(io.size()));
    io.read(out.data(), long(out.size()));
    io.close();
    return out;
}

}  // namespace

std::vector<uint8_t> CameraJpeg(const TBitmap& picture, int orientation) {
    return MakeCameraJpeg(picture, orientation, false);
}

std::vector<uint8_t> RichCameraJpeg(const TBitmap& picture, int orientation) {
    return MakeCameraJpeg(picture, orientation, true);
}

}  // namespace corvessa::test
