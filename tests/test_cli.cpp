// corvessa-render end to end: the executable on a generated photo and a
// generated picture folder, compared with the same renders done in process.

#include <gtest/gtest.h>
#include <exiv2/exiv2.hpp>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <signal.h>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "catalogue/render_job.h"
#include "edit/edit.h"
#include "effectimage/effect_image.h"
#include "ground/strength.h"
#include "io/bmp_codec.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "io/user_looks.h"
#include "camera_jpeg.h"
#include "faulty_codecs.h"
#include "format_fixtures.h"
#include "picture_folder.h"
#include "test_support.h"

extern char** environ;

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ScratchBase() {
    static int serial = 0;
    return fs::temp_directory_path() / ("corvessa-cli-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
}

// Starts `program` with `args`, its outputs going to base.out and base.err
// and its input coming from `input` (nothing when empty).
pid_t Spawn(const std::vector<std::string>& args, const std::string& program, const std::string& base,
            const std::string& input = "") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.empty() ? "/dev/null" : input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (base + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (base + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

Outcome Collect(pid_t pid, const std::string& base) {
    Outcome outcome;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid) outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = Slurp(base + ".out");
    outcome.err = Slurp(base + ".err");
    fs::remove(base + ".out");
    fs::remove(base + ".err");
    return outcome;
}

// Runs the renderer (or `program`) with `args`, capturing both outputs;
// standard input reads the file `input` when one is given.
Outcome RunRenderer(const std::vector<std::string>& args, const std::string& program = CORVESSA_RENDER_PATH,
                    const std::string& input = "") {
    const std::string base = ScratchBase();
    return Collect(Spawn(args, program, base, input), base);
}

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new TempDir;
        MakePictureFolder(root_->Path() + "/");
        WriteBmpFile(RandomBitmap(64, 48, 5), root_->File("photo.bmp"));
    }
    static void TearDownTestSuite() {
        delete root_;
        root_ = nullptr;
    }

    static std::string Pic() { return root_->File("pic"); }
    static std::string Photo() { return root_->File("photo.bmp"); }
    std::string Out(const std::string& name) const { return out_.File(name); }

    // The look rendered in process as the window would render it.
    TBitmap Reference(int category, int n, ColourDecision colour = ColourDecision::NotAsked()) {
        const FolderPictures pictures(Pic());
        RenderJob job(std::make_shared<const TBitmap>(ReadPhotoFile(Photo())), Look{category, n}, pictures);
        job.DecideColour(colour);
        return job.Run().picture;
    }

    static TempDir* root_;
    TempDir out_;
};

TempDir* CliTest::root_ = nullptr;

// --- Looks, one category at a time ---------------------------------------------

class CliCategory : public CliTest, public ::testing::WithParamInterface<int> {};

TEST_P(CliCategory, EveryEffectAsRenderedInProcess) {
    const int category = GetParam();
    for (int n = 1; n <= 10; ++n) {
        const std::string out = Out(std::to_string(n) + ".bmp");
        const Outcome run =
            RunRenderer({"--pic", Pic(), "--look", std::to_string(category) + ":" + std::to_string(n), Photo(), out});
        ASSERT_EQ(run.status, 0) << n << ": " << run.err;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(out), Reference(category, n))) << n;
    }
}

TEST_P(CliCategory, ChangeColorWithAColourAndCancelled) {
    const int category = GetParam();
    const int n = category == 15 ? 10 : 7;  // Art offers it on its pencil sketch only
    const std::string look = std::string(FindCategory(category)->caption) + ":" + std::to_string(n);
    const Outcome chosen = RunRenderer({"--pic", Pic(), "--look", look, "--color", "20,140,220", Photo(), Out("c.bmp")});
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("c.bmp")), Reference(category, n, ColourDecision::Chosen(Rgb{20, 140, 220}))));
    const Outcome cancelled = RunRenderer({"--pic", Pic(), "--look", look, "--color", "cancel", Photo(), Out("x.bmp")});
    ASSERT_EQ(cancelled.status, 0) << cancelled.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("x.bmp")), Reference(category, n, ColourDecision::Cancelled())));
}

TEST_P(CliCategory, StripWritesTheTenThumbnails) {
    const int category = GetParam();
    const Outcome run = RunRenderer({"--pic", Pic(), "--strip", std::to_string(category), Photo(), Out("strip")});
    ASSERT_EQ(run.status, 0) << run.err;

    struct Keep : StripView {
        std::vector<TBitmap> thumbs;
        void ThumbnailDone(int, const TBitmap& p, bool) override { thumbs.emplace_back().CopyFrom(p); }
        void SetChangeColorButton(bool) override {}
    } view;
    const FolderPictures pictures(Pic());
    StripJob(std::make_shared<const TBitmap>(ReadPhotoFile(Photo())), category, pictures).Run(view);
    ASSERT_EQ(view.thumbs.size(), 10u);
    for (int n = 1; n <= 10; ++n) {
        const TBitmap written = ReadPhotoFile(Out("strip/" + std::to_string(n) + ".bmp"));
        EXPECT_EQ(written.Width(), 105);
        EXPECT_TRUE(SamePixels(written, view.thumbs[size_t(n - 1)])) << n;
    }
}

TEST_F(CliTest, ThumbnailSizeWritesEachLooksFullRenderOfThePhotoScaledToFit) {
    const TBitmap photo = ReadPhotoFile(Photo());
    const bool wide = photo.Width() >= photo.Height();
    for (const int size : {16, 40}) {
        SCOPED_TRACE(size);
        const Outcome run = RunRenderer({"--pic", Pic(), "--strip", "Weather", "--thumbnail-size", std::to_string(size),
                                         Photo(), Out("large")});
        ASSERT_EQ(run.status, 0) << run.err;
        const FolderPictures pictures(Pic());
        const auto scaled = std::make_shared<const TBitmap>(ScaleToFit(photo, size));
        EXPECT_EQ(wide ? scaled->Width() : scaled->Height(), size);
        for (int n = 1; n <= 10; ++n) {
            RenderJob job(scaled, Look{6, n}, pictures);
            EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("large/" + std::to_string(n) + ".bmp")), job.Run().picture)) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllCategories, CliCategory, ::testing::Range(1, 17));

// --- Looks: names, formats, folders ------------------------------------------------

using CliLook = CliTest;

TEST_F(CliLook, StrengthMixesTheLookWithThePhoto) {
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "4:2", "--strength", "40", Photo(), Out("s.bmp")}).status, 0);
    const TBitmap photo = ReadPhotoFile(Photo());
    TBitmap expected;
    MixByStrength(Reference(4, 2), photo, 40, expected);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("s.bmp")), expected));
    EXPECT_EQ(RunRenderer({"--filter", "Invert", "--strength", "40", Photo(), Out("f.bmp")}).status, 2);
    EXPECT_EQ(RunRenderer({"--look", "4:2", "--strength", "101", Photo(), Out("f.bmp")}).status, 2);
}

TEST_F(CliLook, CaptionsMatchWithoutCaseAndSpaces) {
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "light  c:4", Photo(), Out("a.bmp")}).status, 0);
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "EDGEB:2", Photo(), Out("b.bmp")}).status, 0);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("a.bmp")), Reference(3, 4)));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("b.bmp")), Reference(11, 2)));
}

