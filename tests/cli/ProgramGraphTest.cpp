#include "ProgramGraph.h"
#include "GraphLabel.h"
#include "UnicodeText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tessivar::test {
namespace {

TEST(ProgramGraph, EveryKindOfLine)
{
    const TextLines program{"S(1)", "Z(2)",      "T(1,2)", "J(1,2,7)", "J(3,3,1)", "/ say \"hi\" \\ then",
                            "",     "J(1,2,-5)", "S(300)", "J(1,2,99)"};
    EXPECT_EQ(ProgramGraphDot(program, Language::English), R"dot(digraph program {
  node [shape=box, fontname="monospace"];
  edge [fontname="monospace"];
  start [shape=point];
  start -> line1;
  line1 [label="1: S(1)"];
  line1 -> line2;
  line2 [label="2: Z(2)"];
  line2 -> line3;
  line3 [label="3: T(1,2)"];
  line3 -> line4;
  line4 [label="4: J(1,2,7)"];
  line4 -> line7 [label="R(1) = R(2)"];
  line4 -> line5 [label="R(1) ≠ R(2)"];
  line5 [label="5: J(3,3,1)"];
  line5 -> line1 [label="always"];
  line6 [label="6: / say \"hi\" \\ then", shape=note, style=dashed, fontcolor=gray30];
  line6 -> line7;
  line7 [label="7: "];
  line7 -> line8;
  line8 [label="8: J(1,2,-5)"];
  line8 -> line9;
  line9 [label="9: S(300)\nR(300) does not exist: the step fails", style=filled, fillcolor=mistyrose, color=red3];
  line9 -> line10;
  line10 [label="10: J(1,2,99)"];
  line10 -> end99 [label="R(1) = R(2)"];
  line10 -> end [label="R(1) ≠ R(2)"];
  end [label="end", shape=doubleoctagon];
  end99 [label="end (line 99)", shape=doubleoctagon];
}
)dot");
}

// Control characters would make the SVG Graphviz writes no XML: each is drawn
// as its control picture; a tab stays. A line naming a register above 256 is
// marked, whichever of its registers it is.
TEST(ProgramGraph, ControlCharactersAndMissingRegistersInLabels)
{
    const TextLines program{"/ bell\x07 escape\x1b[31m delete\x7f", "S(1)\tx", "T(1,257)", "J(300,1,1)"};
    const std::string dot = ProgramGraphDot(program, Language::English);
    EXPECT_NE(dot.find("label=\"1: / bell\u2407 escape\u241b[31m delete\u2421\""), std::string::npos) << dot;
    EXPECT_NE(dot.find("label=\"2: S(1)\tx\""), std::string::npos) << dot;
    for (const char control : {'\x07', '\x1b', '\x7f'}) {
        EXPECT_EQ(dot.find(control), std::string::npos) << int{control};
    }
    EXPECT_NE(dot.find("label=\"3: T(1,257)\\nR(257) does not exist: the step fails\""), std::string::npos) << dot;
    EXPECT_NE(dot.find("label=\"4: J(300,1,1)\\nR(300) does not exist: the step fails\""), std::string::npos) << dot;
}

// Where a jump lands, as the machine decodes it: relative targets, 0 for the
// end, targets past the end, and an empty last line that is no line at all.
TEST(ProgramGraph, JumpTargetsAsTheMachineReadsThem)
{
    struct Case {
        TextLines program;
        std::string edge;
    };
    const std::vector<Case> cases{
        {{"S(1)", "J(1,2,.-1)"}, "line2 -> line1 [label=\"R(1) = R(2)\"];"},
        {{"J(1,1,.0)"}, "line1 -> line1 [label=\"always\"];"},
        {{"J(1,1,0)", "S(1)"}, "line1 -> end [label=\"always\"];"},
        {{"J(1,1,3)", "S(1)"}, "line1 -> end [label=\"always\"];"},
        {{"J(1,1,4)", "S(1)"}, "line1 -> end4 [label=\"always\"];"},
        {{"J 1 , 2 , 1", ""}, "line1 -> line1 [label=\"R(1) = R(2)\"];\n  line1 -> end [label=\"R(1) ≠ R(2)\"];"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.program.front());
        EXPECT_NE(ProgramGraphDot(test.program, Language::English).find(test.edge), std::string::npos)
            << ProgramGraphDot(test.program, Language::English);
    }
}

// Graphviz refuses a quoted string of more than 16,384 bytes: a longer label
// is cut after a whole character (never inside one or inside an escape) and
// says how many characters are left out.
TEST(ProgramGraph, LongLabelsAreCutWithAMark)
{
    struct Case {
        std::string text;
        std::string lastKept; // as escaped
    };
    const std::vector<Case> cases{
        {std::string(20'000, 'x'), "x"},
        {"/ " + std::string(30'000, '"'), "\\\""},
        {"/ " + std::string(15'000, '\\'), "\\\\"},
    };
    for (const Case& test : cases) {
        std::string text = test.text;
        for (int repeat = 0; repeat < 7'000; ++repeat) {
            text += "掛";
        }
        SCOPED_TRACE(text.substr(0, 3));
        for (const std::size_t shift : {0, 1, 2}) {
            const std::string shifted = std::string(shift, ' ') + text;
            const std::string label = GraphLabel(shifted, "R(300) does not exist", Language::English);
            ASSERT_LE(label.size(), kLongestGraphLabel + 2);
            EXPECT_TRUE(IsValidUtf8(label));
            const std::size_t mark = label.find("… (");
            ASSERT_NE(mark, std::string::npos);
            EXPECT_EQ(label.substr(mark - test.lastKept.size(), test.lastKept.size()), test.lastKept);
            // Every quote and backslash kept is escaped: an unescaped quote would end the string.
            std::string unescaped;
            for (std::size_t index = 1; index < mark; ++index) {
                if (label[index] == '\\') {
                    ++index;
                }
                unescaped += label[index];
            }
            const std::size_t cut = std::stoul(label.substr(mark + std::string("… (").size()));
            const auto characters = [](const std::string& bytes) {
                return std::ranges::count_if(bytes,
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
            };
            EXPECT_EQ(static_cast<std::size_t>(characters(unescaped)) + cut,
                      static_cast<std::size_t>(characters(shifted)));
            EXPECT_TRUE(shifted.starts_with(unescaped));
            EXPECT_TRUE(label.ends_with(" more characters)\\nR(300) does not exist\"")) << label.substr(mark);
        }
    }
    const std::string fits(kLongestGraphLabel, 'x');
    EXPECT_EQ(GraphLabel(fits, {}, Language::English), '"' + fits + '"');
    EXPECT_NE(GraphLabel(fits + "x", {}, Language::Japanese).find("…(残り "), std::string::npos);
}

TEST(ProgramGraph, EmptyProgramGoesStraightToTheEnd)
{
    EXPECT_EQ(ProgramGraphDot({}, Language::English), R"dot(digraph program {
  node [shape=box, fontname="monospace"];
  edge [fontname="monospace"];
  start [shape=point];
  start -> end;
  end [label="end", shape=doubleoctagon];
}
)dot");
}

} // namespace
} // namespace tessivar::test
