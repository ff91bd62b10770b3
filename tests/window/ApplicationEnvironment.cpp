// The window tests run in an application set up as the program sets up its own.
#include "ApplicationSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { tessivar::ui::SetUpApplication(*qApp); }
};

[[maybe_unused]] const ::testing::Environment* const environment
    = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
