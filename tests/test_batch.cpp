// The batch engine in process: output names from patterns, the plan that
// keeps outputs off inputs and off each other, the report's JSON, and a
// batch cancelled while photos are in flight.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <set>
#include <tuple>

#include "batch/batch.h"
#include "ground/error.h"
#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "picture_folder.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::batch;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

BatchSettings Settings(const std::string& pattern, std::optional<PhotoFormatId> format, const std::string& folder = "/out") {
    BatchSettings settings;
    settings.look.look = Look{3, 4};  // Light C 4, "Side Bokeh"
    settings.names = NamePattern(pattern);
    settings.format = format;
    settings.outputFolder = folder;
    return settings;
}

TEST(NamePattern, FieldsAndExtensions) {
    const Look look{3, 4};
    EXPECT_EQ(NamePattern().Expand("/shoot/day 1/IMG.0001.JPG", look), "IMG.0001-LightC-4");
    EXPECT_EQ(NamePattern("{folder}_{name} {look}!").Expand("/shoot/day 1/a.jpg", look), "day 1_a SideBokeh!");
    EXPECT_EQ(NamePattern("{name}").Expand("relative.bmp", look), "relative");
    EXPECT_EQ(NamePattern("{folder}").Expand("shoot/../x/a.jpg", look), "x");

    EXPECT_FALSE(NamePattern().HasExtension());
    EXPECT_TRUE(NamePattern("{name}.png").HasExtension());
    EXPECT_FALSE(NamePattern("{name}-v1.0-{effect}").HasExtension());  // the dot is not at the end
    EXPECT_FALSE(NamePattern("{name}.").HasExtension());

    // Jpeg for a name that ends in .JPG already; the photo's own extension
    // when no format is given and the pattern has none.
    EXPECT_EQ(OutputFileName("/a/b.bmp", Settings("{name}", PhotoFormatId::kPng)), "b.png");
    EXPECT_EQ(OutputFileName("/a/b.bmp", Settings("{name}.JPG", PhotoFormatId::kJpeg)), "b.JPG");
    EXPECT_EQ(OutputFileName("/a/b.bmp", Settings("{name}.old", PhotoFormatId::kJpeg)), "b.old.jpg");
    EXPECT_EQ(OutputFileName("/a/b.x.jpeg", Settings("{name}", std::nullopt)), "b.x.jpeg");
    EXPECT_EQ(OutputFileName("/a/b.jpeg", Settings("{name}.png", std::nullopt)), "b.png");

    // A user's table: its name, without what a file name cannot hold.
    UserLook table;
    table.name = "Teal / Night";
    EXPECT_EQ(NamePattern().Expand("/a/b.jpg", table), "b-MyLooks-TealNight");
    EXPECT_EQ(NamePattern("{look}").Expand("/a/b.jpg", table), "TealNight");
    BatchSettings settings = Settings("{name}-{category}", PhotoFormatId::kPng);
    settings.look.user = table;
    EXPECT_EQ(OutputFileName("/a/b.bmp", settings), "b-MyLooks.png");
    table.name = "..";
    EXPECT_THROW(NamePattern("{look}").Expand("/a/b.jpg", table), CorvessaError);
}

TEST(NamePattern, MistakesAreNamed) {
    EXPECT_EQ(ErrorOf([] { NamePattern(""); }), "The name pattern is empty");
    EXPECT_EQ(ErrorOf([] { NamePattern("out/{name}"); }), "The name pattern \"out/{name}\" may not hold a /");
    EXPECT_EQ(ErrorOf([] { NamePattern("{name"); }), "The name pattern \"{name\" has a { without a }");
    EXPECT_EQ(ErrorOf([] { NamePattern("name}"); }), "The name pattern \"name}\" has a } without a {");
    EXPECT_EQ(ErrorOf([] { NamePattern("{Name}"); }),
              "The name pattern \"{Name}\" has an unknown field {Name}; the fields are {name}, {folder}, {category}, "
              "{effect} and {look}");
    // A photo in the root folder has no folder name to give.
    EXPECT_EQ(ErrorOf([] { NamePattern("{folder}").Expand("/a.jpg", Look{1, 1}); }),
              "The name pattern \"{folder}\" gives /a.jpg no file name");
}

