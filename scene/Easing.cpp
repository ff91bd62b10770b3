#include "Easing.h"

namespace tessivar::scene {

float BounceOut(float u)
{
    constexpr float k = 7.5625f;
    constexpr float d = 2.75f;
    if (u < 1 / d)
        return k * u * u;
    if (u < 2 / d) {
        u -= 1.5f / d;
        return k * u * u + 0.75f;
    }
    if (u < 2.5f / d) {
        u -= 2.25f / d;
        return k * u * u + 15.0f / 16.0f;
    }
    u -= 2.625f / d;
    return k * u * u + 63.0f / 64.0f;
}

float Bounce(EasingMode type, float u)
{
    switch (type) {
    case EasingMode::In:
        return 1 - BounceOut(1 - u);
    case EasingMode::Out:
        return BounceOut(u);
    case EasingMode::InOut:
        return u < 0.5f ? (1 - BounceOut(1 - 2 * u)) / 2 : BounceOut(2 * u - 1) / 2 + 0.5f;
    }
    return u;
}

} // namespace tessivar::scene
