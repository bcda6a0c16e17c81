#include "io/ssl_picture.h"

#include <algorithm>
#include <vector>

#include "io/files.h"
#include "io/jpeg_codec.h"

namespace corvessa {

void LoadSslPicture(const std::string& path, TBitmap& target) {
    std::vector<uint8_t> bytes = ReadWholeFile(path);
    if (bytes.size() < sizeof kSslHeader) bytes.resize(sizeof kSslHeader);
    std::copy(std::begin(kSslHeader), std::end(kSslHeader), bytes.begin());
    target.TakePixels(DecodeJpeg(bytes.data(), bytes.size()));
}

}  // namespace corvessa
