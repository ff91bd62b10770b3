#pragma once

namespace tessivar::scene {

// The base duration D of a step's animations, in seconds, from the speed
// slider: 2, 1, 0.5, 0.25 as the slider passes each whole unit from its
// minimum 1, and 0 (every step immediate) at its maximum.
float StepDuration(double sliderValue, double sliderMax);

// The camera pan at Set follows the same rule but stays a real run at the
// top: 0.01 s there.
float SetPanDuration(double sliderValue, double sliderMax);

} // namespace tessivar::scene
