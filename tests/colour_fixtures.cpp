#include "colour_fixtures.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace corvessa::test {

namespace {

struct Closer {
    void operator()(void* p) const { cmsCloseProfile(p); }
};
using Profile = std::unique_ptr<void, Closer>;
struct Deleter {
    void operator()(void* t) const { cmsDeleteTransform(t); }
};
using Transform = std::unique_ptr<void, Deleter>;

std::vector<uint8_t> Saved(void* profile) {
    cmsUInt32Number bytes = 0;
    if (!cmsSaveProfileToMem(profile, nullptr, &bytes)) throw std::runtime_error("lcms2 cannot size the profile");
    std::vector<uint8_t> icc(bytes);
    if (!cmsSaveProfileToMem(profile, icc.data(), &bytes)) throw std::runtime_error("lcms2 cannot save the profile");
    // The same bytes on every call: Little CMS stamps the header with the
    // time it was made.
    static constexpr uint8_t kMade[12] = {0x07, 0xEA, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};  // 2026-01-01
    std::copy(std::begin(kMade), std::end(kMade), icc.begin() + 24);
    return icc;
}

void Describe(void* profile, const char* text) {
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(mlu, "en", "US", text);
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, mlu);
    cmsMLUfree(mlu);
}

Profile Open(const std::vector<uint8_t>& icc) {
    if (icc.empty()) return Profile(cmsCreate_sRGBProfile());
    Profile p(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
    if (!p) throw std::runtime_error("lcms2 cannot open the profile");
    return p;
}

uint8_t Rounded(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

// The inks of CmykIccProfile, as sRGB: cyan takes some green too, and
// black leaves a warm tint.
void InkColour(double c, double m, double y, double k, double rgb[3]) {
    rgb[0] = (1 - c) * (1 - 0.9 * k);
    rgb[1] = (1 - m) * (1 - 0.25 * c) * (1 - 0.95 * k);
    rgb[2] = (1 - y) * (1 - k);
}

struct CmykSampler {
    Transform toLab;
};

int SampleInks(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo) {
    auto* sampler = static_cast<CmykSampler*>(cargo);
    double rgb[3];
    InkColour(in[0] / 65535.0, in[1] / 65535.0, in[2] / 65535.0, in[3] / 65535.0, rgb);
    cmsDoTransform(sampler->toLab.get(), rgb, out, 1);
    return 1;
}

}  // namespace

const char* NameOf(TestProfile profile) {
    switch (profile) {
        case TestProfile::kAdobeRgb: return "Compatible with Adobe RGB (1998)";
        case TestProfile::kDisplayP3: return "Display P3";
        case TestProfile::kProPhoto: return "ProPhoto RGB";
        case TestProfile::kLinearRec2020: return "Linear Rec. 2020";
        case TestProfile::kSrgb: return "sRGB";
        case TestProfile::kTabulated: return "Tabulated wide RGB";
    }
    return "";
}

std::vector<uint8_t> IccProfileOf(TestProfile which, bool version2) {
    if (which == TestProfile::kSrgb) {
        const Profile srgb(cmsCreate_sRGBProfile());
        if (version2) cmsSetProfileVersion(srgb.get(), 2.1);
        return Saved(srgb.get());
    }
    cmsCIExyY white{0.3127, 0.3290, 1};
    cmsCIExyYTRIPLE primaries{};
    double params[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    int type = 4;
    switch (which) {
        case TestProfile::kAdobeRgb:
            primaries = {{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}};
            type = 1, params[0] = 563.0 / 256;
            break;
        case TestProfile::kDisplayP3:
            primaries = {{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};
            break;
        case TestProfile::kProPhoto:
            primaries = {{0.7347, 0.2653, 1}, {0.1596, 0.8404, 1}, {0.0366, 0.0001, 1}};
            white = {0.3457, 0.3585, 1};
            type = 1, params[0] = 1.8;
            break;
        default:
            primaries = {{0.708, 0.292, 1}, {0.170, 0.797, 1}, {0.131, 0.046, 1}};
            type = 1, params[0] = 1.0;
            break;
    }
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, type, params);
    if (which == TestProfile::kTabulated) {
        cmsFreeToneCurve(curve);
        primaries = {{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}};
        std::vector<cmsUInt16Number> table(1024);
        for (size_t i = 0; i < table.size(); ++i) {
            const double x = double(i) / double(table.size() - 1);
            table[i] = cmsUInt16Number(std::lround((0.7 * std::pow(x, 2.0) + 0.3 * std::pow(x, 2.8)) * 65535));
        }
        curve = cmsBuildTabulatedToneCurve16(nullptr, cmsUInt32Number(table.size()), table.data());
    }
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const Profile profile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(curve);
    Describe(profile.get(), NameOf(which));
    if (version2) cmsSetProfileVersion(profile.get(), 2.1);
    return Saved(profile.get());
}

std::vector<uint8_t> CmykIccProfile() {
    const Profile profile(cmsCreateProfilePlaceholder(nullptr));
    cmsSetProfileVersion(profile.get(), 4.3);
    cmsSetDeviceClass(profile.get(), cmsSigOutputClass);
    cmsSetColorSpace(profile.get(), cmsSigCmykData);
    cmsSetPCS(profile.get(), cmsSigLabData);
    const Profile srgb(cmsCreate_sRGBProfile()), lab(cmsCreateLab4Profile(nullptr));
    CmykSampler sampler{Transform(cmsCreateTransform(srgb.get(), TYPE_RGB_DBL, lab.get(), TYPE_Lab_16,
                                                     INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE))};
    cmsPipeline* toPcs = cmsPipelineAlloc(nullptr, 4, 3);
    cmsStage* table = cmsStageAllocCLut16bit(nullptr, 9, 4, 3, nullptr);
    cmsStageSampleCLut16bit(table, SampleInks, &sampler, 0);
    // Identity curves around the table: the layout of an A2B tag.
    cmsPipelineInsertStage(toPcs, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(toPcs, cmsAT_END, table);
    cmsPipelineInsertStage(toPcs, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(profile.get(), cmsSigAToB0Tag, toPcs);
    cmsPipelineFree(toPcs);
    cmsWriteTag(profile.get(), cmsSigMediaWhitePointTag, cmsD50_XYZ());
    Describe(profile.get(), "Corvessa test inks");
    return Saved(profile.get());
}

TBitmap ReferenceConverted(const TBitmap& picture, const std::vector<uint8_t>& from, const std::vector<uint8_t>& to) {
    const Profile in = Open(from), out = Open(to);
    const Transform t(cmsCreateTransform(in.get(), TYPE_RGB_DBL, out.get(), TYPE_RGB_DBL, INTENT_PERCEPTUAL,
                                         cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE));
    if (!t) throw std::runtime_error("lcms2 cannot convert between the profiles");
    TBitmap result(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const uint8_t* p = picture.Pixel(x, y);
            const double rgb[3] = {p[2] / 255.0, p[1] / 255.0, p[0] / 255.0};
            double o[3];
            cmsDoTransform(t.get(), rgb, o, 1);
            uint8_t* q = result.Pixel(x, y);
            q[0] = Rounded(o[2]), q[1] = Rounded(o[1]), q[2] = Rounded(o[0]);
        }
    return result;
}

TBitmap ReferenceFromCmyk(const std::vector<uint8_t>& cmyk, int width, int height,
                          const std::vector<uint8_t>& profile, bool inverted) {
    const Profile in = Open(profile), out = Open({});
    const Transform t(cmsCreateTransform(in.get(), TYPE_CMYK_DBL, out.get(), TYPE_RGB_DBL, INTENT_PERCEPTUAL,
                                         cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE));
    if (!t) throw std::runtime_error("lcms2 cannot convert from the CMYK profile");
    TBitmap result(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &cmyk[(size_t(y) * size_t(width) + size_t(x)) * 4];
            double ink[4];
            for (int c = 0; c < 4; ++c) ink[c] = (inverted ? 255 - p[c] : p[c]) * 100.0 / 255;  // percent
            double o[3];
            cmsDoTransform(t.get(), ink, o, 1);
            uint8_t* q = result.Pixel(x, y);
            q[0] = Rounded(o[2]), q[1] = Rounded(o[1]), q[2] = Rounded(o[0]);
        }
    return result;
}

std::string ProfileDescription(const std::vector<uint8_t>& icc) {
    const Profile p(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
    if (!p) return "";
    char text[256] = "";
    cmsGetProfileInfoASCII(p.get(), cmsInfoDescription, "en", "US", text, sizeof text);
    return text;
}

int ProfileDistance(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    TBitmap grid(9 * 9, 9);
    for (int r = 0; r < 9; ++r)
        for (int g = 0; g < 9; ++g)
            for (int bl = 0; bl < 9; ++bl) {
                uint8_t* p = grid.Pixel(r * 9 + g, bl);
                p[0] = uint8_t(bl * 255 / 8), p[1] = uint8_t(g * 255 / 8), p[2] = uint8_t(r * 255 / 8);
            }
    const TBitmap ta = ReferenceConverted(grid, a), tb = ReferenceConverted(grid, b);
    int worst = 0;
    for (size_t i = 0; i < ta.ByteCount(); ++i) worst = std::max(worst, std::abs(ta.Data()[i] - tb.Data()[i]));
    return worst;
}

}  // namespace corvessa::test