TEST_F(CliLook, OutputExtensionChoosesTheWriter) {
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", Photo(), Out("a.JPG")}).status, 0);
    const std::string written = Slurp(Out("a.JPG"));
    const std::vector<uint8_t> expected = EncodeJpeg(Reference(1, 1));
    EXPECT_EQ(written, std::string(expected.begin(), expected.end()));

    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", Photo(), Out("a.png")}).status, 0);
    EXPECT_TRUE(SamePixels(ReadPicture(Out("a.png")), Reference(1, 1)));

    // --quality: the JPEG encoder's at that quality, for a single render and
    // a batch alike; a lossless output is written as without it.
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", "--quality", "40", Photo(), Out("q.jpg")}).status, 0);
    const std::vector<uint8_t> at40 = EncodeJpegWithQuality(Reference(1, 1), 40);
    EXPECT_EQ(Slurp(Out("q.jpg")), std::string(at40.begin(), at40.end()));
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", "--quality", "40", "-o", Out("q"), "--format", "JPEG",
                           Photo()})
                  .status,
              0);
    EXPECT_EQ(Slurp(Out("q/photo.jpg")), std::string(at40.begin(), at40.end()));
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", "--quality", "40", Photo(), Out("q.png")}).status, 0);
    EXPECT_EQ(Slurp(Out("q.png")), Slurp(Out("a.png")));
    for (const char* wrong : {"0", "101", "x"})
        EXPECT_EQ(RunRenderer({"--look", "1:1", "--quality", wrong, Photo(), Out("w.jpg")}).status, 2) << wrong;
    EXPECT_EQ(RunRenderer({"--strip", "Art", "--quality", "50", Photo(), Out("strip")}).status, 2);
}

TEST_F(CliLook, ListFormatsGivesEveryFormatTheProgramReads) {
    const Outcome run = RunRenderer({"--list-formats"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, FormatListing());
    EXPECT_TRUE(std::regex_search(run.out, std::regex("(^|\n)JPEG +jpg jpeg +read, write\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nHEIC +heic heif hif +read, write\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nGIF +gif +read\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nCamera raw +dng cr2 cr3 nef arw raf orf rw2 pef +read\n"))) << run.out;
    EXPECT_EQ(RunRenderer({"--list-formats", "a.bmp"}).status, 2);
}

TEST_F(CliLook, PhonePhotoIsTurnedUprightAndKeepsItsMetadata) {
    // Stored 64 wide and 48 high, tagged "turn a quarter clockwise".
    WriteBytes(Out("phone.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    for (const char* name : {"look.jpg", "batch"}) {
        std::string out = Out(name);
        if (std::string(name) == "batch") {
            ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", "-o", Out("batch"), Out("phone.jpg")}).status, 0);
            out = Out("batch/phone.jpg");
        } else {
            ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", Out("phone.jpg"), out}).status, 0);
        }
        PhotoMetadata metadata;
        const TBitmap upright = ReadPhotoUpright(out, metadata);
        EXPECT_EQ(upright.Width(), 48) << name;
        EXPECT_EQ(upright.Height(), 64) << name;
        auto image = Exiv2::ImageFactory::open(out);
        image->readMetadata();
        EXPECT_EQ(image->exifData()["Exif.Image.Model"].toString(), kTestCameraModel) << name;
        EXPECT_EQ(image->exifData()["Exif.Image.Orientation"].toLong(), 1) << name;
        EXPECT_TRUE(image->iccProfileDefined()) << name;
    }
    // BMP output carries none.
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "1:1", Out("phone.jpg"), Out("look.bmp")}).status, 0);
    EXPECT_EQ(Slurp(Out("look.bmp")).find(kTestCameraModel), std::string::npos);
}

// --- Copies for sharing: --resize, --strip-location, --strip-metadata ----------

TEST_F(CliLook, ResizeFitsTheOutputAndNeverEnlarges) {
    // The photo is 64 x 48.
    struct Case {
        const char* resize;
        int width, height;
    };
    const Case cases[] = {{"32", 32, 24},    {"17", 17, 13},    {"64", 64, 48},  {"500", 64, 48},
                          {"40x40", 40, 30}, {"64x21", 28, 21}, {"50%", 32, 24}, {"1%", 1, 1},
                          {"100%", 64, 48},  {"33x1000", 33, 25}};
    // With a look, or alone: a copy to share needs none.
    for (const Case& c : cases)
        for (const bool batch : {false, true})
            for (const bool look : {true, false}) {
                std::string out = Out("resized.png");
                std::vector<std::string> args{"--resize", c.resize};
                if (look) args.insert(args.begin(), {"--pic", Pic(), "--look", "1:1"});
                if (batch) {
                    args.insert(args.end(), {"-o", Out("resized"), "--format", "png", Photo()});
                    out = Out("resized/photo.png");
                } else {
                    args.insert(args.end(), {Photo(), out});
                }
                const Outcome run = RunRenderer(args);
                ASSERT_EQ(run.status, 0) << c.resize << ": " << run.err;
                const TBitmap written = ReadPhotoFile(out);
                EXPECT_EQ(written.Width(), c.width) << c.resize << (batch ? " in a batch" : "");
                EXPECT_EQ(written.Height(), c.height) << c.resize << (batch ? " in a batch" : "");
            }
}

TEST_F(CliLook, BadResizeValuesExitTwoNamingTheOptionAndItsRange) {
    for (const char* wrong : {"0", "15", "65536", "-3", "abc", "20x", "x20", "20x15", "0%", "101%", "%", "", "2048.5"}) {
        const Outcome run = RunRenderer({"--look", "1:1", "--resize", wrong, Photo(), Out("w.jpg")});
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_NE(run.err.find("--resize wants N or WxH (16 to 65535"), std::string::npos) << wrong << ": " << run.err;
        EXPECT_FALSE(fs::exists(Out("w.jpg"))) << wrong;
    }
    // Only where a photo is written.
    for (const char* option : {"--resize", "--strip-location", "--strip-metadata", "--srgb"}) {
        std::vector<std::string> args{"--strip", "Art", option};
        if (std::string(option) == "--resize") args.push_back("100");
        args.insert(args.end(), {Photo(), Out("strip")});
        const Outcome run = RunRenderer(args);
        EXPECT_EQ(run.status, 2) << option;
        EXPECT_NE(run.err.find("belong with --look, --lut, --filter, the edits or alone"), std::string::npos) << run.err;
    }
}

TEST_F(CliLook, StripLocationDropsTheGpsAndKeepsTheRestAndStripMetadataKeepsOnlyTheProfile) {
    WriteBytes(Out("phone.jpg"), RichCameraJpeg(GradientBitmap(640, 480), 1));
    struct Case {
        const char* option;
        bool camera, iccProfile;
    };
    const Case cases[] = {{"--strip-location", true, true}, {"--strip-metadata", false, true}};
    for (const Case& c : cases)
        for (const char* name : {"out.jpg", "out.png", "batch"}) {
            std::string out = Out(std::string(c.option).substr(2) + "-" + name);
            std::vector<std::string> args{"--pic", Pic(), "--look", "Film:2", c.option, "--resize", "160"};
            if (std::string(name) == "batch") {
                args.insert(args.end(), {"-o", out, Out("phone.jpg")});
                out += "/phone.jpg";
            } else {
                args.insert(args.end(), {Out("phone.jpg"), out});
            }
            ASSERT_EQ(RunRenderer(args).status, 0) << c.option << " " << name;
            auto image = Exiv2::ImageFactory::open(out);
            image->readMetadata();
            const Exiv2::ExifData& exif = image->exifData();
            const std::string what = std::string(c.option) + " " + name;
            for (const Exiv2::Exifdatum& tag : exif) EXPECT_NE(tag.groupName(), "GPSInfo") << what << " " << tag.key();
            EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.GPSTag")), exif.end()) << what;
            EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.Model")) != exif.end(), c.camera) << what;
            EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal")) != exif.end(), c.camera) << what;
            EXPECT_EQ(image->iccProfileDefined(), c.iccProfile) << what;
            if (c.camera) {
                EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.Model"))->toString(), kTestCameraModel) << what;
                EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Photo.PixelXDimension"))->toLong(), 160) << what;
            }
            EXPECT_EQ(ReadPhotoFile(out).Width(), 160) << what;
        }
}

