#include "lookpack/strip_spread.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "io/photo_files.h"

extern char** environ;

namespace corvessa::lookpack {

namespace fs = std::filesystem;

double MeanAbsDifference(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) throw std::invalid_argument("thumbnails differ in size");
    uint64_t sum = 0;
    for (int y = 0; y < a.Height(); ++y) {
        const uint8_t* p = a.Row(y);
        const uint8_t* q = b.Row(y);
        for (size_t i = 0; i < a.RowBytes(); ++i) sum += uint64_t(std::abs(int(p[i]) - int(q[i])));
    }
    return a.ByteCount() ? double(sum) / double(a.ByteCount()) : 0.0;
}

StripSpread SpreadOf(std::span<const TBitmap> thumbnails) {
    if (thumbnails.size() < 2) throw std::invalid_argument("a spread needs two thumbnails");
    StripSpread spread;
    for (size_t i = 0; i < thumbnails.size(); ++i)
        for (size_t j = i + 1; j < thumbnails.size(); ++j)
            spread.pairs.push_back({int(i) + 1, int(j) + 1, MeanAbsDifference(thumbnails[i], thumbnails[j])});
    std::stable_sort(spread.pairs.begin(), spread.pairs.end(),
                     [](const PairDifference& p, const PairDifference& q) { return p.difference < q.difference; });
    const size_t count = spread.pairs.size(), mid = count / 2;
    spread.median = count % 2 ? spread.pairs[mid].difference
                              : (spread.pairs[mid - 1].difference + spread.pairs[mid].difference) / 2;
    return spread;
}

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "corvessa-strip-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

std::vector<TBitmap> RenderedStrip(const std::string& render, const std::string& picDir, const std::string& category,
                                   const std::string& photo) {
    const ScratchFolder scratch;
    const std::string errors = scratch.Path() + "/errors.txt", out = scratch.Path() + "/strip";
    std::vector<std::string> args{render};
    if (!picDir.empty()) args.insert(args.end(), {"--pic", picDir});
    args.insert(args.end(), {"--strip", category, photo, out});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int status = -1;
    const int spawned = posix_spawn(&pid, render.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot run " + render);
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::ifstream in(errors);
        std::stringstream text;
        text << in.rdbuf();
        throw std::runtime_error("--strip " + category + " failed: " + text.str());
    }
    std::vector<TBitmap> strip;
    for (int n = 1; n <= 10; ++n) strip.push_back(ReadBmpFile(out + "/" + std::to_string(n) + ".bmp"));
    return strip;
}

}  // namespace corvessa::lookpack
