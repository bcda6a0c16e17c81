// Picture files made to hurt: headers that claim more than the program
// takes or than the file holds, truncated and corrupt streams. Each must
// end in a picture or in the user's words, quickly and without touching
// memory for pixels that are not there.

#include <gtest/gtest.h>

#include <jerror.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/ssl_picture.h"
#include "jpeg_fixtures.h"
#include "ground/error.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

std::string TooLarge(int64_t w, int64_t h) {
    return "Picture is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")";
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}
void PutBig16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v >> 8);
    b[at + 1] = uint8_t(v);
}
void PutBig32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    PutBig16(b, at, v >> 16);
    PutBig16(b, at + 2, v);
}

// A JPEG whose frame header claims `width` x `height`.
std::vector<uint8_t> JpegClaiming(int width, int height, JpegKind kind = JpegKind::kColour) {
    std::vector<uint8_t> bytes = MakeJpeg(GradientBitmap(16, 16), kind);
    for (size_t i = 0; i + 8 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2 || bytes[i + 1] == 0xC9)) {
            PutBig16(bytes, i + 5, uint32_t(height));
            PutBig16(bytes, i + 7, uint32_t(width));
            break;
        }
    return bytes;
}

// A grey progressive JPEG claiming `width` x `height` made of nothing but
// `scans` empty DC scans: tables, a frame header and scan headers alone.
std::vector<uint8_t> ScanBomb(int width, int height, int scans, bool arithmetic) {
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};  // SOI, DQT of ones
    b.insert(b.end(), 64, 1);
    const uint8_t frame = arithmetic ? 0xCA : 0xC2;
    b.insert(b.end(), {0xFF, frame, 0, 11, 8, uint8_t(height >> 8), uint8_t(height), uint8_t(width >> 8),
                       uint8_t(width), 1, 1, 0x11, 0});
    if (!arithmetic) {  // a DC table with one code
        b.insert(b.end(), {0xFF, 0xC4, 0, 20, 0x00, 1});
        b.insert(b.end(), 15, 0);
        b.push_back(0);
    }
    for (int i = 0; i < scans; ++i) b.insert(b.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 0, 0});
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

// A BMP whose header claims `width` x `height` (negative: top-down) and
// that holds `pixelBytes` bytes of pixel data.
std::vector<uint8_t> BmpClaiming(int width, int height, int bits, size_t pixelBytes) {
    std::vector<uint8_t> bytes = MakeBmp(1, 1, bits);
    const size_t offset = bytes[10] | bytes[11] << 8;
    bytes.resize(offset + pixelBytes, 0x5A);
    Put32(bytes, 2, uint32_t(bytes.size()));
    Put32(bytes, 18, uint32_t(width));
    Put32(bytes, 22, uint32_t(height));
    return bytes;
}

// `png` (as the program writes it) with its IHDR claiming `width` x
// `height`, the checksum made right so that only the claim is wrong.
std::vector<uint8_t> PngClaiming(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
    PutBig32(png, 16, width);
    PutBig32(png, 20, height);
    PutBig32(png, 29, Crc32(png.data() + 12, 17));
    return png;
}

// A GIF whose logical screen is `width` x `height` with one frame of
// `frameWidth` x `frameHeight` whose picture data is a single tiny LZW
// block.
std::vector<uint8_t> GifClaiming(int width, int height, int frameWidth, int frameHeight) {
    const uint8_t w0 = uint8_t(width), w1 = uint8_t(width >> 8), h0 = uint8_t(height), h1 = uint8_t(height >> 8);
    const uint8_t fw0 = uint8_t(frameWidth), fw1 = uint8_t(frameWidth >> 8);
    const uint8_t fh0 = uint8_t(frameHeight), fh1 = uint8_t(frameHeight >> 8);
    return {'G', 'I', 'F', '8', '9', 'a', w0, w1, h0, h1, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,  // screen, palette
            0x21, 0xF9, 4, 0, 0, 0, 0, 0,                                                     // an extension
            ',', 0, 0, 0, 0, fw0, fw1, fh0, fh1, 0,                                           // frame
            2, 2, 0x4C, 0x01, 0, ';'};                                                        // LZW data
}
std::vector<uint8_t> GifClaiming(int width, int height) { return GifClaiming(width, height, width, height); }

// `gif` (as GifClaiming makes it) with a comment of `bytes` bytes before
// its other extension.
std::vector<uint8_t> WithGifComment(std::vector<uint8_t> gif, size_t bytes) {
    std::vector<uint8_t> comment = {0x21, 0xFE};
    for (size_t left = bytes; left > 0; left -= std::min<size_t>(left, 255)) {
        comment.push_back(uint8_t(std::min<size_t>(left, 255)));
        comment.insert(comment.end(), std::min<size_t>(left, 255), 'c');
    }
    comment.push_back(0);
    gif.insert(gif.begin() + 19, comment.begin(), comment.end());
    return gif;
}

// What kind of failure `text` reports: the text without the file it names
// (" — PATH") and without the decoder's reason (": REASON").
std::string Kind(const std::string& text) {
    return text.substr(0, std::min(text.find(" \u2014 "), text.find(": ")));
}