TEST_F(CliLook, SrgbResizeAndStripLocationMakeTheCopyToShare) {
    // An Adobe RGB camera photo with its position, 2400 x 1600.
    WriteBytes(Out("camera.jpg"), RichCameraJpeg(GradientBitmap(2400, 1600), 1));
    const std::vector<std::string> common{"--pic", Pic(), "--resize", "2048", "--strip-location", "--look", "Film:2"};
    for (const bool srgb : {true, false}) {
        std::vector<std::string> args = common;
        if (srgb) args.insert(args.begin(), "--srgb");
        const std::string out = Out(srgb ? "srgb.jpg" : "adobe.jpg");
        args.insert(args.end(), {Out("camera.jpg"), out});
        const Outcome run = RunRenderer(args);
        ASSERT_EQ(run.status, 0) << run.err;
        PhotoMetadata metadata;
        const TBitmap written = ReadPhotoUpright(out, metadata);
        EXPECT_EQ(written.Width(), 2048);
        EXPECT_EQ(written.Height(), 1365);
        // sRGB carries no profile; without --srgb the photo's stays.
        EXPECT_EQ(metadata.Colour().Icc().empty(), srgb);
        auto image = Exiv2::ImageFactory::open(out);
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")), exif.end());
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.Model"))->toString(), kTestCameraModel);
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"))->toString(), kTestCaptureDate);
    }
    // The same render, its colours converted: Adobe RGB's values mean
    // more saturated colours than sRGB's.
    EXPECT_FALSE(SamePixels(ReadPhotoFile(Out("srgb.jpg")), ReadPhotoFile(Out("adobe.jpg"))));
}

TEST_F(CliLook, HeicAndAvifOpenUprightAndKeepTheirCameraDataInJpegAndPng) {
    HeifOptions phone;
    phone.orientation = 6;  // stored 64 wide and 48 high, a quarter turn clockwise
    phone.exif = CameraExif(6, 64, 48);
    phone.iccProfile = RgbIccProfile();
    const Samples stored = MakeSamples(64, 48, 3, 8);
    WriteBytes(Out("phone.heic"), MakeHeif(stored, phone));
    phone.avif = true;
    WriteBytes(Out("phone.avif"), MakeHeif(stored, phone));
    for (const char* in : {"phone.heic", "phone.avif"})
        for (const char* out : {"out.jpg", "out.png"}) {
            ASSERT_EQ(RunRenderer({"--filter", "Invert", Out(in), Out(out)}).status, 0) << in << " " << out;
            PhotoMetadata metadata;
            const TBitmap upright = ReadPhotoUpright(Out(out), metadata);
            EXPECT_EQ(upright.Width(), 48) << in << " " << out;
            auto image = Exiv2::ImageFactory::open(Out(out));
            image->readMetadata();
            EXPECT_EQ(image->exifData()["Exif.Image.Model"].toString(), kTestCameraModel) << in << " " << out;
            EXPECT_EQ(image->exifData()["Exif.Image.Orientation"].toLong(), 1) << in << " " << out;
            EXPECT_TRUE(image->iccProfileDefined()) << in << " " << out;
        }
}

TEST_F(CliLook, AJpegThatEndsEarlyRendersAndIsReportedOnStandardError) {
    std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(96, 64, 2));
    jpeg.resize(jpeg.size() / 2);
    WriteBytes(Out("cut.jpg"), jpeg);
    const Outcome run = RunRenderer({"--filter", "Invert", Out("cut.jpg"), Out("out.bmp")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "corvessa-render: The file is incomplete: its lower part is missing \u2014 " + Out("cut.jpg") + "\n");
    EXPECT_EQ(ReadPhotoFile(Out("out.bmp")).Height(), 64);
}

TEST_F(CliLook, PictureFolderUnderAnyNameAndBesideTheProgram) {
    // A picture folder not called "pic".
    fs::create_directory_symlink(Pic(), out_.File("pictures"));
    ASSERT_EQ(RunRenderer({"--pic", out_.File("pictures"), "--look", "5:2", Photo(), Out("a.bmp")}).status, 0);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("a.bmp")), Reference(5, 2)));

    // Without --pic: the pic folder beside the executable.
    fs::create_directory(out_.File("app"));
    fs::copy_file(CORVESSA_RENDER_PATH, out_.File("app/corvessa-render"));
    fs::create_directory_symlink(Pic(), out_.File("app/pic"));
    const Outcome run = RunRenderer({"--look", "5:2", Photo(), Out("b.bmp")}, out_.File("app/corvessa-render"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("b.bmp")), Reference(5, 2)));
}

// --- Filters ---------------------------------------------------------------------

using CliFilter = CliTest;

TEST_F(CliFilter, EveryFilterAsTheComponentAppliesIt) {
    const TBitmap photo = ReadPhotoFile(Photo());
    for (const EffectEntry& entry : kEffects) {
        const auto arguments = OrdinaryArguments(entry, photo.Width(), photo.Height());
        std::string option(entry.name);
        for (size_t i = 0; i < entry.parameterCount; ++i) {
            option += i ? ',' : ':';
            option += std::to_string(arguments[i]);
        }
        const Outcome run = RunRenderer({"--seed", "4242", "--filter", option, Photo(), Out("f.bmp")});
        ASSERT_EQ(run.status, 0) << option << ": " << run.err;
        RandomGenerator random(4242);
        TProEffectImage effect(random);
        effect.Picture().CopyFrom(photo);
        entry.apply(effect, std::span<const int>(arguments.data(), entry.parameterCount));
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("f.bmp")), effect.Picture())) << option;
    }
}

