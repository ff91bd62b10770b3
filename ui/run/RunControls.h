#pragma once

class QAction;
class QPushButton;

namespace tessivar::ui {

// The controls that start and stop runs: the run controller shows its state
// on them, and nothing reads a state back from them.
struct RunControls {
    QPushButton* runButton = nullptr;
    QPushButton* stepButton = nullptr;
    QPushButton* setButton = nullptr;
    QAction* runAction = nullptr;
    QAction* stepAction = nullptr;
    QAction* runToEndAction = nullptr;
    QAction* runToCaretAction = nullptr;
};

} // namespace tessivar::ui
