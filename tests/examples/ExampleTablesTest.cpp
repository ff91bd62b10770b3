// Each example program against its table, tests/examples/<name>.cases, worked
// out by hand: one row a line, "inputs -> results", the inputs being the
// register editor's lines R(1), R(2), ... and the results either "R(k)=v"
// for each register that matters or "forever" for a run that never ends.
#include "CompiledProgram.h"
#include "LineClassification.h"
#include "Machine.h"
#include "ProgramFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessivar {
namespace {

namespace fs = std::filesystem;

// Far more lines than any row's run takes; "forever" runs reach it.
constexpr std::uint64_t kLineBudget = 100'000'000;

struct ExpectedRegister {
    int number = 0;
    std::int64_t value = 0;
};

struct Row {
    std::string text;
    TextLines registers;
    bool forever = false;
    std::vector<ExpectedRegister> results;
};

std::vector<std::string> ExampleNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(TESSIVAR_EXAMPLES_DIR))
        if (entry.path().extension() == ".urm")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

ExpectedRegister ReadResult(const std::string& word)
{
    ExpectedRegister expected;
    char r = 0, open = 0, close = 0, equals = 0;
    std::istringstream in(word);
    in >> r >> open >> expected.number >> close >> equals >> expected.value;
    EXPECT_TRUE(in && r == 'R' && open == '(' && close == ')' && equals == '=') << "unreadable result " << word;
    return expected;
}

Row ReadRow(const std::string& line)
{
    Row row;
    row.text = line;
    const std::size_t arrow = line.find("->");
    EXPECT_NE(arrow, std::string::npos) << line;
    std::istringstream inputs(line.substr(0, arrow));
    for (std::string value; inputs >> value;)
        row.registers.push_back(value);
    std::istringstream results(line.substr(arrow + 2));
    for (std::string word; results >> word;) {
        if (word == "forever")
            row.forever = true;
        else
            row.results.push_back(ReadResult(word));
    }
    return row;
}

std::vector<Row> ReadTable(const std::string& name)
{
    std::ifstream file(fs::path(TESSIVAR_EXAMPLE_TABLES_DIR) / (name + ".cases"));
    EXPECT_TRUE(file) << "no table for " << name;
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line.front() != '#')
            rows.push_back(ReadRow(line));
    return rows;
}

TextLines ReadExample(const std::string& name)
{
    const ProgramFileReading reading = ReadProgramFile((fs::path(TESSIVAR_EXAMPLES_DIR) / (name + ".urm")).string());
    EXPECT_FALSE(reading.error) << Text(reading.error->message);
    return reading.lines;
}

class ExampleTest : public testing::TestWithParam<std::string> {};

TEST_P(ExampleTest, GivesTheResultsOfItsTable)
{
    const TextLines program = ReadExample(GetParam());
    const std::vector<Row> table = ReadTable(GetParam());
    ASSERT_FALSE(table.empty());
    for (const Row& row : table) {
        for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
            SCOPED_TRACE(row.text + (acceleration == LoopAcceleration::On ? " (accelerated)" : " (line by line)"));
            Machine machine;
            TextLines registers = row.registers;
            ASSERT_FALSE(machine.Set(registers, program).error);
            const RunOutcome run
                = CompiledProgram(machine.program, acceleration).Run(machine, RunLimits{.maxLines = kLineBudget});
            EXPECT_EQ(run.stop, row.forever ? RunOutcome::Stop::LineBudget : RunOutcome::Stop::Ended);
            for (const ExpectedRegister& expected : row.results)
                EXPECT_EQ(machine.registers[static_cast<std::size_t>(expected.number - 1)], expected.value)
                    << "R(" << expected.number << ")";
        }
    }
}

// A header of comment lines names its input and result registers and an
// example input; below it every line is an instruction the machine reads as
// written, and every jump lands in the program or right after its last line.
TEST_P(ExampleTest, StartsWithItsHeaderAndHoldsOnlyWellWrittenInstructions)
{
    const TextLines program = ReadExample(GetParam());
    ASSERT_GE(program.size(), 5u);
    const char* const header[] = {"/ ", "/ 入力: ", "/ 結果: ", "/ 入力例: "};
    for (std::size_t i = 0; i < std::size(header); ++i)
        EXPECT_TRUE(program[i].starts_with(header[i])) << program[i];
    const auto lineCount = static_cast<std::int32_t>(program.size());
    for (std::size_t i = std::size(header); i < program.size(); ++i) {
        const LineClassification line = ClassifyLine(program[i], static_cast<std::int64_t>(i), lineCount);
        EXPECT_NE(line.kind, InstructionKind::NoOp) << program[i];
        EXPECT_TRUE(line.faults.empty()) << program[i];
        if (line.destination && line.destination->kind != JumpDestination::Kind::Line) {
            EXPECT_EQ(line.destination->kind, JumpDestination::Kind::PastEnd) << program[i];
            EXPECT_EQ(line.destination->line, lineCount + 1) << program[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTest, testing::ValuesIn(ExampleNames()),
                         [](const testing::TestParamInfo<std::string>& example) {
                             std::string name = example.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ExampleLibraryTest, HoldsTheClassicProgramsAndTheEditorsSample)
{
    EXPECT_EQ(ExampleNames().size(), 12u);
}

} // namespace
} // namespace tessivar
