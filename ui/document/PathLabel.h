#pragma once

#include <QLabel>

namespace tessivar::ui {

// A centred label for a file path: text() keeps the whole path, while a path
// wider than the label is drawn with its beginning elided, so the file name
// stays readable.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent);

    // A remark drawn after the path and never elided; text() stays the path.
    void SetRemark(const QString& remark);
    QString Remark() const { return remark_; }

    // The text as drawn at the label's current width.
    QString ShownText() const;

    // A long path must not widen the layout: it is elided instead.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString remark_;
};

} // namespace tessivar::ui
