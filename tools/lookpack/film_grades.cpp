#include "lookpack/film_grades.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "catalogue/catalogue.h"

namespace corvessa::lookpack {

namespace {

using Colour = std::array<double, 3>;  // R, G, B, 0..1 as the photo's bytes

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double Mix(double a, double b, double t) { return a + (b - a) * t; }
// The brightness a grade keys shadows and highlights on.
double Luma(const Colour& c) { return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]; }

// More (amount > 0) or less contrast about the middle, keeping black and
// white where they are: a blend with the smooth step 3x^2 - 2x^3.
double Contrast(double x, double amount) {
    x = Clamp01(x);
    return Mix(x, x * x * (3 - 2 * x), amount);
}
// Black lifted to `black`, white lowered to `white`: the matte of a print.
double Fade(double x, double black, double white) { return black + x * (white - black); }

Colour Each(Colour c, double (*curve)(double, double), double amount) {
    for (double& v : c) v = curve(v, amount);
    return c;
}

Colour Saturate(Colour c, double amount) {
    const double y = Luma(c);
    for (double& v : c) v = y + (v - y) * amount;
    return c;
}

// How much a colour looks like skin: warm hues of modest saturation, from
// shadow to highlight. Grades that move hues leave such colours nearer
// their own.
double Skinness(const Colour& c) {
    const double r = c[0], g = c[1], b = c[2];
    if (!(r > g && g > b)) return 0;
    const double chroma = r - b;
    if (chroma < 0.04) return 0;
    // Skin's green sits between its red and blue, a little nearer the blue
    // for darker skin and nearer the middle for lighter.
    const double hue = (g - b) / chroma;  // 0 red .. 1 yellow
    const double hueWeight = std::clamp(1 - std::abs(hue - 0.45) / 0.35, 0.0, 1.0);
    const double satWeight = std::clamp(1 - (chroma - 0.35) / 0.3, 0.0, 1.0);
    return hueWeight * satWeight;
}

// Shadows moved toward `shadows`, highlights toward `highlights` (each an
// offset per channel, at full weight in black and in white), the colour's
// brightness kept.
Colour SplitTone(Colour c, const Colour& shadows, const Colour& highlights) {
    const double y = Luma(c);
    const double ws = (1 - y) * (1 - y), wh = y * y;
    Colour shift;
    for (int i = 0; i < 3; ++i) shift[size_t(i)] = ws * shadows[size_t(i)] + wh * highlights[size_t(i)];
    const double drift = Luma(shift);
    for (int i = 0; i < 3; ++i) c[size_t(i)] += shift[size_t(i)] - drift;
    return c;
}

// White balance: red and blue scaled apart by `warmth` (> 0 warmer), green
// by a quarter of it toward red, so that grey turns amber, not pink.
Colour Warm(Colour c, double warmth) {
    c[0] *= 1 + warmth;
    c[1] *= 1 + warmth / 4;
    c[2] *= 1 - warmth;
    return c;
}

// Black and white through a filter: the channels mixed by `mix`.
double Mono(const Colour& c, const Colour& mix) { return c[0] * mix[0] + c[1] * mix[1] + c[2] * mix[2]; }

// Grey `y` toned: shadows toward `shadows`, highlights toward
// `highlights`, most in the middle tones, where toning shows.
Colour Tone(double y, const Colour& shadows, const Colour& highlights) {
    Colour c{y, y, y};
    const double mid = 4 * y * (1 - y);
    for (int i = 0; i < 3; ++i) c[size_t(i)] += mid * Mix(shadows[size_t(i)], highlights[size_t(i)], y);
    return c;
}

Colour Grade(int number, Colour c) {
    switch (number) {
    case 1: {  // Warm Print: a warm, gently contrasting print on paper
        c = Warm(c, 0.06);
        c = Each(c, Contrast, 0.22);
        c = SplitTone(c, {0.02, 0.0, -0.01}, {0.03, 0.01, -0.03});
        for (double& v : c) v = Fade(v, 0.03, 0.98);
        return Saturate(c, 1.05);
    }
    case 2: {  // Cool Matte: cooler, lifted blacks, a little less colour
        c = Warm(c, -0.05);
        c = SplitTone(c, {-0.03, 0.0, 0.04}, {-0.01, 0.0, 0.015});
        for (double& v : c) v = Fade(Contrast(v, 0.15), 0.09, 0.95);
        return Saturate(c, 0.85);
    }
    case 3: {  // Faded Vintage: an old print, faded and yellowed, green shadows
        c = Saturate(c, 0.72);
        c = SplitTone(c, {-0.01, 0.03, 0.01}, {0.05, 0.03, -0.06});
        for (double& v : c) v = Fade(Contrast(v, 0.1), 0.12, 0.92);
        return Warm(c, 0.03);
    }
    case 4: {  // Teal And Orange: teal shadows, warm highlights, skin kept warm
        const double skin = Skinness(c);
        Colour graded = SplitTone(c, {-0.09, 0.03, 0.09}, {0.06, 0.015, -0.06});
        graded = Saturate(Each(graded, Contrast, 0.18), 1.08);
        for (int i = 0; i < 3; ++i) c[size_t(i)] = Mix(graded[size_t(i)], Contrast(c[size_t(i)], 0.18), 0.6 * skin);
        return c;
    }
    case 5: {  // Rich Slide: deep, saturated transparency film
        const double skin = Skinness(c);
        c = Each(c, Contrast, 0.35);
        c = Saturate(c, Mix(1.3, 1.1, skin));
        c = SplitTone(c, {-0.01, 0.0, 0.03}, {0.01, 0.005, -0.01});
        for (double& v : c) v = Fade(v, 0.0, 0.99);
        return c;
    }
    case 6: {  // Soft Portrait: soft contrast, warm light, gentle colour
        c = Warm(c, 0.035);
        for (double& v : c) v = Fade(Contrast(v, -0.15), 0.05, 0.985);
        c = SplitTone(c, {0.01, 0.005, 0.0}, {0.025, 0.01, -0.015});
        // A little brightness lifted into the middle tones.
        for (double& v : c) v = std::pow(Clamp01(v), 0.93);
        return Saturate(c, 0.9);
    }
    case 7: {  // Contrast Mono: black and white through a yellow filter, deep blacks
        const double y = Mono(c, {0.40, 0.48, 0.12});
        const double v = Contrast(Contrast(y, 0.55), 0.25);
        return {v, v, v};
    }
    case 8: {  // Warm Mono: black and white printed on warm paper, sepia in the middle tones
        const double y = Mono(c, {0.33, 0.52, 0.15});
        const double v = Fade(Contrast(y, 0.2), 0.04, 0.97);
        return Tone(v, {0.06, 0.015, -0.06}, {0.05, 0.02, -0.045});
    }
    case 9: {  // Cross Process: yellow-green highlights, blue shadows, punchy red; skin kept warm
        const double skin = Skinness(c);
        Colour x{Contrast(c[0], 0.42), Fade(Contrast(c[1], 0.25), 0.03, 1.0), Fade(Contrast(c[2], -0.3), 0.1, 0.86)};
        x = Saturate(x, 1.1);
        for (int i = 0; i < 3; ++i) x[size_t(i)] = Mix(x[size_t(i)], Contrast(c[size_t(i)], 0.2), 0.7 * skin);
        return x;
    }
    case 10: {  // Bleach Bypass: silver kept in: low colour, hard contrast
        const double y = Luma(c);
        const double silver = Contrast(y, 0.6);
        Colour out;
        for (int i = 0; i < 3; ++i) {
            const double v = c[size_t(i)];
            // The colour laid over its own contrasted grey, half of it kept.
            const double over = silver < 0.5 ? 2 * v * silver : 1 - 2 * (1 - v) * (1 - silver);
            out[size_t(i)] = Mix(v, over, 0.55);
        }
        return Saturate(out, 0.65);
    }
    default: throw std::out_of_range("no Film grade " + std::to_string(number));
    }
}

}  // namespace