TEST_F(CliFilter, NoiseWithoutSeedStillRenders) {
    const Outcome run = RunRenderer({"--filter", "addmonoNOISE:10", Photo(), Out("n.bmp")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadPhotoFile(Out("n.bmp")).Width(), 64);
}

// --- The user's .cube tables ------------------------------------------------------------

using CliLut = CliTest;

TEST_F(CliLut, TablesAsTheLookAloneAndInABatch) {
    const auto put = [&](const std::string& name, const std::string& text) {
        WriteBytes(out_.File(name), std::vector<uint8_t>(text.begin(), text.end()));
        return out_.File(name);
    };
    const std::string same = put("same.cube", CubeText(33, true, SameColour)),
                      negative = put("negative.cube", CubeText(9, true, InvertedColour)),
                      broken = put("broken.cube", "LUT_3D_SIZE 300\n");
    const TBitmap photo = ReadPhotoFile(Photo());
    TBitmap inverted = Copy(photo);
    for (size_t i = 0; i < inverted.ByteCount(); ++i) inverted.Data()[i] = uint8_t(255 - inverted.Data()[i]);

    ASSERT_EQ(RunRenderer({"--lut", same, Photo(), Out("same.bmp")}).status, 0);
    EXPECT_EQ(Slurp(Out("same.bmp")), Slurp(Photo()));
    ASSERT_EQ(RunRenderer({"--lut", negative, Photo(), Out("negative.bmp")}).status, 0);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("negative.bmp")), inverted));
    ASSERT_EQ(RunRenderer({"--lut", negative, "--strength", "30", Photo(), Out("mixed.bmp")}).status, 0);
    TBitmap mixed;
    MixByStrength(inverted, photo, 30, mixed);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("mixed.bmp")), mixed));

    Outcome run = RunRenderer({"--lut", broken, Photo(), Out("broken.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: LUT file is not valid: line 1: size 300 is outside 2 to 256 \u2014 " + broken + "\n");
    EXPECT_FALSE(fs::exists(Out("broken.bmp")));

    fs::copy_file(Photo(), out_.File("a.bmp"));
    run = RunRenderer({"--lut", negative, "-o", Out("done"), out_.File("a.bmp"), Photo()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/a.bmp")), inverted));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/photo.bmp")), inverted));
    run = RunRenderer({"--lut", broken, "-o", Out("none"), out_.File("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(broken), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Out("none")));
}

// The portrait with its faces kept clear: the same bytes as the window's
// render (a RenderJob given the photo's faces), alone and in a batch, for
// a look of the catalogue and a table.
TEST_F(CliLut, KeepFacesGivesTheWindowsBytesAloneAndInABatch) {
    const std::string portrait = CORVESSA_FACES_DIR "/astronaut.jpg";
    const std::string table = out_.File("negative.cube");
    const std::string text = CubeText(9, true, InvertedColour);
    WriteBytes(table, std::vector<uint8_t>(text.begin(), text.end()));
    PhotoMetadata metadata;
    const auto photo = std::make_shared<const TBitmap>(ReadPhotoUpright(portrait, metadata));
    const auto faces = std::make_shared<PhotoFaces>(photo);
    ASSERT_EQ(faces->Boxes().size(), 1u);
    const FolderPictures pictures(Pic());
    const int color = FindCategoryByCaption("Color")->number, lightA = FindCategoryByCaption("Light A")->number;
    const struct Case {
        std::vector<std::string> look;
        Look what;  // none: the table
        int strength;
    } cases[] = {{{"--look", "Color:3"}, {color, 3}, kFullStrength},
                 {{"--look", "LightA:2", "--strength", "70"}, {lightA, 2}, 70},
                 {{"--lut", table}, {}, kFullStrength}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look[1]);
        const bool isTable = c.what.category == 0;
        std::unique_ptr<RenderJob> job = isTable ? std::make_unique<RenderJob>(photo, ReadUserLook(table))
                                                 : std::make_unique<RenderJob>(photo, c.what, pictures);
        job->SetStrength(c.strength);
        job->SetFaces(faces);
        const TBitmap want = std::move(job->Run().picture);
        std::vector<std::string> args = c.look;
        if (!isTable) args.insert(args.end(), {"--pic", Pic()});
        args.push_back("--keep-faces");
        std::vector<std::string> single = args;
        single.insert(single.end(), {portrait, Out("one.bmp")});
        Outcome run = RunRenderer(single);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("one.bmp")), want));
        args.insert(args.end(), {"-o", Out("many"), "--format", "bmp", portrait});
        run = RunRenderer(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("many/astronaut.bmp")), want));
        // Without the option the face takes the look.
        single.erase(std::find(single.begin(), single.end(), "--keep-faces"));
        ASSERT_EQ(RunRenderer(single).status, 0);
        EXPECT_FALSE(SamePixels(ReadPhotoFile(Out("one.bmp")), want));
    }
}

// --- Batches ------------------------------------------------------------------------

using CliBatch = CliTest;

TEST_F(CliBatch, OneBadInputIsReportedAndTheRestRender) {
    fs::copy_file(Photo(), out_.File("a.bmp"));
    WriteJpegFile(ReadPhotoFile(Photo()), out_.File("b.jpg"));
    WriteBytes(out_.File("broken.jpg"), {0xFF, 0xD8, 0x00, 0x01});
    const std::vector<std::string> inputs = {out_.File("a.bmp"), out_.File("broken.jpg"), out_.File("missing.bmp"),
                                             out_.File("b.jpg")};
    std::vector<std::string> args = {"--pic", Pic(), "--look", "Art:8", "-o", Out("done")};
    args.insert(args.end(), inputs.begin(), inputs.end());
    const Outcome run = RunRenderer(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("broken.jpg: JPEG error #"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Cannot open file " + out_.File("missing.bmp")), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Out("done/broken.jpg")));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/a.bmp")), Reference(15, 8)));
    EXPECT_EQ(ReadPhotoFile(Out("done/b.jpg")).Width(), 64);
    EXPECT_EQ(std::distance(fs::directory_iterator(Out("done")), fs::directory_iterator()), 2);
}

