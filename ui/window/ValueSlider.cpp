#include "ValueSlider.h"

#include <cmath>

namespace tessivar::ui {

namespace {

int ToSteps(double value)
{
    return static_cast<int>(std::lround(value * ValueSlider::kStepsPerUnit));
}

double FromSteps(int steps)
{
    return static_cast<double>(steps) / ValueSlider::kStepsPerUnit;
}

} // namespace

ValueSlider::ValueSlider(double min, double max, double value, QWidget* parent) : QSlider(Qt::Vertical, parent)
{
    setRange(ToSteps(min), ToSteps(max));
    setValue(ToSteps(value));
    // A vertical QSlider has its minimum at the bottom; the track bars have it at the top.
    setInvertedAppearance(true);
    setInvertedControls(true);
    setSingleStep(kStepsPerUnit / 10);
    setPageStep(kStepsPerUnit);
    setTracking(true);
    connect(this, &QSlider::valueChanged, this, [this](int steps) { emit ValueChanged(FromSteps(steps)); });
}

void ValueSlider::SetSteps(double single, double page)
{
    setSingleStep(ToSteps(single));
    setPageStep(ToSteps(page));
}

double ValueSlider::Min() const
{
    return FromSteps(minimum());
}
double ValueSlider::Max() const
{
    return FromSteps(maximum());
}
double ValueSlider::Value() const
{
    return FromSteps(value());
}
void ValueSlider::SetValue(double value)
{
    setValue(ToSteps(value));
}

} // namespace tessivar::ui