class HostileFile : public ::testing::Test {
protected:
    // Writes `bytes` as `name` and reads it as the user's Open does; a
    // failure must name the file.
    std::string Open(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir_.File(name), bytes);
        const std::string text = ErrorOf([&] { ReadPhotoFile(dir_.File(name)); });
        if (text != "(no error)") {
            EXPECT_TRUE(text.ends_with(" \u2014 " + dir_.File(name))) << text;
        }
        return Kind(text);
    }
    TBitmap OpenPicture(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir_.File(name), bytes);
        return ReadPhotoFile(dir_.File(name));
    }
    std::vector<uint8_t> Png(const TBitmap& picture) {
        WritePictureFile(picture, dir_.File("made.png"));
        return ReadWholeFile(dir_.File("made.png"));
    }

    TempDir dir_;
};

}  // namespace

// --- Size limits -------------------------------------------------------------

TEST_F(HostileFile, HeadersClaimingTooManyPixelsAreRefused) {
    // Each side is legal; together they are 400 megapixels.
    EXPECT_EQ(Open("a.jpg", JpegClaiming(20000, 20000)), TooLarge(20000, 20000));
    EXPECT_EQ(Open("p.jpg", JpegClaiming(20000, 20000, JpegKind::kProgressive)), TooLarge(20000, 20000));
    EXPECT_EQ(Open("a.bmp", BmpClaiming(20000, 10001, 24, 0)), TooLarge(20000, 10001));
    EXPECT_EQ(Open("a.png", PngClaiming(Png(RandomBitmap(4, 4, 1)), 20000, 10001)), TooLarge(20000, 10001));
    EXPECT_EQ(Open("a.gif", GifClaiming(20000, 10001)), TooLarge(20000, 10001));
    // An .ssl overlay picture is a JPEG stream as well.
    WriteBytes(dir_.File("a.ssl"), JpegClaiming(20000, 20000));
    TBitmap target;
    EXPECT_EQ(Kind(ErrorOf([&] { LoadSslPicture(dir_.File("a.ssl"), target); })), TooLarge(20000, 20000));
}

TEST_F(HostileFile, HeadersClaimingASideAbove65535AreRefused) {
    EXPECT_EQ(Open("wide.bmp", BmpClaiming(65536, 1, 24, 65536 * 3)), TooLarge(65536, 1));
    EXPECT_EQ(Open("tall.bmp", BmpClaiming(1, -70000, 24, 70000 * 4)), TooLarge(1, 70000));
    EXPECT_EQ(Open("huge.bmp", BmpClaiming(int32_t(0x7FFFFFFF), 1, 24, 16)), TooLarge(0x7FFFFFFF, 1));
    EXPECT_EQ(Open("wide.png", PngClaiming(Png(RandomBitmap(4, 4, 1)), 70000, 1)), TooLarge(70000, 1));
    EXPECT_EQ(Open("huge.png", PngClaiming(Png(RandomBitmap(4, 4, 1)), 0x7FFFFFFF, 0x7FFFFFFF)),
              TooLarge(0x7FFFFFFF, 0x7FFFFFFF));
}

TEST_F(HostileFile, JpegSidesAreHeldToLibjpegsLimit) {
    EXPECT_EQ(Open("square.jpg", JpegClaiming(65535, 65535)), TooLarge(65535, 65535));
    EXPECT_EQ(Open("wide.jpg", JpegClaiming(65501, 1)), TooLarge(65501, 1));
    const std::vector<uint8_t> widest = EncodeJpeg(SolidBitmap(kMaxJpegSide, 1, {9, 9, 9}));
    EXPECT_EQ(DecodeJpeg(widest.data(), widest.size()).Width(), kMaxJpegSide);
    // A picture JPEG cannot hold is refused with what to do instead.
    const std::string tooTall = ErrorOf([] { EncodeJpeg(SolidBitmap(1, 65535, {1, 2, 3})); });
    EXPECT_EQ(tooTall, "Picture is too large for JPEG (1 x 65535; at most 65500 pixels a side): save it as PNG or BMP");
}

TEST_F(HostileFile, ThePicturesAtTheSideLimitStillOpen) {
    TBitmap wide = OpenPicture("wide.bmp", BmpClaiming(65535, 1, 24, 65535 * 3 + 3));
    EXPECT_EQ(wide.Width(), 65535);
    EXPECT_EQ(PixelAt(wide, 65534, 0), (Rgb{0x5A, 0x5A, 0x5A}));
    TBitmap tall = OpenPicture("tall.png", Png(SolidBitmap(1, 65535, {1, 2, 3})));
    EXPECT_EQ(tall.Height(), 65535);
    EXPECT_EQ(PixelAt(tall, 0, 65534), (Rgb{1, 2, 3}));
}

// --- Files that end early --------------------------------------------------------

