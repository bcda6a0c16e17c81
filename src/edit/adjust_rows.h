#pragma once
// The adjustments' row kernels: each step of adjust_model.h over a row of
// floats, one array a channel, so that the compiler can run it on as many
// pixels at once as the processor's vectors hold. The tables they read are
// made once a picture.

#include <array>
#include <cstdint>
#include <vector>

#include "edit/adjust_model.h"

namespace corvessa {
namespace adjust {

// Step 2's change of luminance, tabulated over the neighbourhood
// brightness 0..1 and read between entries.
inline constexpr int kToneSteps = 16384;

// One row in flight: the channels and the luminance after step 1.
struct RowPlanes {
    std::vector<float> b, g, r, luma;
    explicit RowPlanes(int width) : b(size_t(width)), g(size_t(width)), r(size_t(width)), luma(size_t(width)) {}
};

// Step 1 by table: `curves` holds 256 values for each of blue, green and
// red, one after the other.
void ToPlanes(const uint8_t* in, int width, const float* curves, float* b, float* g, float* r, float* luma);
// Step 1's luminance alone.
void ToLuma(const uint8_t* in, int width, const float* curves, float* luma);
// Step 2, with the map's slope and offset already taken between cells for
// each pixel.
void LocalTone(int width, const float* slope, const float* offset, const float* change, float* b, float* g, float* r,
               const float* luma);
// Step 3.
void Colour(int width, float saturation, float vibrance, float* b, float* g, float* r);
// Step 4: `rho2` is the squared distance of each column from the centre,
// `row2` that of the row.
void Vignette(int width, float amount, const float* rho2, float row2, float* b, float* g, float* r);
// Step 5: adds `amount` times (luma - blurred).
void AddDetail(int width, float amount, const float* luma, const float* blurred, float* b, float* g, float* r);
// The channels back to bytes, rounded and held within 0..255.
void ToBytes(int width, const float* b, const float* g, const float* r, uint8_t* out);

// The weighted sum of `rows` (each `width` long) with `weights`.
void BlurDown(int width, const float* const* rows, const float* weights, int count, float* out);
// The symmetric blur of `padded` (width + 2 radius values, the row's ends
// repeated) with weights[0..radius] from the centre out.
void BlurAcross(int width, const float* padded, const float* weights, int radius, float* out);

}  // namespace adjust
}  // namespace corvessa
