// How every effect reaches the picture: empty pictures, repaint requests.

#include <gtest/gtest.h>

#include "effect_fixture.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

using EffectCall = void (*)(TProEffectImage&);

// Every effect with a typical argument, in the order of the method table.
const std::pair<const char*, EffectCall> kEveryEffect[] = {
    {"Invert", [](TProEffectImage& e) { e.Effect_Invert(); }},
    {"AddColorNoise", [](TProEffectImage& e) { e.Effect_AddColorNoise(20); }},
    {"AddMonoNoise", [](TProEffectImage& e) { e.Effect_AddMonoNoise(20); }},
    {"AntiAlias", [](TProEffectImage& e) { e.Effect_AntiAlias(); }},
    {"Contrast", [](TProEffectImage& e) { e.Effect_Contrast(100); }},
    {"FishEye", [](TProEffectImage& e) { e.Effect_FishEye(1); }},
    {"GrayScale", [](TProEffectImage& e) { e.Effect_GrayScale(); }},
    {"Lightness", [](TProEffectImage& e) { e.Effect_Lightness(100); }},
    {"Darkness", [](TProEffectImage& e) { e.Effect_Darkness(100); }},
    {"Saturation", [](TProEffectImage& e) { e.Effect_Saturation(400); }},
    {"SplitBlur", [](TProEffectImage& e) { e.Effect_SplitBlur(2); }},
    {"GaussianBlur", [](TProEffectImage& e) { e.Effect_GaussianBlur(1); }},
    {"Mosaic", [](TProEffectImage& e) { e.Effect_Mosaic(3); }},
    {"Twist", [](TProEffectImage& e) { e.Effect_Twist(20); }},
    {"Splitlight", [](TProEffectImage& e) { e.Effect_Splitlight(1); }},
    {"Tile", [](TProEffectImage& e) { e.Effect_Tile(2); }},
    {"SpotLight", [](TProEffectImage& e) { TRect r{1, 1, 9, 7}; e.Effect_SpotLight(50, r); }},
    {"Trace", [](TProEffectImage& e) { e.Effect_Trace(2); }},
    {"Emboss", [](TProEffectImage& e) { e.Effect_Emboss(); }},
    {"Solorize", [](TProEffectImage& e) { e.Effect_Solorize(100); }},
    {"Posterize", [](TProEffectImage& e) { e.Effect_Posterize(32); }},
};

}  // namespace

using Component = EffectTest;

TEST_F(Component, EmptyPicturePassesThroughEveryEffectWithARepaint) {
    for (const auto& [name, call] : kEveryEffect) {
        for (auto [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
            effect.Picture().SetSize(w, h);
            const int before = repaints;
            call(effect);
            EXPECT_EQ(Result().Width(), w) << name;
            EXPECT_EQ(Result().Height(), h) << name;
            EXPECT_EQ(repaints, before + 1) << name;
        }
    }
}

TEST_F(Component, EveryEffectKeepsTheSizeAndFillColourAndRepaintsOnce) {
    for (const auto& [name, call] : kEveryEffect) {
        Load(RandomBitmap(11, 8, 3));
        effect.Picture().SetFillColor({1, 2, 3});
        const int before = repaints;
        call(effect);
        EXPECT_EQ(Result().Width(), 11) << name;
        EXPECT_EQ(Result().Height(), 8) << name;
        EXPECT_EQ(Result().FillColor(), (Rgb{1, 2, 3})) << name;
        EXPECT_EQ(repaints, before + 1) << name;
    }
}

TEST_F(Component, WorksWithoutARepaintCallback) {
    TProEffectImage quiet(random);
    quiet.Picture().CopyFrom(RandomBitmap(6, 6, 1));
    quiet.Effect_GaussianBlur(0);
    quiet.Effect_Invert();
    EXPECT_EQ(quiet.Picture().Width(), 6);
}
