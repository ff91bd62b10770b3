// Making a 3D text mesh anew, as for the step counter after every step and the
// listing at Set: layout, outlines, tessellation and extrusion (no GL).
#include "BenchApplication.h"
#include "GlyphTessellator.h"
#include "TextExtrusion.h"
#include "TextLayout.h"

#include <benchmark/benchmark.h>

namespace tessivar::render::bench {
namespace {

void TextMesh(benchmark::State& state, const char* text, float width, float height)
{
    EnsureApplication();
    const TextBlock block{QString::fromUtf8(text),   QString(), 4, width, height, scene::TTextAlign::Leading,
                          scene::TTextAlign::Leading};
    for (auto _ : state)
        benchmark::DoNotOptimize(ExtrudeText(Tessellate(TextOutlines(block)), width, height, 0.3F, scene::AllSides));
}

BENCHMARK_CAPTURE(TextMesh, StepCounter, "Step:  12", 20, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextMesh, SampleListing,
                  "S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全", 35, 100)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar::render::bench
