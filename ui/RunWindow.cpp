#include "RunWindow.h"

#include "MessageBoxes.h"
#include "Unit1.h"

#include <QApplication>

int RunWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tessivar::ui::kApplicationTitle));
    tessivar::ui::TForm1 Form1;
    Form1.show();
    return QApplication::exec();
}