// A codec that crashes on a photo costs that photo alone: a render exits 1
// naming it, a batch renders the others and reports it failed.
TEST_F(CliBatch, ACodecThatCrashesFailsItsPhotoAlone) {
    fs::copy_file(Photo(), out_.File("a.bmp"));
    fs::copy_file(Photo(), out_.File("c.bmp"));
    const std::string heic = out_.File("phone.heic");
    WriteBytes(heic, MakeHeif(MakeSamples(20, 10, 3, 8)));
    const FaultyCodecs faulty;
    Outcome run = RunRenderer({"--filter", "Invert", heic, Out("one.jpg")});
    EXPECT_EQ(run.status, 1);
    // Built with AddressSanitizer, the helper reports its crash on standard error first.
    const std::string said = "corvessa-render: The HEIC reader failed \u2014 " + heic + "\n";
    EXPECT_TRUE(kAddressSanitizer ? run.err.ends_with(said) : run.err == said) << run.err;
    run = RunRenderer({"--pic", Pic(), "--look", "2:2", "-o", Out("done"), out_.File("a.bmp"), heic, out_.File("c.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The HEIC reader failed"), std::string::npos) << run.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/c.bmp")), Reference(2, 2)));
    EXPECT_EQ(std::distance(fs::directory_iterator(Out("done")), fs::directory_iterator()), 2);
}

TEST_F(CliBatch, AllGoodExitsZero) {
    fs::copy_file(Photo(), out_.File("a.bmp"));
    fs::copy_file(Photo(), out_.File("c.bmp"));
    const Outcome run = RunRenderer({"--pic", Pic(), "--look", "2:2", "-o", Out("done"), out_.File("a.bmp"), out_.File("c.bmp")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/c.bmp")), Reference(2, 2)));
}

TEST_F(CliBatch, NeverOverwritesAnInput) {
    fs::copy_file(Photo(), out_.File("a.bmp"));
    fs::create_directory(out_.File("other"));
    fs::copy_file(Photo(), out_.File("other/a.bmp"));
    const std::string before = Slurp(out_.File("a.bmp"));
    // Into the inputs' own folder, and two inputs with one name.
    Outcome run = RunRenderer({"--pic", Pic(), "--look", "1:1", "-o", out_.Path(), out_.File("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Slurp(out_.File("a.bmp")), before);
    // Two inputs of one name from different folders: the second output
    // takes a number, so neither overwrites the other.
    run = RunRenderer({"--pic", Pic(), "--look", "1:1", "-o", Out("done"), out_.File("a.bmp"), out_.File("other/a.bmp")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/a.bmp")), Reference(1, 1)));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/a-2.bmp")), Reference(1, 1)));
    // The single form, and a strip into the input's folder.
    run = RunRenderer({"--pic", Pic(), "--look", "1:1", out_.File("a.bmp"), out_.File("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Slurp(out_.File("a.bmp")), before);
    fs::create_directory(out_.File("strip"));
    fs::copy_file(Photo(), out_.File("strip/1.bmp"));
    run = RunRenderer({"--pic", Pic(), "--strip", "1", out_.File("strip/1.bmp"), out_.File("strip")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Slurp(out_.File("strip/1.bmp")), before);
    // A filter, and an output reached through a link.
    run = RunRenderer({"--filter", "Invert", out_.File("a.bmp"), out_.File("./a.bmp")});
    EXPECT_EQ(run.status, 1);
    fs::create_symlink(out_.File("a.bmp"), out_.File("link.bmp"));
    run = RunRenderer({"--pic", Pic(), "--look", "1:1", out_.File("a.bmp"), out_.File("link.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Slurp(out_.File("a.bmp")), before);
}

TEST_F(CliBatch, NeverOverwritesAnInputThroughALinkInTheOutputFolder) {
    fs::create_directory(out_.File("in"));
    fs::create_directory(out_.File("done"));
    fs::copy_file(Photo(), out_.File("in/a.bmp"));
    fs::copy_file(Photo(), out_.File("in/b.bmp"));
    const std::string before = Slurp(out_.File("in/b.bmp"));
    // done/a.bmp, the output of in/a.bmp, is another name of in/b.bmp.
    fs::create_hard_link(out_.File("in/b.bmp"), out_.File("done/a.bmp"));
    const Outcome run = RunRenderer({"--pic", Pic(), "--look", "1:1", "-o", Out("done"), out_.File("in/a.bmp"), out_.File("in/b.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("done/a.bmp is an input"), std::string::npos) << run.err;
    EXPECT_EQ(Slurp(out_.File("in/b.bmp")), before);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("done/b.bmp")), Reference(1, 1)));
}

// --- Batches at scale ----------------------------------------------------------------

// One line of a batch report, as a script would read it.
struct ReportEntry {
    std::string input, output, status, message;
    long long milliseconds = -1;
};

std::string JsonField(const std::string& line, const std::string& name) {
    const std::regex field("\"" + name + "\":\"((?:[^\"\\\\]|\\\\.)*)\"");
    std::smatch match;
    return std::regex_search(line, match, field) ? match[1].str() : "<missing>";
}

std::vector<ReportEntry> ReadReport(const std::string& text) {
    std::vector<ReportEntry> entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ReportEntry& entry = entries.emplace_back();
        EXPECT_TRUE(line.front() == '{' && line.back() == '}') << line;
        entry.input = JsonField(line, "input");
        entry.output = JsonField(line, "output");
        entry.status = JsonField(line, "status");
        entry.message = JsonField(line, "message");
        std::smatch match;
        if (std::regex_search(line, match, std::regex("\"milliseconds\":([0-9]+)\\}$")))
            entry.milliseconds = std::stoll(match[1].str());
    }
    return entries;
}

size_t CountStatus(const std::vector<ReportEntry>& entries, const std::string& status) {
    return size_t(std::count_if(entries.begin(), entries.end(), [&](const ReportEntry& e) { return e.status == status; }));
}

// The names in `dir`, hidden ones included.
std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(CliBatch, AJpegThatEndsEarlyIsRenderedWithItsWarningInTheReport) {
    std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(96, 64, 2));
    WriteBytes(Out("whole.jpg"), jpeg);
    jpeg.resize(jpeg.size() / 2);
    WriteBytes(Out("cut.jpg"), jpeg);
    const Outcome run = RunRenderer({"--pic", Pic(), "--look", "Art:8", "--report", "-", "-o", Out("done"), Out("cut.jpg"),
                                     Out("whole.jpg")});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string warning = "The file is incomplete: its lower part is missing \u2014 " + Out("cut.jpg");
    EXPECT_EQ(run.err, "corvessa-render: " + warning + "\n");
    EXPECT_EQ(ReadPhotoFile(Out("done/cut.jpg")).Height(), 64);
    std::map<std::string, std::string> byInput;  // status, message, warning
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        byInput[JsonField(line, "input")] = JsonField(line, "status") + " | " + JsonField(line, "message") + " | " +
                                            (line.find(",\"warning\":true,") != std::string::npos ? "true" : "false");
    EXPECT_EQ(byInput, (std::map<std::string, std::string>{{Out("cut.jpg"), "rendered | " + warning + " | true"},
                                                           {Out("whole.jpg"), "rendered |  | false"}}));
}

TEST_F(CliBatch, NamesNotUtf8OrHoldingANewlineFromANulSeparatedList) {
    fs::create_directory(out_.File("in"));
    const std::vector<std::string> photos = {out_.File("in/caf\xFF.bmp"), out_.File("in/two\nlines.bmp")};
    std::string list;
    for (const std::string& photo : photos) {
        fs::copy_file(Photo(), photo);
        list += photo + '\0';
    }
    WriteBytes(Out("list0"), std::vector<uint8_t>(list.begin(), list.end()));
    for (const std::string nul : {"-0", "--null"}) {
        const std::string done = Out("done" + nul);
        const Outcome run = RunRenderer({"--pic", Pic(), "--look", "2:2", "--files-from", Out("list0"), nul, "--report",
                                         Out("report.jsonl"), "-o", done});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Listing(done), (std::vector<std::string>{"caf\xFF.bmp", "two\nlines.bmp"})) << nul;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(done + "/two\nlines.bmp"), Reference(2, 2))) << nul;
        // Each line leads back to its file: the stray byte through the
        // encoded bytes, the newline as JSON escapes it.
        std::map<std::string, std::string> bytesByInput;
        std::istringstream lines(Slurp(Out("report.jsonl")));
        for (std::string line; std::getline(lines, line);)
            bytesByInput[JsonField(line, "input")] = JsonField(line, "input_bytes") + " " + JsonField(line, "output_bytes");
        EXPECT_EQ(bytesByInput, (std::map<std::string, std::string>{
                                    {out_.File("in/caf\xEF\xBF\xBD.bmp"),
                                     out_.File("in/caf%FF.bmp") + " " + done + "/caf%FF.bmp"},
                                    {out_.File("in/two\\nlines.bmp"), "<missing> <missing>"}})) << nul;
    }
}

using CliScale = CliTest;

TEST_F(CliScale, FortyPhotosOfWhichSixAreBroken) {
    std::vector<std::string> good;
    for (int i = 0; i < 34; ++i) {
        const std::string path = out_.File("in/p" + std::to_string(i) + (i % 2 ? ".jpg" : ".bmp"));
        fs::create_directories(out_.File("in"));
        if (i % 2)
            WriteJpegFile(RandomBitmap(40, 30, uint32_t(i)), path);
        else
            WriteBmpFile(RandomBitmap(40, 30, uint32_t(i)), path);
        good.push_back(path);
    }
    const std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(40, 30, 99));
    const std::vector<uint8_t> bmp = EncodeBmp(RandomBitmap(40, 30, 98));
    std::vector<uint8_t> noise(3000);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = uint8_t(i * 7919 % 251);
    WriteBytes(out_.File("in/cut.jpg"), std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 200));
    WriteBytes(out_.File("in/cut.bmp"), std::vector<uint8_t>(bmp.begin(), bmp.begin() + long(bmp.size() / 2)));
    WriteBytes(out_.File("in/noise.jpg"), noise);
    WriteBytes(out_.File("in/noise.png"), noise);
    fs::create_directory(out_.File("in/folder.jpg"));
    // Each broken photo with the words its failure is to be reported in.
    const std::vector<std::pair<std::string, std::string>> broken = {
        {out_.File("in/cut.jpg"), "JPEG error #"},
        {out_.File("in/cut.bmp"), "Bitmap image is not valid"},
        {out_.File("in/noise.jpg"), "JPEG error #"},
        {out_.File("in/noise.png"), "Bitmap image is not valid"},
        {out_.File("in/missing.jpg"), "Cannot open file " + out_.File("in/missing.jpg") + ": No such file or directory"},
        {out_.File("in/folder.jpg"), "Cannot open file " + out_.File("in/folder.jpg") + ": it is a folder"},
    };
    // Half on the command line, half in a list, broken ones among both.
    std::vector<std::string> args = {"--pic", Pic(), "--look", "Light A:2", "-o", Out("done"), "--report", Out("report.jsonl"),
                                     "--files-from", Out("list.txt")};
    std::ofstream list(Out("list.txt"));
    for (size_t i = 0; i < good.size(); ++i) {
        if (i % 2)
            list << good[i] << "\n";
        else
            args.push_back(good[i]);
        if (i % 6 == 3) {
            const std::string& bad = broken[i / 6].first;
            if (i % 12 == 3)
                list << bad << "\n";
            else
                args.push_back(bad);
        }
    }
    list.close();

    const Outcome run = RunRenderer(args);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(Listing(Out("done")).size(), 34u);
    for (const auto& [input, reason] : broken)
        EXPECT_NE(run.err.find("corvessa-render: " + input + ": " + reason), std::string::npos) << input << "\n" << run.err;

    const std::vector<ReportEntry> report = ReadReport(Slurp(Out("report.jsonl")));
    ASSERT_EQ(report.size(), 40u);
    EXPECT_EQ(CountStatus(report, "rendered"), 34u);
    EXPECT_EQ(CountStatus(report, "failed"), 6u);
    for (const ReportEntry& entry : report) {
        EXPECT_GE(entry.milliseconds, 0) << entry.input;
        const auto bad = std::find_if(broken.begin(), broken.end(), [&](const auto& b) { return b.first == entry.input; });
        if (bad == broken.end()) {
            EXPECT_EQ(entry.status, "rendered") << entry.input;
            EXPECT_EQ(entry.message, "");
            EXPECT_TRUE(fs::exists(entry.output)) << entry.output;
            EXPECT_EQ(ReadPhotoFile(entry.output).Width(), 40);
        } else {
            EXPECT_EQ(entry.status, "failed") << entry.input;
            EXPECT_NE(entry.message.find(bad->second), std::string::npos) << entry.message;
            EXPECT_FALSE(fs::exists(entry.output)) << entry.output;
        }
    }
}

TEST_F(CliScale, KilledHalfWayThenResumedWithSkipExisting) {
    // Photos large enough that the kill comes while the batch runs.
    fs::create_directory(out_.File("in"));
    WriteJpegFile(GradientBitmap(1600, 1200), out_.File("in/p00.jpg"));
    std::vector<std::string> photos;
    for (int i = 0; i < 24; ++i) {
        photos.push_back(out_.File("in/p" + std::to_string(10 + i) + ".jpg"));
        fs::copy_file(out_.File("in/p00.jpg"), photos.back());
    }
    const auto args = [&](const std::string& report, bool skip) {
        std::vector<std::string> list = {"--pic", Pic(), "--look", "Art:1", "-j", "2", "-o", Out("done"), "--report", report};
        if (skip) list.push_back("--skip-existing");
        list.insert(list.end(), photos.begin(), photos.end());
        return list;
    };
    const auto lines = [&](const std::string& path) {
        const std::string text = Slurp(path);
        return std::count(text.begin(), text.end(), '\n');
    };
    const std::string base = ScratchBase();
    const pid_t pid = Spawn(args(Out("first.jsonl"), false), CORVESSA_RENDER_PATH, base);
    ASSERT_GT(pid, 0);
    for (int wait = 0; wait < 30000 && lines(Out("first.jsonl")) < 6; ++wait) usleep(1000);
    kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    fs::remove(base + ".out");
    fs::remove(base + ".err");
    ASSERT_TRUE(WIFSIGNALED(status)) << "the batch ended before it was killed";

    // Whole lines, and every output present is a whole photo.
    const std::string first = Slurp(Out("first.jsonl"));
    EXPECT_TRUE(first.empty() || first.back() == '\n');
    size_t present = 0;
    for (const std::string& name : Listing(Out("done"))) {
        if (name[0] == '.') continue;  // a save cut short, hidden and locked; the next save removes it
        ++present;
        const TBitmap photo = ReadPhotoFile(Out("done/" + name));
        EXPECT_EQ(photo.Width(), 1600) << name;
        EXPECT_EQ(photo.Height(), 1200) << name;
    }
    EXPECT_GE(present, 6u);
    EXPECT_LT(present, 24u);

    const Outcome resumed = RunRenderer(args(Out("second.jsonl"), true));
    EXPECT_EQ(resumed.status, 0) << resumed.err;
    const std::vector<ReportEntry> report = ReadReport(Slurp(Out("second.jsonl")));
    EXPECT_EQ(report.size(), 24u);
    EXPECT_EQ(CountStatus(report, "skipped"), present);
    EXPECT_EQ(CountStatus(report, "rendered"), 24u - present);
    // Every output, and nothing else: no leftover of the killed run.
    EXPECT_EQ(Listing(Out("done")).size(), 24u);
    for (const std::string& name : Listing(Out("done"))) EXPECT_EQ(ReadPhotoFile(Out("done/" + name)).Height(), 1200) << name;
}

TEST_F(CliScale, SameBytesAsSingleRendersInEveryFormat) {
    WriteBytes(out_.File("phone.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    fs::copy_file(Photo(), out_.File("plain.bmp"));
    WritePictureFile(RandomBitmap(30, 20, 3), out_.File("flat.png"));
    const std::vector<std::string> photos = {out_.File("phone.jpg"), out_.File("plain.bmp"), out_.File("flat.png")};
    std::ofstream(Out("list.txt")) << photos[0] << "\n" << photos[1] << "\r\n\n" << photos[2] << "\n";
    for (const std::string format : {"jpg", "bmp", "png"}) {
        for (const std::string jobs : {"1", "2"}) {
            const std::string dir = Out(format + jobs);
            // The list on standard input.
            const Outcome run = RunRenderer({"--pic", Pic(), "--look", "Edge A:4", "--color", "10,120,200", "--strength", "70",
                                             "-j", jobs, "--format", format, "--name", "{name}-{category}-{effect}",
                                             "-o", dir, "--files-from", "-"},
                                            CORVESSA_RENDER_PATH, Out("list.txt"));
            ASSERT_EQ(run.status, 0) << run.err;
            for (const std::string& photo : photos) {
                const std::string single = Out("single." + format);
                ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "Edge A:4", "--color", "10,120,200", "--strength", "70",
                                       photo, single}).status, 0);
                const std::string name = fs::path(photo).stem().string() + "-EdgeA-4." + format;
                EXPECT_EQ(Slurp(dir + "/" + name), Slurp(single)) << name << " -j " << jobs;
            }
        }
    }
}

TEST_F(CliScale, GnuParallelSpreadsTheBatchOverLogins) {
    // The README's recipe with one login, ":", this machine without ssh.
    std::ofstream list(Out("list.txt"));
    std::vector<std::string> photos;
    for (const char* name : {"p0.bmp", "p1.bmp", "p2.bmp", "p3.bmp", "p4.bmp", "p5.bmp"}) {
        const uint32_t seed = uint32_t(40 + photos.size());
        photos.push_back(out_.File(name));
        WriteBmpFile(RandomBitmap(48, 32, seed), photos.back());
        list << photos.back() << "\n";
    }
    list.close();
    const std::string command = "cd " + out_.Path() + " && parallel --sshlogin : -j 2 -N 2 " CORVESSA_RENDER_PATH
                                " --pic " + Pic() + " --look LightA:3 --skip-existing --report - -o out/ {}"
                                " :::: list.txt > report.jsonl";
    const Outcome run = RunRenderer({"-c", command}, "/bin/sh");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<ReportEntry> report = ReadReport(Slurp(Out("report.jsonl")));
    EXPECT_EQ(report.size(), 6u);
    EXPECT_EQ(CountStatus(report, "rendered"), 6u);
    for (const std::string& photo : photos) {
        ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "LightA:3", photo, Out("single.bmp")}).status, 0);
        EXPECT_EQ(Slurp(Out("out/" + fs::path(photo).filename().string())), Slurp(Out("single.bmp"))) << photo;
    }
}

