#include "Easing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessivar::scene {
namespace {

struct EasingCase {
    const char* name;
    EasingCurve interpolation;
    EasingMode type;
    float u;
    float expected;
};

constexpr auto Linear = EasingCurve::Linear;
constexpr auto Bounce = EasingCurve::Bounce;
constexpr auto In = EasingMode::In;
constexpr auto Out = EasingMode::Out;
constexpr auto InOut = EasingMode::InOut;

const EasingCase kEasingCases[] = {
    {"linear start", Linear, In, 0, 0},
    {"linear middle", Linear, In, 0.3f, 0.3f},
    {"linear ignores Out", Linear, Out, 0.3f, 0.3f},
    {"linear ignores InOut", Linear, InOut, 0.7f, 0.7f},
    {"linear end", Linear, In, 1, 1},
    {"bounce out start", Bounce, Out, 0, 0},
    {"bounce out first landing", Bounce, Out, 1 / 2.75f, 1},
    {"bounce out first rebound top", Bounce, Out, 1.5f / 2.75f, 0.75f},
    {"bounce out half", Bounce, Out, 0.5f, 49.0f / 64},
    {"bounce out second landing", Bounce, Out, 2 / 2.75f, 1},
    {"bounce out second rebound top", Bounce, Out, 2.25f / 2.75f, 15.0f / 16},
    {"bounce out third rebound top", Bounce, Out, 2.625f / 2.75f, 63.0f / 64},
    {"bounce out end", Bounce, Out, 1, 1},
    {"bounce in start", Bounce, In, 0, 0},
    {"bounce in half", Bounce, In, 0.5f, 15.0f / 64},
    {"bounce in end", Bounce, In, 1, 1},
    {"bounce in-out start", Bounce, InOut, 0, 0},
    {"bounce in-out quarter", Bounce, InOut, 0.25f, 15.0f / 128},
    {"bounce in-out half", Bounce, InOut, 0.5f, 0.5f},
    {"bounce in-out three quarters", Bounce, InOut, 0.75f, 113.0f / 128},
    {"bounce in-out end", Bounce, InOut, 1, 1},
};

TEST(Easing, ValuesOfEveryCurve)
{
    for (const EasingCase& c : kEasingCases)
        EXPECT_NEAR(Ease(c.interpolation, c.type, c.u), c.expected, 2e-6f) << c.name;
}

TEST(Easing, BounceOutPiecesMeetAtTheirBorders)
{
    // Each piece ends where the next begins, so the curve has no jump.
    for (const float border : {1 / 2.75f, 2 / 2.75f, 2.5f / 2.75f}) {
        const float before = std::nextafter(border, 0.0f);
        EXPECT_NEAR(BounceOut(before), BounceOut(border), 1e-5f) << border;
    }
    EXPECT_NEAR(BounceOut(std::nextafter(2 / 2.75f, 0.0f)), 1, 1e-5f);
    EXPECT_NEAR(BounceOut(2 / 2.75f), 1, 1e-6f);
}

TEST(Easing, BounceOutNeverOvershootsTheEnd)
{
    for (int i = 0; i <= 1000; ++i)
        EXPECT_LE(BounceOut(static_cast<float>(i) / 1000), 1.0f + 1e-6f) << i;
}

} // namespace
} // namespace tessivar::scene
