#include "MessageBoxes.h"

#include "MachineError.h"

#include <QMessageBox>

namespace tessivar::ui {

void ShowMessage(QWidget* parent, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

void ShowErrorBox(QWidget* parent, const std::string& message)
{
    QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle), QString::fromStdString(ErrorBoxText(message)));
}

} // namespace tessivar::ui
