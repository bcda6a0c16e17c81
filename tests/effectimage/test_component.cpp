// How every effect reaches the picture: empty pictures, repaint requests.

#include <gtest/gtest.h>

#include "effect_fixture.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Runs `effect` with its ordinary arguments for an 11 x 8 picture.
void Apply(const EffectEntry& effect, TProEffectImage& image) {
    const auto arguments = OrdinaryArguments(effect, 11, 8);
    effect.apply(image, std::span<const int>(arguments.data(), effect.parameterCount));
}

}  // namespace

using Component = EffectTest;

TEST_F(Component, EmptyPicturePassesThroughEveryEffectWithARepaint) {
    for (const EffectEntry& entry : kEffects) {
        const std::string_view name = entry.name;
        for (auto [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
            effect.Picture().SetSize(w, h);
            const int before = repaints;
            Apply(entry, effect);
            EXPECT_EQ(Result().Width(), w) << name;
            EXPECT_EQ(Result().Height(), h) << name;
            EXPECT_EQ(repaints, before + 1) << name;
        }
    }
}

TEST_F(Component, EveryEffectKeepsTheSizeAndFillColourAndRepaintsOnce) {
    for (const EffectEntry& entry : kEffects) {
        const std::string_view name = entry.name;
        Load(RandomBitmap(11, 8, 3));
        effect.Picture().SetFillColor({1, 2, 3});
        const int before = repaints;
        Apply(entry, effect);
        EXPECT_EQ(Result().Width(), 11) << name;
        EXPECT_EQ(Result().Height(), 8) << name;
        EXPECT_EQ(Result().FillColor(), (Rgb{1, 2, 3})) << name;
        EXPECT_EQ(repaints, before + 1) << name;
    }
}

TEST(EffectTable, NamesAreUniqueAndFoundWithoutCase) {
    for (const EffectEntry& entry : kEffects) {
        std::string upper(entry.name);
        for (char& c : upper) c = char(std::toupper((unsigned char)c));
        EXPECT_EQ(FindEffect(upper), &entry) << entry.name;
        for (const EffectParameter& p : entry.Parameters()) {
            EXPECT_LE(p.low, p.ordinary) << entry.name;
            EXPECT_LE(p.ordinary, p.high) << entry.name;
        }
    }
    EXPECT_EQ(FindEffect("Effect_Invert"), nullptr);
}

TEST_F(Component, WorksWithoutARepaintCallback) {
    TProEffectImage quiet(random);
    quiet.Picture().CopyFrom(RandomBitmap(6, 6, 1));
    quiet.Effect_GaussianBlur(0);
    quiet.Effect_Invert();
    EXPECT_EQ(quiet.Picture().Width(), 6);
}
