#include "WindowStart.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessivar {
namespace {

TEST(WindowStart, AProgramFileAndALanguageStartTheWindowAnythingElseTheCommandLine)
{
    struct Case {
        std::vector<std::string> args;
        std::optional<WindowStart> start;
    };
    const Case cases[] = {
        {{}, WindowStart{}},
        {{"a.urm"}, WindowStart{"a.urm", std::nullopt}},
        {{"--lang", "en"}, WindowStart{std::nullopt, "en"}},
        {{"--lang", "ja", "a.urm"}, WindowStart{"a.urm", "ja"}},
        {{"a.urm", "--lang", "en"}, WindowStart{"a.urm", "en"}},
        {{"--lang", "fr"}, std::nullopt},
        {{"--lang"}, std::nullopt},
        {{"--lang", "en", "--lang", "ja"}, std::nullopt},
        {{"a.urm", "b.urm"}, std::nullopt},
        {{"--run", "a.urm"}, std::nullopt},
        {{"--help"}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<WindowStart> start = ParseWindowStart(c.args);
        std::string shown;
        for (const std::string& arg : c.args) {
            shown += arg + " ";
        }
        ASSERT_EQ(start.has_value(), c.start.has_value()) << shown;
        if (start) {
            EXPECT_EQ(start->programFile, c.start->programFile) << shown;
            EXPECT_EQ(start->language, c.start->language) << shown;
        }
    }
}

} // namespace
} // namespace tessivar
