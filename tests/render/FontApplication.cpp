#include "FontApplication.h"

#include <QGuiApplication>

namespace tessivar::render::testing {

void EnsureFontApplication()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessivar_render_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace tessivar::render::testing
