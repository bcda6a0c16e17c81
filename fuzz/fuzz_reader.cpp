// Any bytes through the general photo reader, under every name it knows.
#include "open_as_photo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kNames[] = {"photo.jpg", "photo.JPEG", "photo.bmp", "holiday.BMP", "photo.png",
                                         "photo.gif", "photo.ppm",  "photo.xyz", "photo.bmp.jpg"};
    return corvessa::fuzz::OpenAsPhoto(data, size, kNames);
}
