#include "ShownForm.h"

#include <QWheelEvent>

#include "ValueSlider.h"

#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessivar::ui::test {
namespace {

using Sliders = ShownForm;

QRect HandleRect(const ValueSlider& slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.upsideDown = !slider.invertedAppearance(); // vertical sliders are drawn upside down by default
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
}

// Drags the handle to the given y and reports every value seen on the way.
std::vector<double> DragHandleTo(ValueSlider& slider, int y)
{
    std::vector<double> seen;
    const QMetaObject::Connection connection
        = QObject::connect(&slider, &ValueSlider::ValueChanged, [&](double value) { seen.push_back(value); });
    const QPoint start = HandleRect(slider).center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, start);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&slider, QPoint(start.x(), start.y() + (y - start.y()) * i / steps));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(start.x(), y));
    QObject::disconnect(connection);
    return seen;
}

TEST_F(Sliders, StartAtTheirDesignedRangesAndValues)
{
    EXPECT_EQ(form.zoomSlider->orientation(), Qt::Vertical);
    EXPECT_DOUBLE_EQ(form.zoomSlider->Min(), 5);
    EXPECT_DOUBLE_EQ(form.zoomSlider->Max(), 50);
    EXPECT_DOUBLE_EQ(form.zoomSlider->Value(), 10);
    EXPECT_EQ(form.speedSlider->orientation(), Qt::Vertical);
    EXPECT_DOUBLE_EQ(form.speedSlider->Min(), 1);
    EXPECT_DOUBLE_EQ(form.speedSlider->Max(), 5);
    EXPECT_DOUBLE_EQ(form.speedSlider->Value(), 1);
}

TEST_F(Sliders, TakeValuesBetweenWholeUnits)
{
    for (const double value : {1.0, 2.5, 3.999, 4.5, 5.0}) {
        form.speedSlider->SetValue(value);
        EXPECT_DOUBLE_EQ(form.speedSlider->Value(), value);
    }
    form.speedSlider->SetValue(7);
    EXPECT_DOUBLE_EQ(form.speedSlider->Value(), 5) << "values are kept within the range";
}

TEST_F(Sliders, HaveTheirMinimumAtTheTopAndReportWhileDragged)
{
    for (ValueSlider* slider : {form.zoomSlider, form.speedSlider}) {
        const std::vector<double> towardsBottom = DragHandleTo(*slider, slider->height() - 1);
        EXPECT_DOUBLE_EQ(slider->Value(), slider->Max());
        const std::vector<double> towardsTop = DragHandleTo(*slider, 0);
        EXPECT_DOUBLE_EQ(slider->Value(), slider->Min());
        // Reported on the way, not only on release, and not in whole steps only.
        for (const std::vector<double>* seen : {&towardsBottom, &towardsTop}) {
            EXPECT_GT(seen->size(), 3u);
            EXPECT_TRUE(std::any_of(seen->begin(), seen->end(), [](double v) { return v != std::floor(v); }));
        }
    }
}

float CameraZ(MainWindow& form)
{
    return form.Scene().ViewCamera->Position.Z();
}

TEST_F(Sliders, ZoomSliderMovesTheCameraFromMinus5AtTheTopToMinus50AtTheBottom)
{
    EXPECT_FLOAT_EQ(CameraZ(form), -10);
    DragHandleTo(*form.zoomSlider, form.zoomSlider->height() - 1);
    EXPECT_FLOAT_EQ(CameraZ(form), -50);
    DragHandleTo(*form.zoomSlider, 0);
    EXPECT_FLOAT_EQ(CameraZ(form), -5);
    form.zoomSlider->SetValue(12.5);
    EXPECT_FLOAT_EQ(CameraZ(form), -12.5);
}

TEST_F(Sliders, ZoomSliderSweepsItsRangeInFifteenWheelNotches)
{
    form.zoomSlider->SetValue(5);
    int notches = 0;
    while (form.zoomSlider->Value() < 50 && notches < 100) {
        QWheelEvent wheel(QPointF(5, 50), form.zoomSlider->mapToGlobal(QPointF(5, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.zoomSlider, &wheel);
        ++notches;
    }
    EXPECT_EQ(form.zoomSlider->Value(), 50);
    EXPECT_EQ(notches, 15);
}

TEST_F(Sliders, SpeedSliderLeavesTheCameraWhereTheZoomSliderPutIt)
{
    form.zoomSlider->SetValue(20);
    const scene::Vector3 before = form.Scene().ViewCamera->Position.Point();
    const std::vector<double> seen = DragHandleTo(*form.speedSlider, form.speedSlider->height() / 2);
    ASSERT_FALSE(seen.empty()) << "the speed slider moved";
    EXPECT_EQ(form.Scene().ViewCamera->Position.Point(), before);
}

} // namespace
} // namespace tessivar::ui::test
