#pragma once
// What a PhotoMetadata holds, for the io files that read, write or trim
// it. Nothing outside io includes this.

#include <exiv2/exiv2.hpp>

#include "io/colour_profile.h"
#include "io/photo_metadata.h"

namespace corvessa {

struct PhotoMetadata::Data {
    Exiv2::ExifData exif;
    Exiv2::XmpData xmp;
    Exiv2::IptcData iptc;
    // An RGB profile only: the pixels are RGB whatever the file stored.
    ColourProfile colour;
    int orientation = 1;
};

}  // namespace corvessa
