#include "DecodeInstruction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitFieldsTest, BlanksAndCommasSeparate)
{
    const std::pair<std::string, Fields> cases[] = {
        {"J 1,3,6 ", {"J", "1", "3", "6"}},
        {"T 2,1 ", {"T", "2", "1"}},
        {"S 3 ", {"S", "3"}},
        {"j 1 2 3", {"j", "1", "2", "3"}},
        {"J   1 , 2 , 3  ", {"J", "1", "2", "3"}},
        {"/ R(1):=R(1)-1", {"/", "R(1):=R(1)-1"}},
        {"a\tb\x01"
         "c\x1f"
         "d",
         {"a", "b", "c", "d"}},
        {"\t \x01 a", {"a"}},
        {"a\x7f"
         "b",
         {"a\x7f"
          "b"}},
        {"Ｓ　３", {"Ｓ　３"}},
    };
    for (const auto& [line, fields] : cases) {
        EXPECT_EQ(SplitFields(line), fields) << testing::PrintToString(line);
    }
}

TEST(SplitFieldsTest, EmptyFieldsComeOnlyFromCommas)
{
    const std::pair<std::string, Fields> cases[] = {
        {"", {}},
        {"    ", {}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"a ,", {"a", ""}},
        {"a, ", {"a"}},
        {"a , ,", {"a", "", ""}},
        {",a", {"", "a"}},
        {",", {"", ""}},
        {"J 1,2,,", {"J", "1", "2", "", ""}},
        {"a ", {"a"}},
    };
    for (const auto& [line, fields] : cases) {
        EXPECT_EQ(SplitFields(line), fields) << testing::PrintToString(line);
    }
}

TEST(SplitFieldsTest, DoubleQuotesEncloseOneField)
{
    const std::pair<std::string, Fields> cases[] = {
        {"\"a b\" c", {"a b", "c"}}, {"\"a,b\",c", {"a,b", "c"}}, {"\"a\"\"b\"", {"a\"b"}}, {"\"\"", {""}},
        {"\"\" S", {"", "S"}},       {"\"abc", {"abc"}},          {"\"a\"\"", {"a\""}},     {"\"ab\"cd", {"ab", "cd"}},
        {"x\"y\"", {"x\"y\""}},      {"S \" 3\"", {"S", " 3"}},
    };
    for (const auto& [line, fields] : cases) {
        EXPECT_EQ(SplitFields(line), fields) << testing::PrintToString(line);
    }
}

TEST(SplitFieldsTest, LineEndsAtNulCharacter)
{
    EXPECT_EQ(SplitFields(std::string("S 3\0 4", 6)), (Fields{"S", "3"}));
    EXPECT_EQ(SplitFields(std::string("\0S", 2)), Fields{});
    EXPECT_EQ(SplitFields(std::string("\"a\0b\"", 5)), Fields{"a"});
}

} // namespace
} // namespace tessivar
