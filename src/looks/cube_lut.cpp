#include "looks/cube_lut.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

// A word of the file in quotes, cut short: built by appending, since
// GCC 12 warns falsely on "..." + std::string here.
std::string Quoted(std::string_view word) {
    std::string text(1, '"');
    text.append(word.substr(0, 40));
    text += '"';
    return text;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// The words of one line, split at blanks.
class Words {
public:
    explicit Words(std::string_view line) : rest_(line) {}
    bool Next(std::string_view& word) {
        size_t i = 0;
        while (i < rest_.size() && IsSpace(rest_[i])) ++i;
        if (i == rest_.size()) return false;
        size_t j = i;
        while (j < rest_.size() && !IsSpace(rest_[j])) ++j;
        word = rest_.substr(i, j - i);
        rest_ = rest_.substr(j);
        return true;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

class Parser {
public:
    Parser(std::string_view text, const std::string& path) : text_(text), path_(path) {}

    CubeLut Run() {
        if (text_.size() > kMaxCubeFileBytes) Fail("the file is longer than " + std::to_string(kMaxCubeFileBytes >> 20) + " MB");
        // Lines end with LF (Unix), CR LF (Windows) or a lone CR (files
        // saved on old Macs, which some LUT packs still ship).
        size_t at = 0;
        while (at < text_.size()) {
            size_t end = text_.find_first_of("\r\n", at);
            if (end == std::string_view::npos) end = text_.size();
            ++lineNumber_;
            Line(text_.substr(at, end - at));
            at = end + (text_.substr(end, 2) == "\r\n" ? 2 : 1);
        }
        if (lut_.size == 0) Fail("it gives neither LUT_1D_SIZE nor LUT_3D_SIZE");
        if (entries_ != expected_)
            Fail("it holds " + std::to_string(entries_) + " entries where its size wants " + std::to_string(expected_));
        for (int c = 0; c < 3; ++c)
            if (!(lut_.domainMin[size_t(c)] < lut_.domainMax[size_t(c)])) Fail("DOMAIN_MIN is not below DOMAIN_MAX");
        return std::move(lut_);
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const { throw InvalidCubeFile(reason, path_); }
    [[noreturn]] void FailOnLine(const std::string& reason) const {
        Fail("line " + std::to_string(lineNumber_) + ": " + reason);
    }

    float Number(std::string_view word) const {
        if (word.size() > 1 && word[0] == '+') word.remove_prefix(1);
        float value = 0;
        const char* end = word.data() + word.size();
        const auto [ptr, ec] = std::from_chars(word.data(), end, value);
        if (ec == std::errc::result_out_of_range) FailOnLine("a value is out of range");
        if (ec != std::errc() || ptr != end) FailOnLine(Quoted(word) + " is not a number");
        if (!std::isfinite(value)) FailOnLine("a value is not a finite number");
        return value;
    }

    // Exactly three numbers, the rest of the line.
    std::array<float, 3> Triple(Words& words) const {
        std::array<float, 3> v{};
        std::string_view word;
        for (float& x : v) {
            if (!words.Next(word)) FailOnLine("three numbers are wanted");
            x = Number(word);
        }
        if (words.Next(word)) FailOnLine("three numbers are wanted");
        return v;
    }

    void Size(Words& words, bool is3D) {
        if (lut_.size != 0) FailOnLine("the size is given twice");
        if (entries_ != 0) FailOnLine("the size comes after the entries");
        std::string_view word;
        const int limit = is3D ? kMaxCube3DSize : kMaxCube1DSize;
        long long n = 0;
        if (!words.Next(word)) FailOnLine("the size is missing");
        const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
        if (ec != std::errc() || ptr != word.data() + word.size())
            FailOnLine(Quoted(word) + " is not a size");
        if (n < 2 || n > limit)
            FailOnLine("size " + std::string(word.substr(0, 40)) + " is outside 2 to " + std::to_string(limit));
        if (words.Next(word)) FailOnLine("one size is wanted");
        lut_.is3D = is3D;
        lut_.size = int(n);
        expected_ = is3D ? size_t(n) * size_t(n) * size_t(n) : size_t(n);
        // The shortest entry, "0 0 0" and its line's end, takes 6 bytes:
        // a file too short for its size is refused before memory is taken.
        if (expected_ > text_.size() / 6 + 1)
            Fail("the file is too short for its " + std::to_string(expected_) + " entries");
        lut_.values.reserve(expected_ * 3);
    }

    void Line(std::string_view line) {
        Words words(line);
        std::string_view key;
        if (!words.Next(key) || key[0] == '#') return;
        const char first = key[0];
        if ((first >= '0' && first <= '9') || first == '-' || first == '+' || first == '.') {
            if (lut_.size == 0) FailOnLine("an entry comes before LUT_1D_SIZE or LUT_3D_SIZE");
            if (entries_ == expected_)
                Fail("it holds more entries than its size wants (" + std::to_string(expected_) + ")");
            Words all(line);
            const std::array<float, 3> v = Triple(all);
            lut_.values.insert(lut_.values.end(), v.begin(), v.end());
            ++entries_;
            return;
        }
        if (entries_ != 0) FailOnLine("a keyword comes after the entries");
        if (key == "TITLE") {
            std::string_view title = words.Rest();
            while (!title.empty() && IsSpace(title.front())) title.remove_prefix(1);
            while (!title.empty() && IsSpace(title.back())) title.remove_suffix(1);
            if (title.size() >= 2 && title.front() == '"' && title.back() == '"') title = title.substr(1, title.size() - 2);
            lut_.title = std::string(title.substr(0, 256));
        } else if (key == "LUT_3D_SIZE") {
            Size(words, true);
        } else if (key == "LUT_1D_SIZE") {
            Size(words, false);
        } else if (key == "DOMAIN_MIN") {
            lut_.domainMin = Triple(words);
        } else if (key == "DOMAIN_MAX") {
            lut_.domainMax = Triple(words);
        } else if (key == "LUT_1D_INPUT_RANGE" || key == "LUT_3D_INPUT_RANGE") {
            // Resolve's older form: one range for all three channels.
            std::string_view a, b, extra;
            if (!words.Next(a) || !words.Next(b) || words.Next(extra)) FailOnLine("two numbers are wanted");
            lut_.domainMin.fill(Number(a));
            lut_.domainMax.fill(Number(b));
        } else {
            FailOnLine("unknown keyword " + Quoted(key));
        }
    }

    std::string_view text_;
    const std::string& path_;
    CubeLut lut_;
    size_t lineNumber_ = 0;
    size_t entries_ = 0, expected_ = 0;
};

// Where byte v falls on an axis of `size` entries spanning [low, high]:
// the cell's low corner and the position inside it (0..1).
void Locate(int v, float low, float high, int size, int& index, double& fraction) {
    const double t = std::clamp((v / 255.0 - double(low)) / (double(high) - double(low)), 0.0, 1.0);
    const double p = t * double(size - 1);
    index = std::min(int(p), size - 2);
    fraction = p - index;
}

}  // namespace

CorvessaError InvalidCubeFile(const std::string& reason, const std::string& path) {
    return CorvessaError("LUT file is not valid: " + reason + " — " + path);
}

CubeLut ParseCubeLut(std::string_view text, const std::string& path) { return Parser(text, path).Run(); }

PreparedLut::PreparedLut(const CubeLut& lut) : is3D_(lut.is3D) {
    const int n = lut.size;
    if (!is3D_) {
        for (size_t c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v) {
                int i = 0;
                double f = 0;
                Locate(v, lut.domainMin[c], lut.domainMax[c], n, i, f);
                const double a = lut.values[size_t(i) * 3 + c], b = lut.values[size_t(i + 1) * 3 + c];
                curve_[c][size_t(v)] = uint8_t(std::lround(std::clamp(a + (b - a) * f, 0.0, 1.0) * 255.0));
            }
        return;
    }
    step_ = {1, uint32_t(n), uint32_t(n) * uint32_t(n)};
    for (size_t c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v) {
            int i = 0;
            double f = 0;
            Locate(v, lut.domainMin[c], lut.domainMax[c], n, i, f);
            offset_[c][size_t(v)] = uint32_t(i) * step_[c];
            fraction_[c][size_t(v)] = uint32_t(std::lround(f * (1 << kFractionBits)));
        }
    const size_t count = size_t(n) * size_t(n) * size_t(n);
    entries_.resize(count);
    constexpr double scale = 255.0 * (1 << kEntryShift);
    for (size_t e = 0; e < count; ++e)
        for (size_t c = 0; c < 3; ++c)
            entries_[e][2 - c] = uint16_t(std::lround(std::clamp(double(lut.values[e * 3 + c]), 0.0, 1.0) * scale));
}

void PreparedLut::ApplyRow(const uint8_t* in, uint8_t* out, int pixels) const {
    if (!is3D_) {
        for (size_t x = 0; x < size_t(std::max(pixels, 0)); ++x) {
            const uint8_t* p = in + 3 * x;
            uint8_t* q = out + 3 * x;
            const uint8_t b = curve_[2][p[0]], g = curve_[1][p[1]], r = curve_[0][p[2]];
            q[0] = b, q[1] = g, q[2] = r;
        }
        return;
    }
    constexpr uint32_t one = 1u << kFractionBits;
    constexpr int shift = kFractionBits + kEntryShift;
    const auto* entries = entries_.data();
    const uint32_t sr = step_[0], sg = step_[1], sb = step_[2], far = sr + sg + sb;
    for (size_t x = 0; x < size_t(std::max(pixels, 0)); ++x) {
        const uint8_t* p = in + 3 * x;
        const uint8_t b = p[0], g = p[1], r = p[2];
        const uint32_t fr = fraction_[0][r], fg = fraction_[1][g], fb = fraction_[2][b];
        const uint32_t base = offset_[0][r] + offset_[1][g] + offset_[2][b];
        // The cell splits into six tetrahedra along its diagonal; the one
        // holding the colour steps from the low corner along the axes in
        // order of fraction: first along the largest, last along the
        // smallest. Chosen without branches, which a photo's noise would
        // mispredict. Ties may go either way: the corners they choose
        // between get weight 0.
        const bool rMax = fr >= fg && fr >= fb, gMax = fg >= fb;
        const bool bMin = fb <= fr && fb <= fg, gMin = fg <= fr;
        const uint32_t fMax = std::max(fr, std::max(fg, fb)), fMin = std::min(fr, std::min(fg, fb));
        const uint32_t fMid = fr + fg + fb - fMax - fMin;
        const uint32_t first = rMax ? sr : gMax ? sg : sb;
        const uint32_t last = bMin ? sb : gMin ? sg : sr;
        const uint16_t* c0 = entries[base].data();
        const uint16_t* c1 = entries[base + first].data();
        const uint16_t* c2 = entries[base + far - last].data();
        const uint16_t* c3 = entries[base + far].data();
        const uint32_t w0 = one - fMax, w1 = fMax - fMid, w2 = fMid - fMin, w3 = fMin;
        uint8_t* q = out + 3 * x;
#ifdef __SSE2__
        // Lanes c0, c1 of each channel side by side, times w0, w1, summed
        // in 32 bits by one multiply-add; the same for c2, c3.
        const auto load = [](const uint16_t* c) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(c)); };
        const __m128i low = _mm_madd_epi16(_mm_unpacklo_epi16(load(c0), load(c1)), _mm_set1_epi32(int(w0 | w1 << 16)));
        const __m128i high = _mm_madd_epi16(_mm_unpacklo_epi16(load(c2), load(c3)), _mm_set1_epi32(int(w2 | w3 << 16)));
        __m128i sum = _mm_srli_epi32(_mm_add_epi32(_mm_add_epi32(low, high), _mm_set1_epi32(1 << (shift - 1))), shift);
        sum = _mm_packs_epi32(sum, sum);
        const uint32_t bgr = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
        // Three bytes only: the fourth is the next pixel's, maybe unread.
        std::memcpy(q, &bgr, 2);
        q[2] = uint8_t(bgr >> 16);
#else
        for (size_t c = 0; c < 3; ++c)
            q[c] = uint8_t((w0 * c0[c] + w1 * c1[c] + w2 * c2[c] + w3 * c3[c] + (1u << (shift - 1))) >> shift);
#endif
    }
}

void PreparedLut::Apply(const TBitmap& in, TBitmap& out) const {
    if (&out != &in) out.SetSize(in.Width(), in.Height());
    const int width = in.Width();
    ForEachRow(in.Height(), in.RowBytes(), [&](int y) { ApplyRow(in.Row(y), out.Row(y), width); });
}

}  // namespace corvessa
