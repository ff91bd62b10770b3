#pragma once

#include "ShownForm.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace tessivar::ui::test {

// The main form with the explanation closed and the speed at its top, ready
// for a program to be set and debugged.
class ProgramForm : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        TopSpeed();
    }

    void SetProgram(const char* registers, const char* program)
    {
        form.registerEditor->setPlainText(QString::fromUtf8(registers));
        form.programEditor->setPlainText(QString::fromUtf8(program));
        QTest::mouseClick(form.setButton, Qt::LeftButton);
    }

    void PutCaretOnLine(int line)
    {
        form.programEditor->setTextCursor(QTextCursor(form.programEditor->document()->findBlockByNumber(line)));
    }

    void ToggleBreakpointOnLine(int line)
    {
        PutCaretOnLine(line);
        form.toggleBreakpointAction->trigger();
    }
};

} // namespace tessivar::ui::test
