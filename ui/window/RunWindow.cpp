#include "RunWindow.h"

#include "Application.h"
#include "ApplicationSetup.h"
#include "MainWindow.h"

int RunWindow(int argc, char** argv, const std::optional<std::string>& programFile,
              const std::optional<std::string>& language)
{
    using namespace tessivar::ui;
    Application application(argc, argv);
    SetUpApplication(language ? LanguageOfCode(QString::fromStdString(*language)) : std::nullopt);
    MainWindow window;
    window.show();
    if (programFile)
        window.OpenProgramFile(QString::fromLocal8Bit(programFile->c_str()));
    return QApplication::exec();
}
