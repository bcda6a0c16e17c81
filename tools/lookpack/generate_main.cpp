// corvessa-lookpack PICDIR [FILTER...]
//
// Writes the look pack (every picture of the pack table and every colour
// table of the Film looks, or only those whose relative path starts with
// one of the filters, such as "star", "lightA/3.ssl" or "film") into PICDIR, creating its folders. Pictures are
// independent of each other, so they are shared out over the cores; each
// one comes out the same whichever thread makes it.

#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "io/files.h"
#include "lookpack/film_grades.h"
#include "lookpack/looks.h"

using namespace corvessa;
using namespace corvessa::lookpack;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PICDIR [FILTER...]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::vector<std::string> filters(argv + 2, argv + argc);
    const auto wanted = [&](const std::string& relativePath) {
        bool wanted = filters.empty();
        for (const std::string& prefix : filters) wanted = wanted || relativePath.rfind(prefix, 0) == 0;
        return wanted;
    };
    std::vector<PackFile> files;
    for (PackFile& f : PackFiles())
        if (wanted(f.relativePath)) files.push_back(std::move(f));
    try {
        std::filesystem::create_directories(dir);
        for (const PackFolder& folder : PackFolders()) std::filesystem::create_directories(dir / folder.name);
        // The colour tables are text, a few milliseconds each.
        for (const PackGradeFile& grade : PackGradeFiles()) {
            if (!wanted(grade.relativePath)) continue;
            const std::filesystem::path path = dir / grade.relativePath;
            std::filesystem::create_directories(path.parent_path());
            const std::string text = FilmGradeCube(grade.number);
            WriteFileSafely(path.string(), std::vector<uint8_t>(text.begin(), text.end()));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::atomic<size_t> next{0};
    std::mutex failureLock;
    std::string failure;
    auto worker = [&] {
        for (size_t i; (i = next++) < files.size();) {
            try {
                WriteFileSafely((dir / files[i].relativePath).string(), PackFileBytes(files[i]));
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(failureLock);
                failure = files[i].relativePath + ": " + e.what();
            }
        }
    };
    const unsigned threads = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();
    if (!failure.empty()) {
        std::fprintf(stderr, "look pack: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}