TEST_F(CliScale, NamePatternsAndFormats) {
    fs::create_directories(out_.File("shoot/day1"));
    fs::copy_file(Photo(), out_.File("shoot/day1/IMG.1.bmp"));
    // Fields, a pattern with an extension of its own, and a format that is
    // added unless the name ends in it.
    Outcome run = RunRenderer({"--pic", Pic(), "--look", "Light C:4", "-o", Out("a"), "--name", "{folder}_{name}_{look}.png",
                               out_.File("shoot/day1/IMG.1.bmp")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(SamePixels(ReadPicture(Out("a/day1_IMG.1_SideBokeh.png")), Reference(3, 4)));
    run = RunRenderer({"--pic", Pic(), "--look", "3:4", "-o", Out("b"), "--name", "{name}.JPG", "--format", "jpg",
                       out_.File("shoot/day1/IMG.1.bmp")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Listing(Out("b")), std::vector<std::string>{"IMG.1.JPG"});
    // A pattern with no field but text names every photo alike: each after
    // the first takes a number.
    run = RunRenderer({"--pic", Pic(), "--look", "3:4", "-o", Out("c"), "--name", "same", "--format", "bmp", Photo(),
                       out_.File("shoot/day1/IMG.1.bmp"), Photo()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Listing(Out("c")), (std::vector<std::string>{"same-2.bmp", "same-3.bmp", "same.bmp"}));
    // An unknown field is a wrong command line, and says which fields there are.
    run = RunRenderer({"--look", "3:4", "-o", Out("d"), "--name", "{name}-{date}", Photo()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown field {date}; the fields are {name}, {folder}, {category}, {effect} and {look}"),
              std::string::npos) << run.err;
}

// --- Errors -----------------------------------------------------------------------

// --- Edits before the look ------------------------------------------------------

using CliEdits = CliTest;

TEST_F(CliEdits, EditsComeBeforeTheLookInTheirOwnOrderWhateverTheOrderGiven) {
    // As the window does it: the photo edited, then the look on the result.
    EditSettings edits = EditSettings::Neutral();
    edits.straightenDegrees = 2.5;
    edits.crop = Crop{0, 0, 0, 0, 4, 5};
    edits.SetValue(AdjustmentId::kShadows, 40);
    edits.SetValue(AdjustmentId::kWarmth, 20);
    const FolderPictures pictures(Pic());
    RenderJob job(std::make_shared<const TBitmap>(ApplyEdits(ReadPhotoFile(Photo()), edits)), Look{17, 3}, pictures);
    const TBitmap expected = job.Run().picture;
    const std::vector<std::vector<std::string>> orders = {
        {"--straighten", "2.5", "--crop-ratio", "4:5", "--adjust", "shadows=40,warmth=20", "--look", "Film:3"},
        {"--look", "Film:3", "--adjust", "warmth=20", "--crop-ratio", "4:5", "--adjust", "shadows=40", "--straighten",
         "2.5"},
    };
    for (std::vector<std::string> args : orders) {
        args.insert(args.begin(), {"--pic", Pic()});
        args.insert(args.end(), {Photo(), Out("film.bmp")});
        const Outcome run = RunRenderer(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("film.bmp")), expected));
    }
}

TEST_F(CliEdits, EditsAloneWriteTheEditedPhotoAndNeutralOnesChangeNoByte) {
    EditSettings edits = EditSettings::Neutral();
    edits.quarterTurns = 3;
    edits.flipHorizontal = edits.flipVertical = true;
    edits.crop = Crop{2, 3, 20, 30};
    edits.SetValue(AdjustmentId::kExposure, -55);
    edits.SetValue(AdjustmentId::kVignette, 30);
    ASSERT_EQ(RunRenderer({"--rotate", "270", "--flip", "h", "--flip", "v", "--crop", "2,3,20,30", "--adjust",
                           "exposure=-0.55,vignette=30", Photo(), Out("e.bmp")})
                  .status,
              0);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("e.bmp")), ApplyEdits(ReadPhotoFile(Photo()), edits)));
    ASSERT_EQ(RunRenderer({"--adjust", "exposure=0,contrast=0", "--straighten", "0", Photo(), Out("n.bmp")}).status, 0);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("n.bmp")), ReadPhotoFile(Photo())));
    // Auto: the levels and white balance this photo's histogram asks for.
    ASSERT_EQ(RunRenderer({"--auto", Photo(), Out("a.bmp")}).status, 0);
    const TBitmap photo = ReadPhotoFile(Photo());
    EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("a.bmp")), ApplyEdits(photo, AutoAdjusted(photo, EditSettings::Neutral()))));
}

