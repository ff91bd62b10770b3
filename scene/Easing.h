#pragma once

#include <cstdint>

namespace tessivar::scene {

// Easing curves the scene uses.
enum class EasingCurve : std::uint8_t { Linear, Bounce };
enum class EasingMode : std::uint8_t { In, Out, InOut };

// The bounce curve's In, Out or InOut at normalised time u.
float Bounce(EasingMode type, float u);

// e(u) for normalised time u in [0, 1], in 32-bit floats.
inline float Ease(EasingCurve interpolation, EasingMode type, float u)
{
    return interpolation == EasingCurve::Bounce ? Bounce(type, u) : u;
}

// Penner's bounce b(u): reaches 1 first at u = 1/2.75, then rebounds by 1/4,
// 1/16 and 1/64 of the travel.
float BounceOut(float u);

} // namespace tessivar::scene
