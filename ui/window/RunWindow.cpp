#include "RunWindow.h"

#include "Application.h"
#include "ApplicationSetup.h"
#include "Unit1.h"

int RunWindow(int argc, char** argv, const std::optional<std::string>& programFile,
              const std::optional<std::string>& language)
{
    using namespace tessivar::ui;
    Application application(argc, argv);
    SetUpApplication(language ? LanguageOfCode(QString::fromStdString(*language)) : std::nullopt);
    TForm1 Form1;
    Form1.show();
    if (programFile)
        Form1.OpenProgramFile(QString::fromLocal8Bit(programFile->c_str()));
    return QApplication::exec();
}
