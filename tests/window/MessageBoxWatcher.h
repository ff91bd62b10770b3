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

// While alive, closes every modal message box that opens with its OK button,
// or with the button labelled `answer` where it has one, and records what it
// showed, so a handler that shows one returns.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(QString answer = {}) : answer_(std::move(answer))
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
        for (QAbstractButton* button : box->buttons())
            if (!answer_.isEmpty() && button->text() == answer_) {
                button->click();
                return;
            }
        box->button(QMessageBox::Ok)->click();
    }

    QString answer_;
    QTimer timer_;
    std::vector<SeenMessageBox> seen_;
};

} // namespace tessivar::ui::test
