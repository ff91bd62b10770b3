// The window tests run in an application set up as the program sets up its
// own, in Japanese, with settings of their own: every test process starts
// from none and leaves the user's alone.
#include "ApplicationSetup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(settingsFolder_.isValid());
        qputenv("XDG_CONFIG_HOME", settingsFolder_.path().toLocal8Bit());
        tessivar::ui::SetUpApplication(tessivar::ui::Language::Japanese);
    }

private:
    QTemporaryDir settingsFolder_;
};

[[maybe_unused]] const ::testing::Environment* const environment
    = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
