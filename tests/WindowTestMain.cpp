#include <QApplication>
#include <gtest/gtest.h>

// Test programs that need a display. Listing their tests does not, so that
// test discovery also works where no display is available.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
