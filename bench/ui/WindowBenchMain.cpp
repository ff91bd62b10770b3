// main() of the window benchmarks: they need a display (run them under
// xvfb-run), and the application must outlive every window and end before the
// process does.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fprintf(stderr, "%s needs a display (run under xvfb-run)\n", argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