TEST_F(HostileFile, UncompressedBmpMustHoldEveryRowItClaims) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        std::vector<uint8_t> bytes = MakeBmp(13, 9, bits);
        bytes.resize(bytes.size() - 1);  // the last row's padding (32-bit rows have none)
        if (bits != 32) {
            EXPECT_EQ(OpenPicture("pad.bmp", bytes).Height(), 9) << bits;
        }
        const size_t stride = (13 * size_t(bits) + 31) / 32 * 4;
        const std::vector<uint8_t> rowMissing(bytes.begin(), bytes.end() - ptrdiff_t(stride - 1));
        EXPECT_EQ(Open("short.bmp", rowMissing), "Bitmap image is not valid") << bits;
    }
    // A huge claim over a few bytes is refused at once.
    EXPECT_EQ(Open("tiny.bmp", BmpClaiming(3328, 49662, 24, 3)), "Bitmap image is not valid");
    // The pixels start at the header's offset when it lies within the file,
    // and right after the header otherwise.
    std::vector<uint8_t> offset = BmpClaiming(4, 4, 24, 64);
    Put32(offset, 10, uint32_t(offset.size() - 20));
    EXPECT_EQ(Open("late.bmp", offset), "Bitmap image is not valid");
    Put32(offset, 10, 0xFFFFFF00u);
    EXPECT_EQ(OpenPicture("far.bmp", offset).Width(), 4);
    // Any header size but the known ones is read as the old 12-byte header,
    // with 16-bit sides; a negative height is a top-down picture.
    std::vector<uint8_t> old = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0xFA, 0xFF, 0x01, 0x00,
                                0x01, 0x28, 0xED, 0xB6, 1, 0, 16, 0, 0, 0, 0};  // 10241 x -18707, 16 bits
    EXPECT_EQ(Open("old.bmp", old), "Bitmap image is not valid");
    // Also when the name is not a BMP's and the general reader meets it.
    EXPECT_EQ(Open("tiny.bmp.jpg", BmpClaiming(2304, 7420, 1, 0)), "Bitmap image is not valid");
}

TEST_F(HostileFile, CompressedPicturesClaimingFarMoreThanTheyHoldAreBroken) {
    // 195 megapixels over a few hundred bytes: refused before Qt makes room
    // for them.
    std::vector<uint8_t> png = PngClaiming(Png(RandomBitmap(40, 40, 2)), 15000, 13000);
    EXPECT_EQ(Open("big.png", png), "Bitmap image is not valid");
    EXPECT_EQ(Open("big.gif", GifClaiming(15000, 13000)), "Bitmap image is not valid");
    // Qt grows a GIF's canvas to hold its frame, and reports neither size.
    EXPECT_EQ(Open("frame.gif", GifClaiming(0, 13000, 15000, 50)), "Bitmap image is not valid");
    EXPECT_EQ(Open("small.gif", GifClaiming(1, 1, 15000, 13000)), "Bitmap image is not valid");
    EXPECT_EQ(OpenPicture("fine.gif", GifClaiming(3, 2)).Width(), 3);
    // A comment pads the file, not the frame's coded data.
    EXPECT_EQ(Open("padded.gif", WithGifComment(GifClaiming(15000, 13000), 12000)), "Bitmap image is not valid");
    EXPECT_EQ(OpenPicture("padded-fine.gif", WithGifComment(GifClaiming(3, 2), 12000)).Width(), 3);
    // The extension chooses the decoder, and the bytes only the one tried
    // after it refuses them, so the checks above see every file.
    EXPECT_EQ(Open("gif.bmp", GifClaiming(15000, 13000)), "Bitmap image is not valid");
    EXPECT_EQ(OpenPicture("gif.BMP", GifClaiming(3, 2)).Width(), 3);
    EXPECT_EQ(OpenPicture("bmp.png", MakeBmp(3, 2, 24)).Width(), 3);
    // Qt's GIF reader takes any signature.
    std::vector<uint8_t> gif = GifClaiming(15000, 13000);
    std::memcpy(gif.data(), "G!\0\0\0a", 6);
    EXPECT_EQ(Open("unsigned.gif", gif), "Bitmap image is not valid");
    // A PNG cut in its picture data is broken too.
    png = Png(RandomBitmap(60, 50, 3));
    png.resize(png.size() / 2);
    EXPECT_EQ(Open("cut.png", png), "Bitmap image is not valid");
}

TEST_F(HostileFile, TruncatedJpegDecodesWhatIsThere) {
    const TBitmap original = GradientBitmap(64, 48);
    for (JpegKind kind : {JpegKind::kColour, JpegKind::kGrey, JpegKind::kProgressive}) {
        std::vector<uint8_t> bytes = MakeJpeg(original, kind);
        // Keep the headers and a little of the picture data.
        size_t scan = 0;
        while (!(bytes[scan] == 0xFF && bytes[scan + 1] == 0xDA)) ++scan;
        bytes.resize(scan + 40);
        const TBitmap partial = DecodeJpeg(bytes.data(), bytes.size());
        EXPECT_EQ(partial.Width(), 64);
        EXPECT_EQ(partial.Height(), 48);
        // As an overlay picture too.
        WriteBytes(dir_.File("cut.ssl"), bytes);
        TBitmap overlay;
        LoadSslPicture(dir_.File("cut.ssl"), overlay);
        EXPECT_TRUE(SamePixels(overlay, partial));
    }
    // Cut inside the headers there is no picture to show.
    std::vector<uint8_t> bytes = EncodeJpeg(original);
    bytes.resize(30);
    EXPECT_EQ(Open("head.jpg", bytes).rfind("JPEG error #", 0), 0u);
}

