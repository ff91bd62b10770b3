#include "RunWindow.h"

#include "Application.h"
#include "ApplicationSetup.h"
#include "Unit1.h"

int RunWindow(int argc, char** argv)
{
    tessivar::ui::Application application(argc, argv);
    tessivar::ui::SetUpApplication(application);
    tessivar::ui::TForm1 Form1;
    Form1.show();
    return QApplication::exec();
}
