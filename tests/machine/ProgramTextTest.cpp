#include "ProgramText.h"

#include <gtest/gtest.h>

#include <string>

namespace tessivar {
namespace {

TEST(SplitTextLinesTest, BreaksAtEveryKindOfLineEnd)
{
    const std::pair<std::string, TextLines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n\nx", {"", "", "x"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(SplitTextLines(text), lines) << testing::PrintToString(text);
    }
}

TEST(JoinTextLinesTest, JoinsWithCrLfAndNoFinalBreak)
{
    EXPECT_EQ(JoinTextLines({}), "");
    EXPECT_EQ(JoinTextLines({""}), "");
    EXPECT_EQ(JoinTextLines({"a"}), "a");
    EXPECT_EQ(JoinTextLines({"a", "b"}), "a\r\nb");
    EXPECT_EQ(JoinTextLines({"a", ""}), "a\r\n");
}

TEST(ProgramListFromEditorLinesTest, DropsOneEmptyLastLine)
{
    const std::pair<TextLines, TextLines> cases[] = {
        {{}, {}},
        {{""}, {}},
        {{"S(1)", "J(1,1,1)", "/ loop (forever)", ""}, {"S(1)", "J(1,1,1)", "/ loop (forever)"}},
        {{"a", "", ""}, {"a", ""}},
        {{"a", "", "b"}, {"a", "", "b"}},
        {{"", ""}, {""}},
        {{"a\nb"}, {"a", "b"}},
    };
    for (const auto& [editor, program] : cases) {
        EXPECT_EQ(ProgramListFromEditorLines(editor), program) << testing::PrintToString(editor);
    }
}

TEST(PrepareProgramLineTest, BlanksAsciiBracketsOutsideComments)
{
    const std::pair<std::string, std::string> cases[] = {
        {"S(3)", "S 3 "},
        {"J(1,3,6)", "J 1,3,6 "},
        {"J(1,1,1)", "J 1,1,1 "},
        {"((x))", "  x  "},
        {"s(3)", "s 3 "},
        {" /x(1)", " /x 1 "},
        {"/ loop (forever)", "/ loop (forever)"},
        {"/(", "/("},
        {"", ""},
        {"Ｓ（３）", "Ｓ（３）"},
        {"T(2,1) (", "T 2,1   "},
    };
    for (const auto& [line, prepared] : cases) {
        EXPECT_EQ(PrepareProgramLine(line), prepared) << line;
    }
}

} // namespace
} // namespace tessivar