TEST_F(HostileFile, JpegHoldingLessThanABitPerBlockIsRefused) {
    // 196 megapixels claimed over the tables and the data of a 16 x 16
    // picture: nothing of the claimed picture is there.
    const std::string eof = "JPEG error #" + std::to_string(JERR_INPUT_EOF);
    for (JpegKind kind : {JpegKind::kColour, JpegKind::kGrey, JpegKind::kProgressive}) {
        const std::vector<uint8_t> bytes = JpegClaiming(14000, 14000, kind);
        EXPECT_EQ(Kind(ErrorOf([&] { DecodeJpeg(bytes.data(), bytes.size()); })), eof);
        WriteBytes(dir_.File("huge.ssl"), bytes);
        TBitmap target;
        EXPECT_EQ(Kind(ErrorOf([&] { LoadSslPicture(dir_.File("huge.ssl"), target); })), eof);
    }
    // A claim the file could still hold decodes at its full size.
    const std::vector<uint8_t> bytes = JpegClaiming(400, 300);
    const TBitmap partial = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(partial.Width(), 400);
    EXPECT_EQ(partial.Height(), 300);
}

TEST_F(HostileFile, ArithmeticCodedStreamsMustHoldTheirClaimToo) {
    // 200 megapixels over a few hundred bytes.
    const std::string eof = "JPEG error #" + std::to_string(JERR_INPUT_EOF);
    const std::vector<uint8_t> claim = JpegClaiming(20000, 10000, JpegKind::kArithmetic);
    EXPECT_LT(claim.size(), 1000u);
    EXPECT_EQ(Open("claim.jpg", claim), eof);
    // An arithmetic-coded photo, whole or cut short, opens.
    const TBitmap original = GradientBitmap(64, 48);
    std::vector<uint8_t> photo = MakeJpeg(original, JpegKind::kArithmetic);
    EXPECT_LE(MaxDifference(DecodeJpeg(photo.data(), photo.size()), original), 8);
    photo.resize(photo.size() * 2 / 3);
    EXPECT_EQ(DecodeJpeg(photo.data(), photo.size()).Height(), 48);
}

TEST_F(HostileFile, StreamsOfTooManyScansAreRefused) {
    const std::string tooMany = "JPEG stream has more scans than its file could hold (more than " +
                                std::to_string(kMaxJpegScans) + ", or far too many for its size)";
    for (bool arithmetic : {false, true}) {
        // Too many scans for the file's size long before the count runs out.
        const std::vector<uint8_t> bomb = ScanBomb(20000, 10000, 40000, arithmetic);
        EXPECT_EQ(Kind(ErrorOf([&] { DecodeJpeg(bomb.data(), bomb.size()); })), tooMany) << arithmetic;
        // As an overlay picture: its first 20 bytes make way for the fixed start.
        std::vector<uint8_t> ssl(bomb.size() + 18, 0);
        std::copy(bomb.begin() + 2, bomb.end(), ssl.begin() + 20);
        WriteBytes(dir_.File("bomb.ssl"), ssl);
        TBitmap target;
        EXPECT_EQ(Kind(ErrorOf([&] { LoadSslPicture(dir_.File("bomb.ssl"), target); })), tooMany);
        // Too many scans however small the picture.
        const std::vector<uint8_t> small = ScanBomb(8, 8, kMaxJpegScans + 1, arithmetic);
        EXPECT_EQ(Kind(ErrorOf([&] { DecodeJpeg(small.data(), small.size()); })), tooMany) << arithmetic;
    }
    // Up to the limit the scans are decoded (a picture of nothing, here).
    const std::vector<uint8_t> many = ScanBomb(64, 32, kMaxJpegScans, false);
    EXPECT_EQ(DecodeJpeg(many.data(), many.size()).Width(), 64);
}

namespace {

// A sparse file of 2 GB that starts with `head` (nothing but zeros after).
void WriteHugeFile(const std::string& path, const std::vector<uint8_t>& head) {
    WriteBytes(path, head);
    ASSERT_EQ(truncate(path.c_str(), off_t(2) << 30), 0);
}

// The start of a WebP whose extended header claims a canvas of `width` x
// `height`.
std::vector<uint8_t> WebpCanvas(uint32_t width, uint32_t height) {
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F', 0xF0, 0xFF, 0xFF, 0x7F, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'X', 10, 0, 0, 0, 0, 0, 0, 0};
    for (uint32_t side : {width - 1, height - 1})
        for (int i = 0; i < 3; ++i) b.push_back(uint8_t(side >> (8 * i)));
    return b;
}

}  // namespace