TEST(PlanOutputs, SameNamesTakeNumbersAndInputsAreNeverTargets) {
    TempDir dir;
    fs::create_directories(dir.File("one"));
    fs::create_directories(dir.File("two"));
    fs::create_directories(dir.File("out"));
    for (const char* name : {"one/a.bmp", "two/a.bmp", "one/b.bmp"}) WriteBmpFile(RandomBitmap(4, 4, 1), dir.File(name));
    // out/b.bmp is another name of the input one/b.bmp.
    fs::create_hard_link(dir.File("one/b.bmp"), dir.File("out/b.bmp"));
    const BatchSettings settings = Settings("{name}", std::nullopt, dir.File("out"));
    const std::vector<std::string> inputs = {dir.File("one/a.bmp"), dir.File("two/a.bmp"), dir.File("one/a.bmp"),
                                             dir.File("one/b.bmp"), dir.File("out/a-2.bmp")};
    const std::vector<PlannedPhoto> plan = PlanOutputs(inputs, settings);
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(plan[0].output, dir.File("out/a.bmp"));
    EXPECT_EQ(plan[1].output, dir.File("out/a-2.bmp"));
    EXPECT_EQ(plan[2].output, dir.File("out/a-3.bmp"));
    EXPECT_EQ(plan[3].refusal, dir.File("out/b.bmp") + " is an input; it is not overwritten");
    // The name a-2.bmp an earlier photo took; and it is an input itself.
    EXPECT_EQ(plan[4].output, dir.File("out/a-2-2.bmp"));
    EXPECT_EQ(plan[1].refusal, dir.File("out/a-2.bmp") + " is an input; it is not overwritten");
    for (size_t i : {0, 2, 4}) EXPECT_EQ(plan[i].refusal, "") << i;
    // The same list plans the same names again.
    const std::vector<PlannedPhoto> again = PlanOutputs(inputs, settings);
    for (size_t i = 0; i < plan.size(); ++i) EXPECT_EQ(again[i].output, plan[i].output);
}

TEST(ReportLine, IsOneLineOfJsonThatMapsBackToTheFile) {
    PhotoOutcome outcome{7, "/in/\"quoted\" \\ back\tslash.jpg", "/out/caf\xC3\xA9 \xF0\x9F\x93\xB7.jpg", Status::kFailed,
                         "line one\nline two \x01 bad \xC3\x28 \xED\xA0\x80 end", 42};
    EXPECT_EQ(ReportLine(outcome),
              "{\"input\":\"/in/\\\"quoted\\\" \\\\ back\\tslash.jpg\","
              "\"output\":\"/out/caf\xC3\xA9 \xF0\x9F\x93\xB7.jpg\",\"status\":\"failed\","
              "\"message\":\"line one\\nline two \\u0001 bad \xEF\xBF\xBD( \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD end\","
              "\"warning\":false,\"milliseconds\":42}");
    // A name that is not UTF-8 has its bytes beside it, percent-encoded.
    EXPECT_EQ(ReportLine({0, "/in/a\xFF b%.jpg", "/out/a\xFF b%.png", Status::kRendered, "", 5}),
              "{\"input\":\"/in/a\xEF\xBF\xBD b%.jpg\",\"input_bytes\":\"/in/a%FF%20b%25.jpg\","
              "\"output\":\"/out/a\xEF\xBF\xBD b%.png\",\"output_bytes\":\"/out/a%FF%20b%25.png\","
              "\"status\":\"rendered\",\"message\":\"\",\"warning\":false,\"milliseconds\":5}");
}

// Cancels the batch as soon as the first photo starts.
class CancelAtFirstStart : public BatchObserver {
public:
    explicit CancelAtFirstStart(Batch& batch) : batch_(batch) {}
    void PhotoStarted(size_t, const std::string&) override { batch_.Cancel(); }
    void PhotoFinished(const PhotoOutcome& outcome) override { outcomes.push_back(outcome); }
    std::vector<PhotoOutcome> outcomes;

private:
    Batch& batch_;
};

TEST(Batch, CancelFinishesThePhotosInFlightAndStartsNoOther) {
    TempDir dir;
    MakePictureFolder(dir.Path() + "/");
    const FolderPictures pictures(dir.File("pic"));
    std::vector<std::string> inputs;
    for (uint32_t i = 0; i < 12; ++i) {
        inputs.push_back(dir.File(std::to_string(i)) + ".bmp");
        WriteBmpFile(RandomBitmap(300, 200, i), inputs.back());
    }
    BatchSettings settings = Settings("{name}", PhotoFormatId::kJpeg, dir.File("out"));
    settings.workers = 2;
    Batch batch(inputs, settings, pictures);
    CancelAtFirstStart observer(batch);
    const BatchCounts counts = batch.Run(observer);

    // Each photo is told of once; at most one per worker was in flight.
    ASSERT_EQ(observer.outcomes.size(), inputs.size());
    std::set<size_t> indices;
    for (const PhotoOutcome& outcome : observer.outcomes) indices.insert(outcome.index);
    EXPECT_EQ(indices.size(), inputs.size());
    EXPECT_GE(counts.rendered, 1u);
    EXPECT_LE(counts.rendered, 2u);
    EXPECT_EQ(counts.rendered + counts.cancelled, inputs.size());
    // Only the photos rendered have files, and whole ones.
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir.File("out"))) {
        ++files;
        EXPECT_EQ(ReadPicture(entry.path().string()).Width(), 300) << entry.path();
    }
    EXPECT_EQ(files, counts.rendered);
}

