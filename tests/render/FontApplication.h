#pragma once

namespace tessivar::render::testing {

// Text layout needs Qt's font database, which needs a QGuiApplication; the
// unit tests make one on the offscreen platform (no display) on first use.
void EnsureFontApplication();

} // namespace tessivar::render::testing
