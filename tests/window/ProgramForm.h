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
        QTest::mouseClick(form.Button6, Qt::LeftButton);
        TopSpeed();
    }

    void SetProgram(const char* registers, const char* program)
    {
        form.Memo1->setPlainText(QString::fromUtf8(registers));
        form.Memo2->setPlainText(QString::fromUtf8(program));
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    }

    void PutCaretOnLine(int line)
    {
        form.Memo2->setTextCursor(QTextCursor(form.Memo2->document()->findBlockByNumber(line)));
    }

    void ToggleBreakpointOnLine(int line)
    {
        PutCaretOnLine(line);
        form.ToggleBreakpointAction->trigger();
    }
};

} // namespace tessivar::ui::test
