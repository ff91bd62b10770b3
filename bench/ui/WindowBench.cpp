#include "WindowBench.h"

#include "Unit1.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

} // namespace tessivar::ui::bench