TEST_F(CliEdits, OrientationIsAppliedBeforeTheEditsAndSavedAsUpright) {
    // Stored 64 x 48 and tagged a quarter turn clockwise: the crop counts
    // in the upright 48 x 64 photo.
    WriteBytes(Out("phone.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    ASSERT_EQ(RunRenderer({"--crop", "0,0,40,20", "--adjust", "contrast=30", Out("phone.jpg"), Out("c.jpg")}).status, 0);
    PhotoMetadata metadata;
    const TBitmap upright = ReadPhotoUpright(Out("c.jpg"), metadata);
    EXPECT_EQ(upright.Width(), 40);
    EXPECT_EQ(upright.Height(), 20);
    auto image = Exiv2::ImageFactory::open(Out("c.jpg"));
    image->readMetadata();
    EXPECT_EQ(image->exifData()["Exif.Image.Orientation"].toLong(), 1);
    EXPECT_EQ(image->exifData()["Exif.Image.Model"].toString(), kTestCameraModel);
}

TEST_F(CliEdits, BatchesGiveEveryPhotoTheEdits) {
    WriteBytes(Out("b.bmp"), EncodeBmp(RandomBitmap(30, 50, 4)));
    ASSERT_EQ(RunRenderer({"--pic", Pic(), "--look", "4:2", "--rotate", "90", "--adjust", "saturation=-40", "-o",
                           Out("looks"), "--format", "bmp", Photo(), Out("b.bmp")})
                  .status,
              0);
    ASSERT_EQ(RunRenderer({"--rotate", "90", "--adjust", "saturation=-40", "-o", Out("alone"), "--format", "bmp",
                           "--name", "{name}-edited", Photo(), Out("b.bmp")})
                  .status,
              0);
    EditSettings edits = EditSettings::Neutral();
    edits.quarterTurns = 1;
    edits.SetValue(AdjustmentId::kSaturation, -40);
    const FolderPictures pictures(Pic());
    for (const std::string name : {"photo", "b"}) {
        const TBitmap edited = ApplyEdits(ReadPhotoFile(name == "b" ? Out("b.bmp") : Photo()), edits);
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("alone/" + name + "-edited.bmp")), edited)) << name;
        RenderJob job(std::make_shared<const TBitmap>(ApplyEdits(ReadPhotoFile(name == "b" ? Out("b.bmp") : Photo()), edits)),
                      Look{4, 2}, pictures);
        EXPECT_TRUE(SamePixels(ReadPhotoFile(Out("looks/" + name + ".bmp")), job.Run().picture)) << name;
    }
}

TEST_F(CliEdits, BadValuesNameTheOptionAndItsRangeAndWriteNothing) {
    const struct {
        std::vector<std::string> args;
        std::string says;
    } wrong[] = {
        {{"--rotate", "45"}, "--rotate wants 90, 180 or 270"},
        {{"--rotate", "90", "--rotate", "180"}, "--rotate wants 90, 180 or 270, once"},
        {{"--flip", "x"}, "--flip wants h or v"},
        {{"--straighten", "45.1"}, "--straighten wants degrees from -45 to 45"},
        {{"--straighten", "two"}, "--straighten wants degrees from -45 to 45"},
        {{"--crop", "0,0,0,5"}, "--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1"},
        {{"--crop", "-1,0,5,5"}, "--crop wants X,Y,W,H"},
        {{"--crop", "1,2,3"}, "--crop wants X,Y,W,H"},
        {{"--crop-ratio", "4/5"}, "--crop-ratio wants W:H with W and H from 1 to 10000"},
        {{"--crop-ratio", "0:5"}, "--crop-ratio wants W:H"},
        {{"--crop", "0,0,5,5", "--crop-ratio", "1:1"}, "give one of --crop and --crop-ratio, once"},
        {{"--adjust", "brightness=10"}, "--adjust wants KEY=VALUE,... with KEY one of exposure, contrast,"},
        {{"--adjust", "contrast"}, "--adjust wants KEY=VALUE"},
        {{"--adjust", "exposure=3.5"}, "--adjust exposure wants a number from -3 to 3"},
        {{"--adjust", "contrast=101"}, "--adjust contrast wants a whole number from -100 to 100"},
        {{"--adjust", "shadows=2.5"}, "--adjust shadows wants a whole number from -100 to 100"},
        {{"--adjust", "warmth=-101"}, "--adjust warmth wants a whole number from -100 to 100"},
        {{"--auto", "--strip", "Art"}, "the edits belong with --look, --lut, --filter or alone"},
        {{"--auto", "-o", "out", "--name", "{name}-{look}"}, "with the edits alone, --name takes {name} and {folder}"},
    };
    for (const auto& w : wrong) {
        std::vector<std::string> args = w.args;
        args.insert(args.end(), {Photo(), Out("never.jpg")});
        const Outcome run = RunRenderer(args);
        EXPECT_EQ(run.status, 2) << w.says;
        EXPECT_EQ(run.err.rfind("corvessa-render: " + w.says, 0), 0u) << run.err;
        EXPECT_FALSE(fs::exists(Out("never.jpg"))) << w.says;
    }
    // A crop outside the photo fails that photo, naming it.
    const Outcome outside = RunRenderer({"--crop", "500,500,10,10", Photo(), Out("never.jpg")});
    EXPECT_EQ(outside.status, 1);
    EXPECT_EQ(outside.err, "corvessa-render: The crop leaves nothing of the photo \u2014 " + Photo() + "\n");
    EXPECT_FALSE(fs::exists(Out("never.jpg")));
}

