#include "Message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar {
namespace {

// Arguments go in in one pass: one that holds a place of its own is kept as
// it is, and a place without an argument stays in the text.
TEST(MessageTest, FormatPutsEachArgumentInItsPlaces)
{
    struct Case {
        const char* pattern;
        std::vector<std::string> args;
        std::string text;
    };
    const Case cases[] = {
        {"S(%1): R(%1) に 1 を足します", {"3"}, "S(3): R(3) に 1 を足します"},
        {"%2 then %1", {"a", "b"}, "b then a"},
        {"file %1", {"%2"}, "file %2"},
        {"%1 and %3", {"x"}, "x and %3"},
        {"100% sure %", {}, "100% sure %"},
        {"%0 %10", {"a"}, "%0 a0"},
        {"", {"unused"}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.pattern, c.args), c.text) << c.pattern;
    }
}

TEST(MessageTest, MessagesAreJoinedOneToALine)
{
    const std::vector<Message> messages{{"first %1", {"1"}}, {"second"}};
    EXPECT_EQ(Text(messages), "first 1\nsecond");
    EXPECT_EQ(Text(std::vector<Message>{}), "");
}

} // namespace
} // namespace tessivar
