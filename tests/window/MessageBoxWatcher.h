#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace tessivar::ui::test {

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    qsizetype buttonCount;
};

// While alive, closes every modal message box that opens (as its OK button
// would) and records what it showed, so a handler that shows one returns.
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { CloseActiveBox(); });
        timer_.start();
    }

    const std::vector<SeenMessageBox>& Seen() const { return seen_; }

private:
    void CloseActiveBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size()});
        box->button(QMessageBox::Ok)->click();
    }

    QTimer timer_;
    std::vector<SeenMessageBox> seen_;
};

} // namespace tessivar::ui::test