TEST_F(HostileFile, AHugeFileIsJudgedByItsFirstBytesBeforeItIsRead) {
    const struct {
        std::string name;
        std::vector<uint8_t> head;
        std::string refusal;  // "": the reader's words for a small file of zeros
    } cases[] = {
        // A start that is not the named kind's.
        {"zeros.jpg", {}, ""},
        {"zeros.png", {}, ""},
        {"zeros.bmp", {}, ""},
        {"zeros.webp", {}, ""},
        {"zeros.tif", {}, ""},
        {"zeros.heic", {}, ""},
        {"card.bmp.jpg", {}, ""},  // a name containing ".bmp" is a BMP's
        // A header that claims too much.
        {"claim.jpg", JpegClaiming(65535, 65535), TooLarge(65535, 65535)},
        {"claim.png", PngClaiming(Png(RandomBitmap(4, 4, 1)), 70000, 1), TooLarge(70000, 1)},
        {"claim.bmp", BmpClaiming(20000, 10001, 24, 0), TooLarge(20000, 10001)},
        {"claim.gif", GifClaiming(20000, 10001), TooLarge(20000, 10001)},
        {"claim.webp", WebpCanvas(70000, 1), TooLarge(70000, 1)},
    };
    LoadImagePlugins();
    for (const auto& c : cases) {
        const std::string path = dir_.File(c.name);
        WriteHugeFile(path, c.head);
        std::string refusal = c.refusal;
        if (refusal.empty()) {
            const std::string small = dir_.File("small-" + c.name);
            WriteBytes(small, std::vector<uint8_t>(1000, 0));
            const std::string text = ErrorOf([&] { ReadPhotoFile(small); });
            refusal = text.substr(0, text.find(" \u2014 "));
        }
        // Refused without the memory to hold the file, by every reading.
        const std::string expected = refusal + " \u2014 " + path;
        EXPECT_EQ(ErrorWithLittleMemory([&] { ReadPhotoFile(path); }, 400), expected) << c.name;
        EXPECT_EQ(ErrorWithLittleMemory([&] { ReadPhotoBytes(path); }, 400), expected) << c.name;
    }
    EXPECT_EQ(ErrorOf([&] { ReadPhotoBytes(dir_.File("card.bmp.jpg")); }).rfind("Bitmap image is not valid", 0), 0u);
}

TEST_F(HostileFile, ANameThatLiesIsReadByTheFileSFirstBytes) {
    const TBitmap noise = RandomBitmap(40, 30, 6);
    const std::vector<uint8_t> jpeg = EncodeJpeg(noise), png = Png(noise), bmp = EncodeBmp(noise);
    const TBitmap decoded = DecodeJpeg(jpeg.data(), jpeg.size());
    std::vector<uint8_t> jpegThenJunk = {0xFF, 0xD8, 0xFF, 0xE0};
    jpegThenJunk.resize(300, 0x5A);
    const std::vector<uint8_t> halfPng(png.begin(), png.begin() + ptrdiff_t(png.size() / 2));
    const std::vector<uint8_t> cutJpeg(jpeg.begin(), jpeg.begin() + ptrdiff_t(jpeg.size() * 2 / 3));
    const struct {
        std::string name;
        std::vector<uint8_t> bytes;
        const TBitmap* picture;     // nullptr: refused
        std::string byName, byContent;  // the start of the reasons the message gives ("": none)
    } cases[] = {
        {"png.jpg", png, &noise, "", ""},
        {"jpeg.png", jpeg, &decoded, "", ""},
        {"bmp.JPG", bmp, &noise, "", ""},
        {"jpeg.heic", jpeg, &decoded, "", ""},
        {"jpeg.bmp.tif", jpeg, &decoded, "", ""},  // the ".bmp" rule's reader first
        {"photo.png", png, &noise, "", ""},
        // Neither reader takes it: both say why.
        {"garbage.png", jpegThenJunk, nullptr, "Bitmap image is not valid: ", "JPEG error #"},
        {"cut-png.jpg", halfPng, nullptr, "JPEG error #", "Bitmap image is not valid: "},
        // No other format's signature: the name's reader alone.
        {"zeros.png", std::vector<uint8_t>(300, 0), nullptr, "Bitmap image is not valid: ", ""},
        {"bmp-claiming.png", BmpClaiming(20000, 10001, 24, 0), nullptr, "Bitmap image is not valid: ", "Picture is too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir_.File(c.name);
        WriteBytes(path, c.bytes);
        if (c.picture) {
            EXPECT_TRUE(SamePixels(ReadPhotoFile(path), *c.picture));
            EXPECT_EQ(ReadPhotoBytes(path), c.bytes);
            continue;
        }
        const std::string text = ErrorOf([&] { ReadPhotoFile(path); });
        EXPECT_EQ(text.rfind(c.byName, 0), 0u) << text;
        EXPECT_TRUE(text.ends_with(" \u2014 " + path)) << text;
        const size_t second = text.find("; read as ");
        EXPECT_EQ(second == std::string::npos, c.byContent.empty()) << text;
        if (second != std::string::npos) {
            EXPECT_NE(text.find(" by its first bytes: " + c.byContent, second), std::string::npos) << text;
        }
    }
    // A JPEG that ends early keeps its warning, naming the file, whatever
    // its name.
    const std::string cut = dir_.File("cut.png");
    WriteBytes(cut, cutJpeg);
    DecodeNotes notes;
    EXPECT_EQ(DecodePhotoFile(cut, cutJpeg, &notes).Width(), 40);
    EXPECT_EQ(notes.warning.rfind("The file is incomplete", 0), 0u) << notes.warning;
    EXPECT_TRUE(notes.warning.ends_with(" \u2014 " + cut)) << notes.warning;
    // The general reader goes by the name alone.
    EXPECT_EQ(ErrorOf([&] { ReadPicture(dir_.File("png.jpg")); }).rfind("JPEG error #", 0), 0u);

    // A huge file is judged from its head by the reader of the format its
    // bytes show once its name's reader refuses it, before it is read.
    const std::string huge = dir_.File("huge-png.jpg");
    WriteHugeFile(huge, PngClaiming(Png(RandomBitmap(4, 4, 1)), 70000, 1));
    const std::string refused = ErrorWithLittleMemory([&] { ReadPhotoBytes(huge); }, 400);
    EXPECT_EQ(refused.rfind("JPEG error #", 0), 0u) << refused;
    EXPECT_TRUE(refused.ends_with("; read as PNG by its first bytes: " + TooLarge(70000, 1) + " \u2014 " + huge)) << refused;
    // Its honest counterpart, longer than the head looked at, reads whole.
    const TBitmap large = RandomBitmap(400, 300, 8);
    const std::vector<uint8_t> largePng = Png(large);
    ASSERT_GT(largePng.size(), 65536u);
    WriteBytes(dir_.File("large-png.jpg"), largePng);
    EXPECT_EQ(ReadPhotoBytes(dir_.File("large-png.jpg")), largePng);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir_.File("large-png.jpg")), large));
}

