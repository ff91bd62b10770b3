#include "WindowBench.h"

#include "MainWindow.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tessivar::ui::bench {

void ShowWithoutExplanation(MainWindow& form)
{
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
}

void RunEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tessivar::ui::bench
