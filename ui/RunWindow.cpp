#include "RunWindow.h"

#include "ApplicationSetup.h"
#include "Unit1.h"

#include <QApplication>

int RunWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    tessivar::ui::SetUpApplication(application);
    tessivar::ui::TForm1 Form1;
    Form1.show();
    return QApplication::exec();
}
