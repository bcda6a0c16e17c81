#include "io/colour_profile.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

struct ColourProfile::State {
    std::vector<uint8_t> icc;
    uint64_t fingerprint = 0;
    cmsColorSpaceSignature space = cmsSigRgbData;
    bool srgb = false;
    std::string name;
    // The transforms made from (or, for an sRGB source, to) this profile,
    // by the other's fingerprint, the input layout and the direction.
    std::mutex mutex;
    std::map<std::tuple<uint64_t, int, bool>, std::shared_ptr<const ColourTransform>> transforms;
};

namespace {

struct ProfileClose {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileClose>;
struct TransformFree {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformFree>;

constexpr int kIntent = INTENT_PERCEPTUAL;

uint64_t Fingerprint(const std::vector<uint8_t>& bytes) {
    uint64_t hash = 1469598103934665603ull;  // FNV-1a
    for (const uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return hash ^ bytes.size();
}

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

Profile OpenIcc(const std::vector<uint8_t>& icc) {
    return Profile(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
}

// The profile's own values, or sRGB's for none.
Profile Open(const ColourProfile::State* state) {
    return state ? OpenIcc(state->icc) : Profile(cmsCreate_sRGBProfile());
}

std::string Description(void* profile) {
    char text[256] = "";
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text);
    return text;
}

// Whether every value of an RGB profile means sRGB's colour to within half
// a step of 8 bits, tried on a grid of values. False when the two cannot
// be compared (the profile's tags do not make a transform).
bool ActsAsSrgb(void* profile, bool& usable) {
    const Profile srgb(cmsCreate_sRGBProfile());
    const Transform toSrgb(cmsCreateTransform(profile, TYPE_RGB_DBL, srgb.get(), TYPE_RGB_DBL, kIntent,
                                              cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE));
    usable = toSrgb != nullptr;
    if (!usable) return false;
    constexpr int kSteps = 9;
    for (int r = 0; r < kSteps; ++r)
        for (int g = 0; g < kSteps; ++g)
            for (int b = 0; b < kSteps; ++b) {
                const double in[3] = {r / (kSteps - 1.0), g / (kSteps - 1.0), b / (kSteps - 1.0)};
                double out[3];
                cmsDoTransform(toSrgb.get(), in, out, 1);
                for (int c = 0; c < 3; ++c)
                    if (std::abs(out[c] - in[c]) * 255 > 0.5) return false;
            }
    return true;
}

// Whether a CMYK profile converts to sRGB at all.
bool ConvertsToSrgb(void* profile) {
    const Profile srgb(cmsCreate_sRGBProfile());
    return Transform(cmsCreateTransform(profile, TYPE_CMYK_8, srgb.get(), TYPE_BGR_8, kIntent, 0)) != nullptr;
}

}  // namespace

ColourProfile ColourProfile::FromIcc(const uint8_t* icc, size_t size) {
    ColourProfile result;
    // The header is 128 bytes and declares the profile's size.
    if (!icc || size < 132 || Big32(icc) != size || size > (size_t(64) << 20)) return result;
    auto state = std::make_shared<State>();
    state->icc.assign(icc, icc + size);
    const Profile profile = OpenIcc(state->icc);
    if (!profile) return result;
    state->space = cmsGetColorSpace(profile.get());
    const cmsProfileClassSignature kind = cmsGetDeviceClass(profile.get());
    if (kind == cmsSigLinkClass || kind == cmsSigAbstractClass || kind == cmsSigNamedColorClass) return result;
    bool usable = false;
    if (state->space == cmsSigRgbData)
        state->srgb = ActsAsSrgb(profile.get(), usable);
    else if (state->space == cmsSigCmykData)
        usable = ConvertsToSrgb(profile.get());
    if (!usable) return result;
    state->name = Description(profile.get());
    state->fingerprint = Fingerprint(state->icc);
    result.state_ = std::move(state);
    return result;
}

ColourProfile KeptProfile(const uint8_t* icc, size_t size) {
    ColourProfile profile = ColourProfile::FromIcc(icc, size);
    return profile.IsRgb() ? profile : ColourProfile();
}

ColourProfile ColourProfile::Made(const Chromaticities& p, const ToneCurve& curve, const std::string& name) {
    const cmsCIExyY white{p.wx, p.wy, 1.0};
    const cmsCIExyYTRIPLE primaries{{p.rx, p.ry, 1.0}, {p.gx, p.gy, 1.0}, {p.bx, p.by, 1.0}};
    // Parametric curve 4: Y = (aX + b)^g for X >= d, cX below.
    double params[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    int type = 4;
    if (curve.kind == ToneCurve::kBt709) {
        const double alpha = 1.09929682680944, beta = 0.018053968510807;
        const double b709[5] = {1 / 0.45, 1 / alpha, (alpha - 1) / alpha, 1 / 4.5, 4.5 * beta};
        std::memcpy(params, b709, sizeof params);
    } else if (curve.kind == ToneCurve::kLinear || curve.kind == ToneCurve::kGamma) {
        type = 1;
        params[0] = curve.kind == ToneCurve::kLinear ? 1.0 : curve.gamma;
    }
    cmsToneCurve* tone = cmsBuildParametricToneCurve(nullptr, type, params);
    if (!tone) throw NotEnoughMemory();
    cmsToneCurve* curves[3] = {tone, tone, tone};
    const Profile profile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(tone);
    if (!profile) throw NotEnoughMemory();
    cmsMLU* text = cmsMLUalloc(nullptr, 1);
    if (text && cmsMLUsetASCII(text, "en", "US", name.c_str()))
        cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, text);
    cmsMLUfree(text);
    cmsUInt32Number bytes = 0;
    std::vector<uint8_t> icc;
    if (cmsSaveProfileToMem(profile.get(), nullptr, &bytes)) {
        icc.resize(bytes);
        if (!cmsSaveProfileToMem(profile.get(), icc.data(), &bytes)) icc.clear();
    }
    if (icc.empty()) throw NotEnoughMemory();
    // Little CMS stamps the header with the time it was made: a fixed date
    // instead makes the same colours the same bytes, so a photo saved
    // twice is saved alike.
    static constexpr uint8_t kMade[12] = {0x07, 0xEA, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};  // 2026-01-01
    std::copy(std::begin(kMade), std::end(kMade), icc.begin() + 24);
    return FromIcc(icc);
}

namespace {

// The primaries and white of H.273's colour primaries code points; false
// for one unspecified or not known here.
bool PrimariesOf(uint16_t code, Chromaticities& p, std::string& name) {
    constexpr double kD65x = 0.3127, kD65y = 0.3290;
    switch (code) {
        case 1: p = {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, kD65x, kD65y}, name = "BT.709"; return true;
        case 4: p = {0.67, 0.33, 0.21, 0.71, 0.14, 0.08, 0.310, 0.316}, name = "BT.470 M"; return true;
        case 5: p = {0.64, 0.33, 0.29, 0.60, 0.15, 0.06, kD65x, kD65y}, name = "BT.601 625"; return true;
        case 6:
        case 7: p = {0.630, 0.340, 0.310, 0.595, 0.155, 0.070, kD65x, kD65y}, name = "BT.601 525"; return true;
        case 8: p = {0.681, 0.319, 0.243, 0.692, 0.145, 0.049, 0.310, 0.316}, name = "Film"; return true;
        case 9: p = {0.708, 0.292, 0.170, 0.797, 0.131, 0.046, kD65x, kD65y}, name = "BT.2020"; return true;
        case 11: p = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.314, 0.351}, name = "DCI-P3"; return true;
        case 12: p = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, kD65x, kD65y}, name = "P3"; return true;
        case 22: p = {0.630, 0.340, 0.295, 0.605, 0.155, 0.077, kD65x, kD65y}, name = "EBU 3213"; return true;
        default: return false;
    }
}

// The curve of H.273's transfer characteristics code points that an SDR
// display profile can hold; false for the others (PQ, HLG, logarithms).
bool CurveOf(uint16_t code, ToneCurve& curve, std::string& name) {
    switch (code) {
        case 1:
        case 6:
        case 14:
        case 15: curve = {ToneCurve::kBt709}, name = "BT.709"; return true;
        case 4: curve = {ToneCurve::kGamma, 2.2}, name = "gamma 2.2"; return true;
        case 5: curve = {ToneCurve::kGamma, 2.8}, name = "gamma 2.8"; return true;
        case 8: curve = {ToneCurve::kLinear}, name = "linear"; return true;
        case 13: curve = {ToneCurve::kSrgb}, name = "sRGB"; return true;
        default: return false;
    }
}

}  // namespace

ColourProfile ColourProfile::FromDescription(const ColourDescription& description) {
    // Unspecified parts are sRGB's, as viewers read them.
    Chromaticities primaries{};
    ToneCurve curve;
    std::string primariesName = "BT.709", curveName = "sRGB";
    const uint16_t primariesCode = description.primaries == 2 ? 1 : description.primaries;
    const uint16_t curveCode = description.transfer == 2 ? 13 : description.transfer;
    if (!PrimariesOf(primariesCode, primaries, primariesName) || !CurveOf(curveCode, curve, curveName))
        return ColourProfile();
    if (primariesCode == 1 && curveCode == 13) return ColourProfile();
    if (primariesCode == 12 && curveCode == 13) return DisplayP3();
    return Made(primaries, curve, primariesName + " primaries, " + curveName + " curve");
}

ColourProfile ColourProfile::DisplayP3() {
    return Made({0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.3127, 0.3290}, {}, "Display P3");
}

bool ColourProfile::IsSrgb() const { return !state_ || state_->srgb; }
bool ColourProfile::IsRgb() const { return !state_ || state_->space == cmsSigRgbData; }
bool ColourProfile::IsCmyk() const { return state_ && state_->space == cmsSigCmykData; }

const std::vector<uint8_t>& ColourProfile::Icc() const {
    static const std::vector<uint8_t> kNone;
    return state_ ? state_->icc : kNone;
}

std::string ColourProfile::Name() const { return state_ ? state_->name : "sRGB"; }

ColourTransform::~ColourTransform() { cmsDeleteTransform(transform_); }

void ColourTransform::ConvertRow(const uint8_t* in, uint8_t* out, int width) const {
    if (width > 0) cmsDoTransform(transform_, in, out, cmsUInt32Number(width));
}

void ColourTransform::Convert(TBitmap& picture) const {
    const int width = picture.Width();
    ForEachRow(picture.Height(), picture.RowBytes(), [&](int y) { ConvertRow(picture.Row(y), picture.Row(y), width); });
}

namespace {

std::shared_ptr<const ColourTransform> NewTransform(const ColourProfile::State* source,
                                                   const ColourProfile::State* target, int input) {
    const Profile in = Open(source), out = Open(target);
    static const cmsUInt32Number kLayouts[] = {TYPE_BGR_8, TYPE_CMYK_8, TYPE_CMYK_8_REV, TYPE_RGB_FLT, TYPE_RGBA_FLT};
    const cmsUInt32Number layout = kLayouts[input];
    void* made = in && out ? cmsCreateTransform(in.get(), layout, out.get(), TYPE_BGR_8, kIntent, 0) : nullptr;
    if (!made) throw NotEnoughMemory();
    try {
        return std::make_shared<const ColourTransform>(made, ColourTransform::Input(input));
    } catch (...) {
        cmsDeleteTransform(made);
        throw;
    }
}

}  // namespace

std::shared_ptr<const ColourTransform> MakeTransform(const ColourProfile& from, const ColourProfile& to, int input) {
    ColourProfile::State* source = from.state_.get();
    ColourProfile::State* target = to.state_.get();
    // An sRGB-like profile stands for sRGB itself.
    if (source && source->srgb) source = nullptr;
    if (target && target->srgb) target = nullptr;
    if (input == ColourTransform::kBgr && (source == target || (source && target && source->icc == target->icc)))
        return nullptr;
    // Kept with the source, or with the target when the source is sRGB.
    ColourProfile::State* keeper = source ? source : target;
    if (!keeper) return NewTransform(source, target, input);
    const ColourProfile::State* other = keeper == source ? target : source;
    const auto key = std::make_tuple(other ? other->fingerprint : 0, input, keeper == source);
    const std::lock_guard lock(keeper->mutex);
    const auto found = keeper->transforms.find(key);
    if (found != keeper->transforms.end()) return found->second;
    std::shared_ptr<const ColourTransform> made = NewTransform(source, target, input);
    // A handful of displays and targets at most; never an unbounded list.
    if (keeper->transforms.size() >= 8) keeper->transforms.clear();
    keeper->transforms.emplace(key, made);
    return made;
}

void ConvertToSrgb(TBitmap& picture, const ColourProfile& profile) {
    if (profile.IsSrgb() || !profile.IsRgb() || picture.Empty()) return;
    MakeTransform(profile, ColourProfile())->Convert(picture);
}

}  // namespace corvessa
