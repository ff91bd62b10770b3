#include "MessageBoxes.h"

#include "MachineError.h"

#include <QMessageBox>

namespace tessivar::ui {

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowErrorBox(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle),
                          QString::fromStdString(ErrorBoxText(message.toStdString())));
}

} // namespace tessivar::ui
