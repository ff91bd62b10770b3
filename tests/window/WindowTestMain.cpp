#include "MessageBoxes.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tessivar::ui::kApplicationTitle));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
