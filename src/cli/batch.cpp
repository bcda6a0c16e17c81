#include "cli/batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "cli/words.h"
#include "ground/error.h"
#include "ground/strength.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"

namespace corvessa {
namespace cli {

namespace fs = std::filesystem;

void CheckNotAnInput(const std::string& input, const std::string& output) {
    std::error_code ec;
    if (fs::equivalent(input, output, ec)) throw CorvessaError(output + " is the input; it is not overwritten");
}

void RenderLutPhoto(const UserLook& lut, int strength, const std::string& input, const std::string& output,
                    LinkPolicy links, int quality, std::string* warning, const batch::BatchEdits& edits,
                    const ExportChoices& exported, bool keepFaces) {
    PhotoMetadata metadata;
    TBitmap result;
    TBitmap photo = batch::EditPhoto(ReadPhotoUpright(input, metadata, warning), edits, input);
    if (keepFaces) {
        const auto shared = std::make_shared<const TBitmap>(std::move(photo));
        RenderJob job(shared, lut);
        job.SetFaces(std::make_shared<PhotoFaces>(shared));
        job.SetStrength(strength);
        result = std::move(job.Run().picture);
    } else {
        RenderJob job(std::move(photo), lut);
        job.SetStrength(strength);
        result = std::move(job.Run().picture);
    }
    PrepareExport(result, metadata, exported);
    WritePictureFileWithMetadata(result, output, metadata, links, quality);
}

namespace {

// The paths of a list, one a line (a line's \r dropped), or each ended by
// a NUL byte when `nul`; empty ones are passed over.
std::vector<std::string> ReadList(const std::string& path, bool nul) {
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) throw CannotOpenFile(path, std::strerror(errno));
    }
    std::istream& in = path == "-" ? std::cin : file;
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line, nul ? '\0' : '\n');) {
        if (!nul && !line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) paths.push_back(std::move(line));
    }
    if (in.bad()) throw CannotOpenFile(path, "it could not be read to its end");
    return paths;
}

bool WriteAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

std::string Clock(int64_t seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", (long long)(seconds / 3600),
                      (long long)(seconds / 60 % 60), (long long)(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", (long long)(seconds / 60), (long long)(seconds % 60));
    return text;
}

// Failures on standard error, the report line by line, and the progress
// line on a terminal.
class CommandLineObserver : public batch::BatchObserver {
public:
    CommandLineObserver(size_t total, int reportFd) : total_(total), reportFd_(reportFd), tty_(isatty(STDERR_FILENO)) {}

    void PhotoFinished(const batch::PhotoOutcome& outcome) override {
        ++done_;
        if (outcome.status == batch::Status::kRendered) ++rendered_;
        if (outcome.status == batch::Status::kFailed)
            std::fprintf(stderr, "%scorvessa-render: %s: %s\n", tty_ ? "\r\033[K" : "", outcome.input.c_str(),
                         RenderWords(outcome.message).c_str());
        // A warning names its file already, as the single render prints it.
        if (outcome.warning)
            std::fprintf(stderr, "%scorvessa-render: %s\n", tty_ ? "\r\033[K" : "", RenderWords(outcome.message).c_str());
        // One write a line, so a report cut short by a kill still holds
        // whole lines only.
        if (reportFd_ >= 0 && !WriteAll(reportFd_, batch::ReportLine(outcome) + "\n") && !reportFailed_) {
            reportFailed_ = true;
            std::fprintf(stderr, "corvessa-render: %s\n",
                         RenderWords("Stream write error: the report: " + std::string(std::strerror(errno))).c_str());
        }
        if (tty_) ShowProgress();
    }
    bool ReportFailed() const { return reportFailed_; }
    void EndProgress() const {
        if (tty_) std::fprintf(stderr, "\n");
    }

private:
    void ShowProgress() {
        const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        std::string left;
        if (rendered_ > 0 && done_ < total_)
            left = ", about " + Clock(int64_t(spent / double(done_) * double(total_ - done_) + 0.5)) + " left";
        const std::string line = std::to_string(done_) + " of " + std::to_string(total_) + " done, " +
                                 Clock(int64_t(spent)) + " spent" + left;
        std::fprintf(stderr, "\r\033[K%s", RenderWords(line).c_str());
    }

    const size_t total_;
    const int reportFd_;
    const bool tty_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    size_t done_ = 0, rendered_ = 0;
    bool reportFailed_ = false;
};

batch::Batch* g_running = nullptr;

// The first interrupt stops the batch after the photos in flight; a
// second one ends the program at once.
void StopBatch(int signal) {
    if (g_running) g_running->Cancel();
    std::signal(signal, SIG_DFL);
}

}  // namespace

int RenderBatch(const Options& options, const PictureSource& pictures, const UserLook* lut) {
    std::vector<std::string> inputs = options.positional;
    if (options.filesFrom) {
        std::vector<std::string> listed = ReadList(*options.filesFrom, options.nulSeparated);
        inputs.insert(inputs.end(), std::make_move_iterator(listed.begin()), std::make_move_iterator(listed.end()));
    }
    batch::BatchSettings settings;
    settings.look = {options.look, options.Colour(), kWhite, options.strength, {}};
    if (lut) settings.look.user = *lut;
    settings.look.none = options.mode == Mode::kEdit;
    settings.edits = options.edits.edits;
    settings.outputFolder = *options.outDir;
    // Without a pattern an output keeps its photo's file name.
    settings.names = options.names.value_or(batch::NamePattern("{name}"));
    settings.format = options.format;  // nothing: the extension of each name
    settings.quality = options.quality;
    settings.skipExisting = options.skipExisting;
    settings.workers = options.jobs;
    settings.exported = options.exported;
    settings.keepFaces = options.keepFaces;

    int reportFd = -1;
    if (options.report) {
        reportFd = *options.report == "-"
                       ? STDOUT_FILENO
                       : ::open(options.report->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (reportFd < 0) throw CannotCreateFile(*options.report, std::strerror(errno));
    }
    batch::Batch run(std::move(inputs), std::move(settings), pictures);
    LoadImagePlugins();  // here, not on a worker that ends first
    CommandLineObserver observer(run.Photos().size(), reportFd);
    g_running = &run;
    std::signal(SIGINT, StopBatch);
    std::signal(SIGTERM, StopBatch);
    const batch::BatchCounts counts = run.Run(observer);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_running = nullptr;
    observer.EndProgress();
    if (reportFd > STDERR_FILENO && ::close(reportFd) != 0 && !observer.ReportFailed()) {
        std::fprintf(stderr, "corvessa-render: %s\n",
                     RenderWords("Stream write error: " + *options.report + ": " + std::strerror(errno)).c_str());
        return 1;
    }
    return counts.failed == 0 && counts.cancelled == 0 && !observer.ReportFailed() ? 0 : 1;
}

}  // namespace cli
}  // namespace corvessa
