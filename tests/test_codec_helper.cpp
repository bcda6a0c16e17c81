// The third-party codecs in the helper process: the same pictures and
// files as in this process, and every way they can die (a crash, an abort,
// a hang, a stop) turned into a message naming the file.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "codec_fixtures.h"
#include "faulty_codecs.h"
#include "ground/error.h"
#include "ground/stop.h"
#include "io/codec_helper.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"
#include "camera_jpeg.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

struct FormatFile {
    PhotoFormatId format;
    const char* name;
    std::vector<uint8_t> bytes;
};

std::vector<FormatFile> FilesOfTheHelpersFormats() {
    const Samples samples = MakeSamples(37, 23, 3, 8);
    return {{PhotoFormatId::kRaw, "shot.dng", MakeDng()},
            {PhotoFormatId::kHeic, "phone.heic", MakeHeif(samples, {.exif = CameraExif(1, 37, 23)})},
            // Large enough for the helper to make it in the memory file it
            // hands over.
            {PhotoFormatId::kHeic, "large.heic", MakeHeif(MakeSamples(800, 600, 3, 8))},
            {PhotoFormatId::kAvif, "phone.avif", MakeHeif(samples, {.avif = true})},
            {PhotoFormatId::kJxl, "web.jxl", MakeJxl(samples)},
            {PhotoFormatId::kWebp, "web.webp", MakeWebp(samples, false)},
            {PhotoFormatId::kTiff, "scan.tif", MakeTiff(samples)}};
}

TEST(CodecHelper, ReadsAndWritesEveryFormatItRunsAsThisProcessWould) {
    TempDir dir;
    for (const FormatFile& file : FilesOfTheHelpersFormats()) {
        const PhotoFormat& format = FormatOf(file.format);
        ASSERT_TRUE(format.inHelper) << format.name;
        WriteBytes(dir.File(file.name), file.bytes);
        PhotoMetadata metadata;
        const TBitmap apart = ReadPhotoUpright(dir.File(file.name), metadata);
        TBitmap here = format.read(file.bytes.data(), file.bytes.size(), nullptr);
        // A HEIF file's camera data comes with its picture.
        if (std::string(file.name) == "phone.heic") EXPECT_FALSE(metadata.Empty());
        EXPECT_TRUE(SamePixels(apart, here)) << format.name;
    }
    // Written with the camera data of a JPEG, each writer of the helper's
    // makes the very file it makes here.
    const TBitmap picture = RandomBitmap(40, 30, 5);
    const std::vector<uint8_t> camera = CameraJpeg(picture, 1);
    const PhotoMetadata metadata = ReadPhotoMetadata(camera);
    for (const PhotoFormat* format : SaveFormats()) {
        if (!format->inHelper) continue;
        const std::string path = dir.File("out." + std::string(format->extensions[0]));
        WritePhotoAs(*format, picture, path, metadata, kDefaultQuality);
        EXPECT_EQ(ReadWholeFile(path), format->write(picture, metadata, kDefaultQuality)) << format->name;
    }
}

// A crash, an abort or a hang of a decoder, under any name: the file is
// named, this process goes on, and with the decoders whole again it opens.
TEST(CodecHelper, ADecoderThatDiesIsAMessageNamingTheFile) {
    TempDir dir;
    const struct {
        const char* fault;
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"segv", "shot.dng", MakeDng(), "The Camera raw reader failed"},
        {"abort", "shot.DNG", MakeDng(), "The Camera raw reader failed"},
        {"segv", "raw.jpg", MakeDng(), "The Camera raw reader failed"},
        {"segv", "holiday.jpg", MakeHeif(MakeSamples(16, 16, 3, 8)), "The HEIC reader failed"},
        {"abort", "web.jxl", MakeJxl(MakeSamples(16, 16, 3, 8)), "The JPEG XL reader failed"},
    };
    for (const auto& c : cases) {
        const std::string path = dir.File(c.name);
        WriteBytes(path, c.bytes);
        PhotoMetadata metadata;
        {
            const FaultyCodecs faulty(c.fault);
            // Under a JPEG's name, the JPEG reader's refusal comes first.
            const std::string error = ErrorOf([&] { ReadPhotoUpright(path, metadata); });
            EXPECT_NE(error.find(c.message), std::string::npos) << error;
            EXPECT_TRUE(error.ends_with(" \u2014 " + path)) << error;
        }
        EXPECT_FALSE(ReadPhotoUpright(path, metadata).Empty()) << path;
    }
}

