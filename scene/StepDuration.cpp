#include "StepDuration.h"

#include <cmath>

namespace tessivar::scene {

namespace {

bool AtTop(double sliderValue, double sliderMax)
{
    return static_cast<float>(sliderValue) == static_cast<float>(sliderMax);
}

float HalvedPerUnit(double sliderValue)
{
    const int halvings = static_cast<int>(sliderValue - 1);
    return 2.0f / std::ldexp(1.0f, halvings);
}

} // namespace

float StepDuration(double sliderValue, double sliderMax)
{
    return AtTop(sliderValue, sliderMax) ? 0.0f : HalvedPerUnit(sliderValue);
}

float SetPanDuration(double sliderValue, double sliderMax)
{
    return AtTop(sliderValue, sliderMax) ? 0.01f : HalvedPerUnit(sliderValue);
}

} // namespace tessivar::scene
