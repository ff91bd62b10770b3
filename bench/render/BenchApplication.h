#pragma once

namespace tessivar::render::bench {

// Fonts and the scene view need a QApplication; one for the whole run, made
// on first use (benchmark_main owns main()).
void EnsureApplication();

} // namespace tessivar::render::bench
