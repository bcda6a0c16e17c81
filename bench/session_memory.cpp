// corvessa-session-memory [--every-category] [MEGAPIXELS...]: the main window driven offscreen
// through one editing session per photo size (24, 50 and 100 megapixels
// unless given), printing the resident memory after each step: the peak so
// far and the current amount, in megabytes and as multiples of one photo
// buffer (three bytes a pixel). With several sizes each runs in a process
// of its own, so the peaks do not carry over.
//
// The session: open a JPEG, the Light A and the Art strips, Light A 3 and
// Preset 1 at full size, Apply, Star 4 and Apply, Undo, Save as JPEG and as
// PNG, then a batch of four copies of the photo in the window's batch
// runner (what the window holds once it has finished); with
// --every-category then every category's strip and two of its looks.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fake_dialogs.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "shell/batch_runner.h"
#include "catalogue/catalogue.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/main_layout.h"

using namespace corvessa;

namespace {

namespace fs = std::filesystem;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double CurrentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A photo-like picture: smooth gradients with some texture, so the JPEG is
// of an ordinary size.
TBitmap MakePhoto(int width, int height) {
    TBitmap photo(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = photo.Row(y);
        for (int x = 0; x < width; ++x) {
            const int t = (x * 7 + y * 3) & 63;
            row[3 * x] = uint8_t(x * 255 / width);
            row[3 * x + 1] = uint8_t(y * 255 / height);
            row[3 * x + 2] = uint8_t(128 + t);
        }
    }
    return photo;
}

QSize PhotoSize(double megapixels) {
    const int width = int(std::lround(std::sqrt(megapixels * 1e6 * 4 / 3)));
    return QSize(width, width * 3 / 4);
}

// Written by a process of its own, so that none of its memory is counted.
bool WritePhoto(QSize size, const std::string& path) {
    const pid_t child = fork();
    if (child == 0) {
        WriteJpegFile(MakePhoto(size.width(), size.height()), path);
        std::_Exit(0);
    }
    int result = 0;
    waitpid(child, &result, 0);
    return WIFEXITED(result) && WEXITSTATUS(result) == 0;
}

int RunSession(double megapixels, const std::string& appDir, bool everyCategory, int argc, char** argv) {
    const QSize size = PhotoSize(megapixels);
    const int width = size.width(), height = size.height();
    const double photoMb = double(width) * height * 3 / (1024.0 * 1024.0);
    const std::string folder = fs::temp_directory_path() / ("corvessa-session-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string photo = folder + "/photo.jpg";
    if (!WritePhoto(size, photo)) return 1;

    QApplication app(argc, argv);
    auto dialogs = std::make_unique<test::FakeDialogs>();
    test::FakeDialogs& answers = *dialogs;
    TFormMain form(appDir, std::move(dialogs), QSize(1280, 1024));
    form.show();
    app.processEvents();
    std::printf("%dx%d (%.0f MP, one buffer %.0f MB)\n", width, height, megapixels, photoMb);
    std::printf("  %-22s %9s %9s %9s\n", "step", "peak MB", "now MB", "peak/buf");
    // Every step waits for the window's jobs it started.
    const auto settle = [&] {
        while (form.Opening() || form.Rendering() || form.Saving() || form.DrawingStrip() ||
               form.FormPreview()->Mixing())
            app.processEvents(QEventLoop::AllEvents, 20);
        app.processEvents();
    };
    const auto report = [&](const char* step) {
        settle();
        const double peak = PeakMegabytes();
        std::printf("  %-22s %9.0f %9.0f %9.1f\n", step, peak, CurrentMegabytes(), peak / photoMb);
        std::fflush(stdout);
    };
    report("start");
    form.OpenPhoto(photo);
    report("open");
    form.CategoryClick(1);
    report("strip Light A");
    form.CategoryClick(15);
    report("strip Art");
    form.CategoryClick(1);
    settle();
    form.ThumbnailClick(3);
    report("render Light A 3");
    form.CategoryClick(16);
    settle();
    form.ThumbnailClick(1);
    report("render Preset 1");
    form.FormPreview()->BtnApplyClick();
    report("apply");
    form.CategoryClick(4);
    settle();
    form.ThumbnailClick(4);
    settle();
    form.FormPreview()->BtnApplyClick();
    report("render Star 4, apply");
    form.BtnUndoClick();
    report("undo");
    answers.saveAnswers.push_back(SaveChoice{folder + "/saved.jpg", kSaveFilterJpeg});
    form.BtnSaveClick();
    report("save");
    answers.saveAnswers.push_back(SaveChoice{folder + "/saved.png", kSaveFilterPng});
    form.BtnSaveClick();
    report("save as PNG");
    {
        std::vector<std::string> inputs;
        for (int i = 0; i < 4; ++i) {
            inputs.push_back(folder + "/batch" + std::to_string(i) + ".jpg");
            fs::copy_file(photo, inputs.back());
        }
        fs::create_directories(folder + "/out");
        batch::BatchSettings settings;
        settings.look.look = Look{1, 3};
        settings.outputFolder = folder + "/out";
        TBatchRunner runner(inputs, settings, std::make_shared<FolderPictures>(appDir + "pic"));
        QEventLoop loop;
        QObject::connect(&runner, &TBatchRunner::Finished, &loop, &QEventLoop::quit);
        runner.Start();
        loop.exec();
    }
    report("batch of 4, finished");
    if (everyCategory) {
        // Every category's strip and its first and last looks at full size.
        for (const Category& category : kCategories) {
            form.CategoryClick(category.number);
            settle();
            for (int n : {1, kEffectCount}) {
                form.ThumbnailClick(n);
                settle();
            }
        }
        report("every category");
    }
    for (const std::string& error : answers.errors) std::printf("  error: %s\n", error.c_str());
    fs::remove_all(folder);
    return answers.errors.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const std::string appDir = self.parent_path().string() + "/";
    std::vector<double> sizes;
    bool everyCategory = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--every-category")
            everyCategory = true;
        else
            sizes.push_back(std::atof(argv[i]));
    }
    if (sizes.empty()) sizes = {24, 50, 100};
    if (sizes.size() == 1) return RunSession(sizes[0], appDir, everyCategory, 1, argv);  // in this process, for a profiler
    int status = 0;
    for (double megapixels : sizes) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) std::_Exit(RunSession(megapixels, appDir, everyCategory, 1, argv));
        int result = 0;
        waitpid(child, &result, 0);
        if (!WIFEXITED(result) || WEXITSTATUS(result) != 0) status = 1;
    }
    return status;
}