std::array<double, 3> FilmGrade(int number, std::array<double, 3> rgb) {
    Colour c = Grade(number, rgb);
    for (double& v : c) v = Clamp01(v);
    return c;
}

std::string FilmGradeCube(int number) {
    const Category* film = FindCategoryByCaption("Film");
    if (!film || number < 1 || number > kEffectCount) throw std::out_of_range("no Film grade " + std::to_string(number));
    std::string text = "TITLE \"" + std::string(film->lookNames[size_t(number - 1)]) + "\"\n";
    text += "LUT_3D_SIZE " + std::to_string(kGradeTableSize) + "\n";
    const int n = kGradeTableSize;
    char line[64];
    for (int b = 0; b < n; ++b)
        for (int g = 0; g < n; ++g)
            for (int r = 0; r < n; ++r) {
                const Colour out = FilmGrade(number, {double(r) / (n - 1), double(g) / (n - 1), double(b) / (n - 1)});
                std::snprintf(line, sizeof line, "%.6f %.6f %.6f\n", out[0], out[1], out[2]);
                text += line;
            }
    return text;
}

std::vector<PackGradeFile> PackGradeFiles() {
    std::vector<PackGradeFile> files;
    for (const PictureName& grade : CatalogueGrades()) {
        if (strcasecmp(std::string(grade.folder).c_str(), "film") != 0)
            throw std::logic_error("the pack draws no colour tables for " + std::string(grade.folder));
        files.push_back({grade.number, "film/" + std::to_string(grade.number) + ".cube"});
    }
    return files;
}

}  // namespace corvessa::lookpack