TEST(CodecHelper, AHungDecoderIsEndedAtItsTimeOrWhenTheWorkIsStopped) {
    const std::vector<uint8_t> heic = MakeHeif(MakeSamples(16, 16, 3, 8));
    const CodecRequest request{.format = PhotoFormatId::kHeic, .data = heic.data(), .size = heic.size()};
    const FaultyCodecs hanging("hang");
    const CodecHelperLimits limits{.seconds = 1, .addressSpace = CodecHelperLimits::ForDecoding().addressSpace};
    EXPECT_EQ(ErrorOf([&] { RunInCodecHelper(request, limits, "HEIC reader"); }),
              "The HEIC reader did not finish within 1 seconds");

    // Stopped long before its time, the helper is gone when the call ends.
    StopFlag stop;
    std::jthread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stop.Stop();
    });
    const StopScope scope(&stop);
    EXPECT_THROW(RunInCodecHelper(request, CodecHelperLimits::ForDecoding(), "HEIC reader"), WorkStopped);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

// A request that is not whole never reaches a codec: the helper ends
// without a reply, which the caller reports as the codec's failure.
TEST(CodecHelper, ARequestThatIsNotWholeIsRefused) {
    const auto serve = [](const std::vector<uint8_t>& request) {
        const int in = memfd_create("request", 0), out = memfd_create("reply", 0), pixels = memfd_create("pixels", 0);
        EXPECT_EQ(write(in, request.data(), request.size()), ssize_t(request.size()));
        const int status = ServeCodecHelper(in, out, pixels);
        close(pixels);
        struct stat reply {};
        fstat(out, &reply);
        close(in);
        close(out);
        return std::make_pair(status, reply.st_size);
    };
    EXPECT_EQ(serve({}), std::make_pair(2, off_t(0)));
    EXPECT_EQ(serve({'C', 'V', 'S', 'R', 'E', 'Q', '0', '1', 1, 0, 0}), std::make_pair(2, off_t(0)));
    std::vector<uint8_t> huge = {'C', 'V', 'S', 'R', 'E', 'Q', '0', '1'};
    huge.resize(huge.size() + 24, 0);
    huge[8] = 1;
    huge.resize(huge.size() + 8, 0xFF);  // a string longer than the request
    EXPECT_EQ(serve(huge), std::make_pair(2, off_t(0)));
}

// Random bytes after the starts by which Olympus and Panasonic raws are
// told go to LibRaw unchecked; under a JPEG's name too, none of them can
// take this process with it.
TEST(CodecHelper, RandomBytesAfterARawStartAreAMessageAtWorst) {
    TempDir dir;
    std::mt19937 random(7);
    const std::string path = dir.File("holiday.jpg");
    for (const std::string_view start : {std::string_view("IIRO"), std::string_view("IIRS"), std::string_view("MMOR"),
                                         std::string_view("IIU\0", 4)}) {
        for (int seed = 0; seed < 3; ++seed) {
            std::vector<uint8_t> bytes(start.begin(), start.end());
            for (int i = 0; i < 2048; ++i) bytes.push_back(uint8_t(random()));
            WriteBytes(path, bytes);
            PhotoMetadata metadata;
            try {
                ReadPhotoUpright(path, metadata);
            } catch (const CorvessaError& error) {
                EXPECT_TRUE(std::string(error.what()).ends_with(" \u2014 " + path)) << error.what();
            }
        }
    }
    WriteBytes(dir.File("shot.dng"), MakeDng());
    PhotoMetadata metadata;
    EXPECT_EQ(ReadPhotoUpright(dir.File("shot.dng"), metadata).Width(), 48);
}

}  // namespace
