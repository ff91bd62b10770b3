#include "WindowBench.h"

#include "Unit1.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace tessivar::ui::bench {

void ShowWithoutExplanation(TForm1& form)
{
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::mouseClick(form.Button6, Qt::LeftButton);
}

void RunEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int RunWindowBenchmarks(int argc, char** argv, const char* name)
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fprintf(stderr, "%s needs a display (run under xvfb-run)\n", name);
        return 1;
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tessivar::ui::bench
