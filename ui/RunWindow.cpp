#include "RunWindow.h"

#include "Application.h"
#include "ApplicationSetup.h"
#include "Unit1.h"

int RunWindow(int argc, char** argv, const std::optional<std::string>& programFile)
{
    tessivar::ui::Application application(argc, argv);
    tessivar::ui::SetUpApplication(application);
    tessivar::ui::TForm1 Form1;
    Form1.show();
    if (programFile)
        Form1.OpenProgramFile(QString::fromLocal8Bit(programFile->c_str()));
    return QApplication::exec();
}
