// Making a 3D text mesh anew, as for the step counter after every step and the
// listing at Set (no GL): the whole text's outlines tessellated as one region,
// as before glyphs were cached, against cached glyph shapes placed and
// extruded.
#include "BenchApplication.h"
#include "GlyphTessellator.h"
#include "GlyphText.h"
#include "LongProgram.h"
#include "TextExtrusion.h"
#include "TextLayout.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace tessivar::render::bench {
namespace {

constexpr float kDepth = 0.3F;

TextBlock Block(const QString& text, qreal width, qreal height)
{
    return {text, QString(), 4, width, height, scene::TextAlign::Leading, scene::TextAlign::Leading};
}

const QString kCounter = QStringLiteral("Step:  12");
const QString kSample
    = QStringLiteral("S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全");

// A listing of `lines` lines, as Set gives it to the listing.
TextBlock Listing(int lines)
{
    const QStringList program = LongProgram(lines);
    qsizetype widest = 0;
    for (const QString& line : program)
        widest = std::max(widest, line.toUtf8().size());
    return Block(program.join(QStringLiteral("\r\n")), 2.5 * static_cast<qreal>(widest), 5.0 * lines);
}

void WholeText(benchmark::State& state, const TextBlock& block)
{
    EnsureApplication();
    const auto width = static_cast<float>(block.Width), height = static_cast<float>(block.Height);
    for (auto _ : state)
        benchmark::DoNotOptimize(ExtrudeText(Tessellate(TextOutlines(block)), width, height, kDepth, scene::AllSides));
}

// With the glyphs already cached, as for every text after the first few.
void CachedGlyphs(benchmark::State& state, const TextBlock& block)
{
    EnsureApplication();
    const auto width = static_cast<float>(block.Width), height = static_cast<float>(block.Height);
    GlyphCache cache;
    PlaceGlyphs(block, cache);
    for (auto _ : state) {
        const GlyphText text = PlaceGlyphs(block, cache);
        benchmark::DoNotOptimize(ExtrudeGlyphs(text, 0, text.Glyphs.size(), width, height, kDepth, scene::AllSides));
    }
}

// Laying out and placing only, as a long listing costs before any of it is in
// view.
void PlacedOnly(benchmark::State& state)
{
    EnsureApplication();
    const TextBlock block = Listing(static_cast<int>(state.range(0)));
    GlyphCache cache;
    PlaceGlyphs(block, cache);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceGlyphs(block, cache));
    state.counters["lines"] = static_cast<double>(state.range(0));
}

BENCHMARK_CAPTURE(WholeText, StepCounter, Block(kCounter, 20, 2))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CachedGlyphs, StepCounter, Block(kCounter, 20, 2))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeText, SampleListing, Block(kSample, 35, 100))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CachedGlyphs, SampleListing, Block(kSample, 35, 100))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeText, Listing1000Lines, Listing(1000))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CachedGlyphs, Listing1000Lines, Listing(1000))->Unit(benchmark::kMillisecond);
BENCHMARK(PlacedOnly)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar::render::bench
