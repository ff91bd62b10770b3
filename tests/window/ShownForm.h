#pragma once

#include "MainWindow.h"
#include "ValueSlider.h"

#include <QApplication>
#include <QMenuBar>

#include <QTest>
#include <gtest/gtest.h>

namespace tessivar::ui::test {

// A main form shown on the test display, as a user would first see it.
class ShownForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // The speed slider at its top: every step completes inside its click.
    void TopSpeed() { form.speedSlider->SetValue(form.speedSlider->Max()); }

    // Widget geometry in client-area coordinates.
    QRect ClientRect(const QWidget* widget) const
    {
        return {widget->mapTo(form.clientArea, QPoint(0, 0)), widget->size()};
    }

    // Resizes the client area and waits until the layout has followed.
    void ResizeClient(QSize size)
    {
        form.resize(size.width(), size.height() + form.menuBar()->height());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.clientArea->size() == size; }));
        QApplication::processEvents();
    }

    MainWindow form;
};

} // namespace tessivar::ui::test
