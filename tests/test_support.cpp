#include "test_support.h"

#include "ground/parallel.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace corvessa::test {

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

TBitmap RandomBitmap(int width, int height, uint32_t seed) {
    TBitmap b(width, height);
    uint32_t s = seed * 2654435761u + 12345u;
    for (size_t i = 0; i < b.ByteCount(); ++i) {
        s = s * 1664525u + 1013904223u;
        b.Data()[i] = uint8_t(s >> 24);
    }
    return b;
}

TBitmap SolidBitmap(int width, int height, Rgb colour) {
    TBitmap b(width, height);
    b.SetFillColor(colour);
    b.FillAll();
    b.SetFillColor(kWhite);
    return b;
}

TBitmap GradientBitmap(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = b.Pixel(x, y);
            p[0] = uint8_t(255 * x / std::max(1, width - 1));
            p[1] = uint8_t(255 * y / std::max(1, height - 1));
            p[2] = uint8_t(128 + 64 * (x + y) / std::max(1, width + height));
        }
    return b;
}

TBitmap Copy(const TBitmap& b) {
    TBitmap copy;
    copy.CopyFrom(b);
    return copy;
}

TBitmap Stretched(const TBitmap& source, int w, int h) {
    TBitmap out(w, h);
    out.StretchDraw(source);
    return out;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (size_t i = 0; i < a.RowBytes(); ++i)
            if (a.Row(y)[i] != b.Row(y)[i]) return false;
    return true;
}

int MaxDifference(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return 256;
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (size_t i = 0; i < a.RowBytes(); ++i) worst = std::max(worst, std::abs(a.Row(y)[i] - b.Row(y)[i]));
    return worst;
}

Rgb PixelAt(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.Pixel(x, y);
    return Rgb{p[2], p[1], p[0]};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvessa-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string CubeText(int size, bool is3D, const CubeColour& colour, const std::string& head) {
    std::string text = head + (is3D ? "LUT_3D_SIZE " : "LUT_1D_SIZE ") + std::to_string(size) + "\n";
    const int count = is3D ? size * size * size : size;
    char line[96];
    for (int i = 0; i < count; ++i) {
        const double d = size - 1;
        const double r = (i % size) / d, g = is3D ? (i / size % size) / d : r, b = is3D ? (i / size / size) / d : r;
        double out[3];
        colour(r, g, b, out);
        std::snprintf(line, sizeof line, "%.9g %.9g %.9g\n", out[0], out[1], out[2]);
        text += line;
    }
    return text;
}

void SameColour(double r, double g, double b, double out[3]) { out[0] = r, out[1] = g, out[2] = b; }
void InvertedColour(double r, double g, double b, double out[3]) { out[0] = 1 - r, out[1] = 1 - g, out[2] = 1 - b; }

std::string ErrorWithLittleMemory(const std::function<void()>& action, uint64_t extraMegabytes) {
    int pipe_[2];
    if (pipe(pipe_) != 0) return "(pipe failed)";
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_[0]);
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        std::ifstream statm("/proc/self/statm");
        long pages = 0;
        statm >> pages;
        limit.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(extraMegabytes) << 20);
        setrlimit(RLIMIT_AS, &limit);
        // The parent's OpenMP workers are not there after fork(): a row loop
        // waiting for them would wait for ever.
        LimitRowThreads(1);
        const std::string error = ErrorOf(action);
        const ssize_t written = write(pipe_[1], error.data(), error.size());
        std::_Exit(written == ssize_t(error.size()) ? 0 : 1);
    }
    close(pipe_[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(pipe_[0], buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
    close(pipe_[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "(child failed)";
}

}  // namespace corvessa::test
