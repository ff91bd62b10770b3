#pragma once

#include <QSlider>

namespace tessivar::ui {

// A vertical track bar with its minimum at the top that takes any value in its
// range: the integer slider runs in thousandths of a unit and Value() reads the
// position back as a real number. It reports changes while being dragged.
class ValueSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr int kStepsPerUnit = 1000;

    ValueSlider(double min, double max, double value, QWidget* parent);

    // How far an arrow key (a wheel notch moves three of these) and a page key move.
    void SetSteps(double single, double page);

    double Min() const;
    double Max() const;
    double Value() const;
    void SetValue(double value);

signals:
    void ValueChanged(double value);
};

} // namespace tessivar::ui