TEST(Batch, AnOutputFolderThatCannotBeMadeFailsEveryPhoto) {
    TempDir dir;
    WriteBytes(dir.File("file"), {1, 2, 3});
    const FolderPictures pictures(dir.File("pic"));
    struct Collect : BatchObserver {
        std::vector<PhotoOutcome> outcomes;
        void PhotoFinished(const PhotoOutcome& outcome) override { outcomes.push_back(outcome); }
    } observer;
    Batch batch({dir.File("a.bmp"), dir.File("b.bmp")}, Settings("{name}", PhotoFormatId::kBmp, dir.File("file/out")),
                pictures);
    EXPECT_EQ(batch.Run(observer).failed, 2u);
    ASSERT_EQ(observer.outcomes.size(), 2u);
    for (const PhotoOutcome& outcome : observer.outcomes)
        EXPECT_EQ(outcome.message.rfind("Cannot create file " + dir.File("file/out"), 0), 0u) << outcome.message;
}

TEST(Batch, AnOutputThatIsALinkFailsAndNothingOutsideTheFolderChanges) {
    TempDir dir;
    MakePictureFolder(dir.Path() + "/", 8);
    const FolderPictures pictures(dir.File("pic"));
    WriteBytes(dir.File("a.bmp"), EncodeBmp(RandomBitmap(8, 6, 1)));
    fs::create_directory(dir.File("out"));
    WriteBytes(dir.File("notes.txt"), {'n'});
    fs::create_symlink(dir.File("notes.txt"), dir.File("out/a.bmp"));
    struct Collect : BatchObserver {
        std::vector<PhotoOutcome> outcomes;
        void PhotoFinished(const PhotoOutcome& outcome) override { outcomes.push_back(outcome); }
    } observer;
    Batch batch({dir.File("a.bmp")}, Settings("{name}", PhotoFormatId::kBmp, dir.File("out")), pictures);
    EXPECT_EQ(batch.Run(observer).failed, 1u);
    ASSERT_EQ(observer.outcomes.size(), 1u);
    EXPECT_EQ(observer.outcomes[0].message, "Cannot create file " + dir.File("out/a.bmp") + ": it is a symbolic link");
    EXPECT_EQ(ReadWholeFile(dir.File("notes.txt")), std::vector<uint8_t>{'n'});
}

TEST(Batch, EveryPhotoGetsTheEditsBeforeItsLookOrAlone) {
    TempDir dir;
    MakePictureFolder(dir.Path() + "/", 8);
    const FolderPictures pictures(dir.File("pic"));
    const TBitmap first = RandomBitmap(24, 16, 1), second = GradientBitmap(20, 30);
    WriteBytes(dir.File("a.bmp"), EncodeBmp(first));
    WriteBytes(dir.File("b.bmp"), EncodeBmp(second));
    EditSettings edits = EditSettings::Neutral();
    edits.quarterTurns = 1;
    edits.crop = Crop{0, 0, 0, 0, 1, 1};
    edits.SetValue(AdjustmentId::kContrast, 35);
    const struct {
        bool none, autoEach;
    } cases[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        BatchSettings settings = Settings("{name}-{category}", PhotoFormatId::kBmp, dir.File("out"));
        settings.look.none = c.none;
        settings.edits = {edits, c.autoEach};
        struct Count : BatchObserver {
            void PhotoFinished(const PhotoOutcome&) override {}
        } observer;
        Batch batch({dir.File("a.bmp"), dir.File("b.bmp")}, settings, pictures);
        ASSERT_EQ(batch.Run(observer).rendered, 2u);
        for (const auto& [name, photo] : {std::pair{"a", &first}, {"b", &second}}) {
            const TBitmap edited = ApplyEdits(*photo, c.autoEach ? AutoAdjusted(*photo, edits) : edits);
            TBitmap expected;
            if (c.none) {
                expected.CopyFrom(edited);
            } else {
                RenderJob job(std::make_shared<const TBitmap>(ApplyEdits(*photo, edits)), settings.look.look, pictures);
                expected = job.Run().picture;
            }
            const std::string out = dir.File("out/" + std::string(name) + (c.none ? "-Edited.bmp" : "-LightC.bmp"));
            EXPECT_TRUE(SamePixels(ReadPhotoFile(out), expected)) << out << (c.autoEach ? " with Auto" : "");
        }
        fs::remove_all(dir.File("out"));
    }
    // A crop beside the photo fails that photo alone, naming it.
    BatchSettings settings = Settings("{name}", PhotoFormatId::kBmp, dir.File("out"));
    settings.edits.settings.crop = Crop{22, 0, 5, 5};
    struct Collect : BatchObserver {
        std::map<std::string, PhotoOutcome> outcomes;
        void PhotoFinished(const PhotoOutcome& outcome) override { outcomes[outcome.input] = outcome; }
    } observer;
    Batch batch({dir.File("a.bmp"), dir.File("b.bmp")}, settings, pictures);
    EXPECT_EQ(batch.Run(observer).failed, 1u);
    EXPECT_EQ(observer.outcomes[dir.File("a.bmp")].status, Status::kRendered);
    EXPECT_EQ(observer.outcomes[dir.File("b.bmp")].message,
              "The crop leaves nothing of the photo \u2014 " + dir.File("b.bmp"));
}

