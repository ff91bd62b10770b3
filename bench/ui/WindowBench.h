#pragma once

namespace tessivar::ui {
class MainWindow;
}

namespace tessivar::ui::bench {

// The main window as a user first sees it, with the explanation closed.
void ShowWithoutExplanation(MainWindow& form);

// The application's own event loop for `ms` (QTest::qWait sleeps between its
// rounds of events, which would hold back every timer).
void RunEventLoopFor(int ms);

} // namespace tessivar::ui::bench