TEST_F(HostileFile, FilesLongerThanTheStartLookedAtReadAsBefore) {
    const TBitmap noise = RandomBitmap(400, 300, 5);
    const std::vector<uint8_t> jpeg = EncodeJpeg(noise), bmp = EncodeBmp(noise);
    // Header segments that run past the start looked at: the frame header
    // lies beyond it.
    std::vector<uint8_t> lateFrame = jpeg;
    for (int i = 0; i < 2; ++i) {
        std::vector<uint8_t> comment = {0xFF, 0xFE, 0xEA, 0x62};  // 60002 bytes
        comment.resize(60002 + 2, 'c');
        lateFrame.insert(lateFrame.begin() + 2, comment.begin(), comment.end());
    }
    const TBitmap decoded = DecodeJpeg(jpeg.data(), jpeg.size());
    const struct {
        std::string name;
        std::vector<uint8_t> bytes;
        const TBitmap* picture;
    } cases[] = {
        {"photo.jpg", jpeg, &decoded},  {"late-frame.JPG", lateFrame, &decoded}, {"photo.png", Png(noise), &noise},
        {"photo.bmp", bmp, &noise},     {"photo.bmp.jpg", bmp, &noise},
    };
    for (const auto& c : cases) {
        ASSERT_GT(c.bytes.size(), 65536u) << c.name;
        const std::string path = dir_.File(c.name);
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadPhotoBytes(path), c.bytes) << c.name;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(path), *c.picture)) << c.name;
        if (c.name != "photo.bmp.jpg") {
            EXPECT_TRUE(SamePixels(ReadPicture(path), *c.picture)) << c.name;
        }
    }
    // The general reader has no ".bmp" rule: to it this is a JPEG that is not one.
    EXPECT_EQ(ErrorOf([&] { ReadPicture(dir_.File("photo.bmp.jpg")); }).rfind("JPEG error #", 0), 0u);
}

TEST_F(HostileFile, TooManyScansAreRefusedBeforeTheCoefficientsOfThePictureAreMade) {
    // The frame's coefficients take 400 MB.
    for (bool arithmetic : {false, true}) {
        const std::vector<uint8_t> bomb = ScanBomb(20000, 10000, 40000, arithmetic);
        EXPECT_EQ(Kind(ErrorWithLittleMemory([&] { DecodeJpeg(bomb.data(), bomb.size()); })),
                  "JPEG stream has more scans than its file could hold (more than " + std::to_string(kMaxJpegScans) +
                      ", or far too many for its size)")
            << arithmetic;
    }
    // Scan headers after the end marker are none of the stream's, and the
    // stuffed 0xFF bytes of a noisy photo's coded data are no markers.
    std::vector<uint8_t> photo = MakeJpeg(RandomBitmap(64, 48, 7), JpegKind::kProgressive);
    const TBitmap expected = DecodeJpeg(photo.data(), photo.size());
    for (int i = 0; i < 2 * kMaxJpegScans; ++i) photo.insert(photo.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 0, 0});
    EXPECT_TRUE(SamePixels(DecodeJpeg(photo.data(), photo.size()), expected));
}