TEST_F(CliEdits, HelpListsEveryAdjustmentOfTheTable) {
    const Outcome run = RunRenderer({"--help"});
    ASSERT_EQ(run.status, 0);
    for (const Adjustment& row : kAdjustments) {
        // "      exposure    -3 to 3      Brighter or darker, ..."
        const size_t help = run.out.find(std::string(row.help) + "\n");
        ASSERT_NE(help, std::string::npos) << row.key;
        const size_t start = run.out.rfind('\n', help) + 1;
        std::istringstream line(run.out.substr(start, help - start));
        std::string key, from, to, upTo;
        line >> key >> from >> to >> upTo;
        EXPECT_EQ(key, row.key);
        EXPECT_EQ(from + " " + to + " " + upTo, row.id == AdjustmentId::kExposure ? "-3 to 3" : "-100 to 100");
    }
}

using CliErrors = CliTest;

TEST_F(CliErrors, FailedRendersSayWhyAndLeaveNoFile) {
    Outcome run = RunRenderer({"--pic", Pic(), "--look", "1:1", Out("nothing.bmp"), Out("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: Cannot open file " + Out("nothing.bmp") + ": No such file or directory\n");

    fs::create_directory(Out("pic"));  // a picture folder without pictures
    run = RunRenderer({"--pic", Out("pic"), "--look", "Star:3", Photo(), Out("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: Cannot open file " + Out("pic/star/3.ssl") + ": No such file or directory\n");

    fs::create_directory(Out("empty"));  // the same under another name
    run = RunRenderer({"--pic", Out("empty"), "--look", "Weather:1", Photo(), Out("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "corvessa-render: Cannot open file " + Out("empty/weather/1.ssl") + ": No such file or directory\n");

    run = RunRenderer({"--pic", Out("nowhere"), "--look", "Weather:1", Photo(), Out("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: Cannot open file " + Out("nowhere") + ": No such file or directory\n");

    run = RunRenderer({"--pic", Pic(), "--look", "1:1", Photo(), Out("a.xyz")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: Unknown picture file extension (.xyz) \u2014 " + Out("a.xyz") + "\n");

    run = RunRenderer({"--filter", "Invert", Photo(), Out("missing/dir/a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot create file"), std::string::npos) << run.err;

    // A FIFO is refused at once rather than waited on.
    ASSERT_EQ(mkfifo(Out("pipe.jpg").c_str(), 0600), 0);
    run = RunRenderer({"--filter", "Invert", Out("pipe.jpg"), Out("a.bmp")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvessa-render: Cannot open file " + Out("pipe.jpg") + ": it is not a regular file\n");
    fs::remove(Out("pipe.jpg"));

    // Only the empty picture folders remain: no output, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(out_.Path()), fs::directory_iterator()), 2);
}

TEST_F(CliErrors, CommandLinesThatMakeNoSense) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--look", "Nope:1", "a.bmp", "b.bmp"},
        {"--look", "1:11", "a.bmp", "b.bmp"},
        {"--look", "1:0", "a.bmp", "b.bmp"},
        {"--look", "18:1", "a.bmp", "b.bmp"},
        {"--look", "1", "a.bmp", "b.bmp"},
        {"--look", "1:1", "a.bmp"},
        {"--look", "1:1", "--color", "1,2", "a.bmp", "b.bmp"},
        {"--look", "1:1", "--color", "1,2,256", "a.bmp", "b.bmp"},
        {"--look", "1:1", "--seed", "-1", "a.bmp", "b.bmp"},
        {"--filter", "Bogus", "a.bmp", "b.bmp"},
        {"--filter", "GaussianBlur", "a.bmp", "b.bmp"},
        {"--filter", "Invert:3", "a.bmp", "b.bmp"},
        {"--filter", "Mosaic:x", "a.bmp", "b.bmp"},
        {"--filter", "SpotLight:1,2,3,4", "a.bmp", "b.bmp"},
        {"--filter", "Invert", "--color", "cancel", "a.bmp", "b.bmp"},
        {"--strip", "Art", "a.bmp"},
        {"--strip", "Art", "--thumbnail-size", "15", "a.bmp", "out"},
        {"--strip", "Art", "--thumbnail-size", "1025", "a.bmp", "out"},
        {"--look", "1:1", "--thumbnail-size", "64", "a.bmp", "b.bmp"},
        {"--look", "1:1", "--filter", "Invert", "a.bmp", "b.bmp"},
        {"--list", "a.bmp"},
        {"--look", "1:1", "--skip-existing", "a.bmp", "b.bmp"},
        {"--look", "1:1", "--files-from", "list.txt", "a.bmp", "b.bmp"},
        {"--look", "1:1", "-o", "out", "-0", "a.bmp"},
        {"--look", "1:1", "-o", "out", "-j", "0", "a.bmp"},
        {"--look", "1:1", "-o", "out", "--format", "gif", "a.bmp"},
        {"--look", "1:1", "-o", "out", "--name", "a/{name}", "a.bmp"},
        {"--look", "1:1", "-o", "out", "--name", "{name", "a.bmp"},
        {"--look", "1:1", "-o", "out"},
        {"--bogus"},
        {"--look"},
        {"--lut", "a.cube", "a.bmp"},
        {"--lut", "a.cube", "--look", "1:1", "a.bmp", "b.bmp"},
        {"--lut", "a.cube", "--color", "cancel", "a.bmp", "b.bmp"},
        {"--lut", "a.cube", "--pic", "pic", "a.bmp", "b.bmp"},
        {"--lut", "a.cube", "-o", "out", "--name", "{name}-{look}", "a.bmp"},
        {"--filter", "Invert", "--keep-faces", "a.bmp", "b.bmp"},
        {"--strip", "Art", "--keep-faces", "a.bmp", "out"},
    };
    for (const auto& args : wrong) {
        const Outcome run = RunRenderer(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("usage: corvessa-render"), std::string::npos) << line;
    }
}

TEST_F(CliErrors, ListShowsCategoriesAndFilters) {
    const Outcome run = RunRenderer({"--list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(" 1  Light A\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("16  Preset\n"), std::string::npos);
    EXPECT_NE(run.out.find("         4  Blue Giants\n"), std::string::npos);
    EXPECT_NE(run.out.find("SpotLight:STRENGTH,LEFT,TOP,RIGHT,BOTTOM"), std::string::npos);
}

}  // namespace
