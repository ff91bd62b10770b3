#include "BenchApplication.h"

#include <QApplication>

namespace tessivar::render::bench {

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "bench_render";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

} // namespace tessivar::render::bench
