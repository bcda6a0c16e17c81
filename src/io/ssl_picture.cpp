#include "io/ssl_picture.h"

#include <algorithm>
#include <vector>

#include "io/files.h"
#include "io/jpeg_codec.h"
#include "ground/error.h"

namespace corvessa {

void LoadSslPicture(const std::string& path, TBitmap& target) {
    std::vector<uint8_t> bytes = ReadWholeFile(path);
    if (bytes.size() < sizeof kSslHeader) bytes.resize(sizeof kSslHeader);
    std::copy(std::begin(kSslHeader), std::end(kSslHeader), bytes.begin());
    try {
        target.TakePixels(DecodeJpeg(bytes.data(), bytes.size()));
    } catch (const CorvessaError& error) {
        throw CorvessaError(std::string(error.what()) + " \u2014 " + path);  // which of the pictures it was
    }
}

}  // namespace corvessa