// Renders nothing: each photo fails as its name says, and every call is
// noted with the photos in flight and those told of by then.
struct ScriptedPhotos : BatchObserver {
    std::mutex mutex;
    std::vector<std::tuple<std::string, int, size_t>> calls;  // name, in flight, told of
    std::map<std::string, PhotoOutcome> outcomes;
    int inFlight = 0;

    std::string Render(const std::string& input) {
        const std::string name = fs::path(input).stem().string();
        bool first = true;
        {
            std::lock_guard lock(mutex);
            for (const auto& call : calls) first = first && std::get<0>(call) != name;
            calls.emplace_back(name, ++inFlight, outcomes.size());
        }
        struct Leave {
            ScriptedPhotos* p;
            ~Leave() {
                std::lock_guard lock(p->mutex);
                --p->inFlight;
            }
        } leave{this};
        if (name == "fits-alone" && first) throw std::bad_alloc();
        if (name == "saves-alone" && first) throw NotEnoughMemoryToSave("HEIC");
        if (name == "never-fits") throw CorvessaError(std::string(NotEnoughMemory().what()) + " \u2014 " + input);
        if (name == "broken") throw CorvessaError("Bitmap image is not valid: no header \u2014 " + input);
        return "";
    }
    void PhotoFinished(const PhotoOutcome& outcome) override {
        std::lock_guard lock(mutex);
        outcomes[fs::path(outcome.input).stem().string()] = outcome;
    }
};

TEST(Batch, PhotosShortOfMemoryBesideOthersAreTriedOnceMoreAlone) {
    TempDir dir;
    const FolderPictures pictures(dir.File("pic"));
    std::vector<std::string> inputs;
    for (const char* name : {"a", "fits-alone", "b", "never-fits", "broken", "c", "saves-alone", "d"})
        inputs.push_back(dir.File(name) + ".bmp");
    for (const unsigned workers : {1u, 2u}) {
        SCOPED_TRACE(workers);
        BatchSettings settings = Settings("{name}", PhotoFormatId::kBmp, dir.File("out"));
        settings.workers = workers;
        Batch batch(inputs, settings, pictures);
        ScriptedPhotos photos;
        batch.RenderWith([&](const std::string& input, const std::string&) { return photos.Render(input); });
        const BatchCounts counts = batch.Run(photos);
        ASSERT_EQ(photos.outcomes.size(), inputs.size());
        // Alone already, one worker tries nothing again; with two, each
        // retry comes once every other photo is told of, none beside it.
        const size_t retries = workers == 1 ? 0 : 3;
        ASSERT_EQ(photos.calls.size(), inputs.size() + retries);
        for (size_t i = inputs.size(); i < photos.calls.size(); ++i) {
            EXPECT_EQ(std::get<1>(photos.calls[i]), 1);
            EXPECT_EQ(std::get<2>(photos.calls[i]), i - retries);
        }
        EXPECT_EQ(photos.outcomes["fits-alone"].status, workers == 1 ? Status::kFailed : Status::kRendered);
        EXPECT_EQ(photos.outcomes["saves-alone"].status, workers == 1 ? Status::kFailed : Status::kRendered);
        EXPECT_EQ(photos.outcomes["never-fits"].message, "Not enough memory for the picture \u2014 " + inputs[3]);
        EXPECT_EQ(counts.failed, workers == 1 ? 4u : 2u);
    }
}

}  // namespace
