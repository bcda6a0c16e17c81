#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <omp.h>

#include "catalogue/render_job.h"
#include "ground/error.h"
#include "io/photo_metadata.h"

namespace corvessa::cli {

namespace fs = std::filesystem;

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

}  // namespace

void CheckNotAnInput(const std::string& input, const std::string& output) {
    if (SameFile(input, output)) throw CorvessaError(output + " is the input; it is not overwritten");
}

void MakeFolder(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) throw CannotCreateFile(dir, ec ? ec.message() : "it is not a folder");
}

int RenderBatch(const Options& options, const PictureSource& pictures) {
    MakeFolder(*options.outDir);
    const std::vector<std::string>& inputs = options.positional;

    // Decide every output name first: an output that would land on an input,
    // or on another input's output, is refused before anything is written.
    std::vector<std::string> outputs(inputs.size());
    std::vector<std::string> refusals(inputs.size());
    std::set<std::string> taken;
    for (size_t i = 0; i < inputs.size(); ++i) {
        outputs[i] = (fs::path(*options.outDir) / fs::path(inputs[i]).filename()).string();
        std::error_code ec;
        const std::string key = fs::weakly_canonical(outputs[i], ec).string();
        for (const std::string& input : inputs)
            if (SameFile(input, outputs[i])) refusals[i] = outputs[i] + " is an input; it is not overwritten";
        if (refusals[i].empty() && !taken.insert(key).second)
            refusals[i] = outputs[i] + " is the output of an earlier input; it is not overwritten";
    }

    const bool progress = isatty(STDERR_FILENO);
    const unsigned workers = unsigned(std::min<size_t>({2, inputs.size(), std::max(1u, std::thread::hardware_concurrency())}));
    std::atomic<size_t> next{0};
    std::atomic<bool> allGood{true};
    std::mutex errMutex;
    size_t done = 0;

    const auto report = [&](const std::string& line) {
        std::lock_guard lock(errMutex);
        if (!line.empty()) {
            allGood = false;
            std::fprintf(stderr, "%scorvessa-render: %s\n", progress ? "\r\033[K" : "", line.c_str());
        }
        ++done;
        if (progress) std::fprintf(stderr, "\r\033[K%zu of %zu done", done, inputs.size());
    };

    const auto work = [&] {
        // With two inputs at a time each already has a core: keep the row
        // loops of this thread on it.
        if (workers > 1) omp_set_num_threads(1);
        for (size_t i; (i = next++) < inputs.size();) {
            if (!refusals[i].empty()) {
                report(refusals[i]);
                continue;
            }
            try {
                PhotoMetadata metadata;
                auto photo = std::make_shared<const TBitmap>(ReadPhotoUpright(inputs[i], metadata));
                RenderJob job(photo, options.look, pictures);
                job.DecideColour(options.Colour());
                job.SetStrength(options.strength);
                WritePictureFileWithMetadata(job.Run().picture, outputs[i], metadata);
                report("");
            } catch (const std::bad_alloc&) {
                report(inputs[i] + ": " + NotEnoughMemory().what());
            } catch (const std::exception& error) {
                report(inputs[i] + ": " + error.what());
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    if (progress) std::fprintf(stderr, "\n");
    return allGood ? 0 : 1;
}

}  // namespace corvessa::cli