TEST_F(HostileFile, AFifoIsRefusedAtOnce) {
    const std::string fifo = dir_.File("pipe.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { ReadPhotoFile(fifo); }), "Cannot open file " + fifo + ": it is not a regular file");
    EXPECT_EQ(ErrorOf([&] { ReadWholeFile(dir_.Path()); }), "Cannot open file " + dir_.Path() + ": it is a folder");
}

// --- Memory -------------------------------------------------------------------------

namespace {

// Whether the reader of `path`, told by its name, runs in the codec helper.
bool InCodecHelper(const std::string& path) {
    const PhotoFormat* format = ReadableFormatByExtension(path.substr(path.rfind('.') + 1));
    return format && format->inHelper;
}

}  // namespace

TEST_F(HostileFile, AReaderShortOfMemorySaysSoWhateverTheLimit) {
    // Each reader under limits on address space from below its picture's
    // size to about what it needs: it opens the photo or says that memory
    // is short, in those words, and never dies or names another cause
    // (libtiff named a tag, Qt's readers "Unsupported color conversion").
    const TBitmap photo = GradientBitmap(3000, 2000), small = GradientBitmap(1200, 800);
    const struct {
        const char* name;
        const TBitmap* picture;
    } files[] = {
        {"photo.jpg", &photo},  {"photo.png", &photo}, {"photo.bmp", &photo},   {"photo.tif", &photo},
        {"photo.webp", &photo}, {"photo.jxl", &photo}, {"photo.heic", &small}, {"photo.avif", &small},
    };
    for (const auto& f : files) {
        const std::string path = dir_.File(f.name);
        WritePictureFile(*f.picture, path);
        if (kAddressSanitizer && InCodecHelper(path)) continue;
        const std::vector<uint8_t> bytes = ReadWholeFile(path);
        int refusals = 0;
        for (const uint64_t megabytes : {2, 30, 60, 120}) {
            const std::string error = ErrorWithLittleMemory([&] { DecodePhotoFile(path, bytes); }, megabytes);
            refusals += error == "Not enough memory for the picture \u2014 " + path;
            EXPECT_TRUE(error == "Not enough memory for the picture \u2014 " + path || error == "(no error)")
                << f.name << " allowed " << megabytes << " MB: " << error;
        }
        EXPECT_GT(refusals, 0) << f.name;
    }
    // Under a limit on address space a thread that could not start left
    // Qt's conversion of a picture waiting for ever: the readers start none.
    for (const char* name : {"photo.bmp", "photo.tif", "photo.jxl", "photo.heic"}) {
        const std::string path = dir_.File(name);
        if (kAddressSanitizer && InCodecHelper(path)) continue;
        const std::vector<uint8_t> bytes = ReadWholeFile(path);
        EXPECT_EQ(ErrorWithLittleMemory(
                      [&] {
                          DecodePhotoFile(path, bytes);
                          std::ifstream status("/proc/self/status");
                          for (std::string line; std::getline(status, line);)
                              if (line.starts_with("Threads:") && std::stoi(line.substr(8)) != 1)
                                  throw CorvessaError("a thread was started");
                      },
                      400),
                  "(no error)")
            << name;
    }
    // A flat 120-megapixel JPEG read whole by a process allowed 200 MB.
    WriteBytes(dir_.File("huge.jpg"), EncodeJpeg(SolidBitmap(12000, 10000, {90, 120, 150})));
    EXPECT_EQ(ErrorWithLittleMemory([&] { ReadPhotoFile(dir_.File("huge.jpg")); }, 200),
              "Not enough memory for the picture \u2014 " + dir_.File("huge.jpg"));
}

namespace {

// Fails the `failAt`-th request of the encoder for output memory.
int growthCalls = 0, failAt = 0;
void* FailingGrowth(void* block, size_t bytes) {
    return ++growthCalls == failAt ? nullptr : std::realloc(block, bytes);
}

}  // namespace

TEST(JpegEncoder, RunningOutOfMemoryAtAnyGrowthIsReportedAndFreesEverything) {
    // Noise compresses badly, so the output grows several times.
    const TBitmap noise = RandomBitmap(600, 400, 4);
    growthCalls = 0, failAt = 0;
    const size_t whole = EncodeJpegWithQuality(noise, 90, FailingGrowth).size();
    const int growths = growthCalls;
    ASSERT_GE(growths, 2);
    for (failAt = 1; failAt <= growths; ++failAt) {
        growthCalls = 0;
        EXPECT_EQ(ErrorOf([&] { EncodeJpegWithQuality(noise, 90, FailingGrowth); }), "Not enough memory for the picture")
            << failAt;
    }
    failAt = 0;
    EXPECT_EQ(EncodeJpegWithQuality(noise, 90, FailingGrowth).size(), whole);
}

// --- Corrupt files -------------------------------------------------------------------

namespace {

// What `action` writes on standard error.
std::string StandardErrorOf(const std::function<void()>& action) {
    std::fflush(stderr);
    FILE* const capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text(size_t(std::ftell(capture)), '\0');
    std::rewind(capture);
    text.resize(std::fread(text.data(), 1, text.size(), capture));
    std::fclose(capture);
    return text;
}

}  // namespace

TEST_F(HostileFile, QtsReadersRefuseFilesInTheProgramsWordsAloneWithNothingOnStandardError) {
    // Qt's plugins and QBuffer warned on standard error about each of these.
    std::vector<uint8_t> tiff = {'I', 'I', 42, 0, 0x88, 0xFC, 0x0A, 0};  // its directory lies far past its end
    tiff.resize(64, 0);
    std::vector<uint8_t> icns = {'i', 'c', 'n', 's', 0, 1, 0x89, 0x58, 'i', 't', '3', '2', 0xFF, 0xFF, 0xFF, 0xFF};
    const std::string xpm = "/* XPM */\nstatic char *x[] = {\n\"4 4 2 1\",\n\"a c #FF0000\",\n};\n";
    const struct {
        std::string name;
        std::vector<uint8_t> bytes;
    } files[] = {
        {"far.tif", tiff},
        {"head.tga", {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 4, 0, 24, 0, 1, 2}},
        {"cut.icns", icns},
        {"cut.xpm", std::vector<uint8_t>(xpm.begin(), xpm.end())},
    };
    LoadImagePlugins();
    for (const auto& f : files) {
        std::string kind;
        EXPECT_EQ(StandardErrorOf([&] { kind = Open(f.name, f.bytes); }), "") << f.name;
        EXPECT_EQ(kind, "Bitmap image is not valid") << f.name;
    }
}

TEST_F(HostileFile, CorruptJpegFailsWithTheLibjpegMessageNumber) {
    const std::vector<uint8_t> good = EncodeJpeg(GradientBitmap(32, 32));
    auto find = [&](uint8_t marker) {
        for (size_t i = 0; i + 1 < good.size(); ++i)
            if (good[i] == 0xFF && good[i + 1] == marker) return i;
        return size_t(0);
    };
    std::vector<uint8_t> bytes = good;
    bytes[find(0xC0) + 4] = 12;  // a sample precision libjpeg does not decode
    EXPECT_EQ(Open("precision.jpg", bytes), "JPEG error #" + std::to_string(JERR_BAD_PRECISION));
    bytes = good;
    bytes[find(0xC0) + 9] = 0;  // no components
    EXPECT_EQ(Open("components.jpg", bytes).rfind("JPEG error #", 0), 0u);
    bytes = good;
    bytes[find(0xDA) + 6] = 0x33;  // the scan names Huffman tables that were never defined
    EXPECT_EQ(Open("tables.jpg", bytes).rfind("JPEG error #", 0), 0u);
    // Damaged picture data (zero bytes, which never make a marker) is only
    // warned about: the picture keeps its size.
    bytes = good;
    for (size_t i = find(0xDA) + 20; i < bytes.size() - 4; i += 7) bytes[i] = 0;
    const TBitmap damaged = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(damaged.Width(), 32);
    EXPECT_EQ(damaged.Height(), 32);
}

TEST_F(HostileFile, RleBmpPixelsItsCodesNeverReachTakeTheFirstPaletteColour) {
    std::vector<uint8_t> bytes = MakeBmp(8, 4, 8);
    Put32(bytes, 30, 1);  // RLE8
    bytes[54] = 30, bytes[55] = 20, bytes[56] = 10;  // palette entry 0: (10, 20, 30)
    bytes.resize(54 + 1024);
    const std::vector<uint8_t> codes = {3, 255, 0, 0, 0, 1};  // three of entry 255, end of line, end of bitmap
    bytes.insert(bytes.end(), codes.begin(), codes.end());
    Put32(bytes, 2, uint32_t(bytes.size()));
    const TBitmap picture = OpenPicture("rle.bmp", bytes);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool coded = y == 3 && x < 3;  // rows are stored bottom-up
            EXPECT_EQ(PixelAt(picture, x, y), (coded ? Rgb{255, 255, 255} : Rgb{10, 20, 30})) << x << "," << y;
        }
}

TEST_F(HostileFile, CorruptBmpIsNotAValidBitmap) {
    std::vector<uint8_t> bytes = MakeBmp(8, 8, 24);
    bytes[28] = 7;  // seven bits a pixel
    EXPECT_EQ(Open("depth.bmp", bytes), "Bitmap image is not valid");
    bytes = MakeBmp(8, 8, 24);
    bytes[1] = 'X';
    EXPECT_EQ(Open("magic.bmp", bytes), "Bitmap image is not valid");
    bytes = MakeBmp(8, 8, 8);
    Put32(bytes, 30, 1);  // RLE8, whose codes run past the rows
    std::fill(bytes.begin() + 54 + 1024, bytes.end(), uint8_t(0xFF));
    const std::string rle = Open("rle.bmp", bytes);
    EXPECT_TRUE(rle == "(no error)" || rle == "Bitmap image is not valid") << rle;
}
