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

// Step 1 by table: `curves` holds 256 values for each of blue, green and
// red, one after the other.
void ToPlanes(const uint8_t* in, int width, const float* curves, float* b, float* g, float* r, float* luma);
// The map's slope and offset for each pixel of the two map rows around
// a row, and the lower one's weight.
struct MapRowPair {
    const float *slopeAbove = nullptr, *slopeBelow = nullptr, *offsetAbove = nullptr, *offsetBelow = nullptr;
    float below = 0;
};
// Steps 2 and 3, each where it does something: the curves' strengths,
// where the neighbourhood brightness comes from, and the colour's.
struct ShadeParams {
    bool local = false;
    float shadows = 0, highlights = 0;
    MapRowPair map;
    float saturation = 0, vibrance = 0;
};
void Shade(int width, const ShadeParams& p, float* b, float* g, float* r, const float* luma);
// Steps 4 and 5, each where it does something, and the row back to bytes,
// rounded and held within 0..255. `rho2` is the squared distance of each
// column from the centre, `row2` that of the row; sharpening adds
// `sharpen` times (luma - blurred).
struct FinishParams {
    float vignette = 0;
    const float* rho2 = nullptr;
    float row2 = 0;
    float sharpen = 0;
    const float *luma = nullptr, *blurred = nullptr;
};
void Finish(int width, const FinishParams& p, const float* b, const float* g, const float* r, uint8_t* out);

// The symmetric blur down the 2 radius + 1 `rows` (each `width` long),
// with weights[0..radius] from the centre out.
void BlurDown(int width, const float* const* rows, const float* weights, int radius, float* out);
// The symmetric blur of `padded` (width + 2 radius values, the row's ends
// repeated) with weights[0..radius] from the centre out.
void BlurAcross(int width, const float* padded, const float* weights, int radius, float* out);

}  // namespace adjust
}  // namespace corvessa
