#include "ExitCode.h"
#include "ProgramFileFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace tessivar::test {
namespace {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The locale of every run but those that choose one: the developer's own
// would otherwise decide the language of what the tests read.
constexpr const char* kEnglishLocale = "LC_ALL=C.UTF-8";

// Runs the built executable with `arguments` (already quoted for the shell) and
// `locale`, assignments of the locale's variables.
ProcessResult RunExecutable(const std::string& arguments, const std::string& locale = kEnglishLocale)
{
    const TemporaryFolder folder;
    const std::string outPath = folder.File("stdout");
    const std::string errPath = folder.File("stderr");
    const std::string command = "env -u LC_ALL -u LC_MESSAGES -u LANG " + locale + " '" + TESSIVAR_EXECUTABLE + "' "
        + arguments + " >'" + outPath + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    ProcessResult result;
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

TEST(Executable, RunsTheSampleProgram)
{
    const TemporaryProgramFile program(kSampleProgramFile);
    const ProcessResult result = RunExecutable("--run '" + program.Path() + "' 3");
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out.substr(0, 2), "2\n");
    EXPECT_NE(result.err.find("Step:  11"), std::string::npos) << result.err;
}

TEST(Executable, ExitStatusTellsHowTheRunEnded)
{
    const TemporaryProgramFile loop("S(1)\nJ(1,1,1)");
    const TemporaryProgramFile badRegister("S(300)");
    const TemporaryProgramFile successorCases("2 -> R1=3\n");
    const TemporaryProgramFile successor("S(1)");
    const std::vector<std::pair<std::string, int>> cases{
        {"--run '" + loop.Path() + "' -3 --max-steps 10", kExitNotEnded},
        {"--run '" + badRegister.Path() + "'", kExitStepFailed},
        {"--run '" + MissingFilePath() + "'", kExitUsage},
        {"--graph '" + MissingFilePath() + "'", kExitUsage},
        {"--graph '" + loop.Path() + "'", kExitEnded},
        {"--run '" + loop.Path() + "' --bogus", kExitUsage},
        {"--check '" + successorCases.Path() + "' '" + successor.Path() + "'", kExitAllPassed},
        {"--check '" + successorCases.Path() + "' '" + successor.Path() + "' '" + loop.Path() + "'", kExitSomeFailed},
        {"--check '" + successorCases.Path() + "' '" + MissingFilePath() + "' '" + successor.Path() + "'", kExitUsage},
        {"--check '" + successor.Path() + "' '" + successor.Path() + "'", kExitUsage},
        {"--help", kExitEnded},
        {"--version", kExitEnded},
    };
    for (const auto& [arguments, exitCode] : cases) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(RunExecutable(arguments).exitCode, exitCode);
    }
}

TEST(Executable, GraphIsAPictureForGraphviz)
{
    const TemporaryProgramFile program(
        "\xEF\xBB\xBF/ 掛け算 \"a\\b\"\nS(3)\nZ(4)\nT(1,2)\nJ(1,2,.2)\nJ(3,3,1)\n\nS(300)\nJ(1,1,0)\n"
        "J(1,2,99)\nJ(1,2,-5)\nq(1)\nS(1)\x01\x07\x1f\x7f\tok\n/ "
        + std::string(20'000, '"')); // a label Graphviz would refuse whole
    const ProcessResult graph = RunExecutable("--graph '" + program.Path() + "'");
    ASSERT_EQ(graph.exitCode, kExitEnded) << graph.err;
    EXPECT_EQ(graph.err, "");

    const TemporaryFolder folder;
    const std::string dotPath = folder.File("program.dot");
    const std::string svgPath = folder.File("program.svg");
    const std::string complaintsPath = folder.File("complaints");
    WriteBytes(dotPath, graph.out);
    const int status
        = std::system(("dot -Tsvg '" + dotPath + "' >'" + svgPath + "' 2>'" + complaintsPath + "'").c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 127)
        << "Graphviz's dot is missing: scripts/install-deps.sh installs it";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(complaintsPath), "");
    const std::string svg = ReadBytes(svgPath);
    for (const char* text : {"掛け算", "1: / ", "5: J(1,2,.2)", "R(1) = R(2)", "end (line 99)", "S(1)␁␇␟␡",
                             "R(300) does not exist", "more characters)"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
    // Control characters would make the picture unreadable to XML parsers.
    const int parsed = std::system(("xmllint --noout '" + svgPath + "' 2>'" + complaintsPath + "'").c_str());
    ASSERT_TRUE(WIFEXITED(parsed) && WEXITSTATUS(parsed) != 127)
        << "xmllint is missing: scripts/install-deps.sh installs it";
    EXPECT_EQ(WEXITSTATUS(parsed), 0) << ReadBytes(complaintsPath);
}

// The executable takes its language from the locale, LC_ALL first, then
// LC_MESSAGES, then LANG: a failing step, a file that cannot be read and a
// wrong option each come out wholly in it.
TEST(Executable, SpeaksTheLanguageOfTheLocale)
{
    const TemporaryProgramFile badRegister("S(1)\nS(300)\n");
    const std::string missing = MissingFilePath();
    struct Case {
        std::string arguments;
        std::string english; // the start of standard error
        std::string japanese;
    };
    const std::vector<Case> cases{
        {"--run '" + badRegister.Path() + "'",
         "Step:   1  program not ended: a step cannot be carried out\ntessivar: Line 2: there is no register R(300)",
         "Step:   1  プログラムは終了していません: ステップを実行できません\ntessivar: 2 行目: レジスタ R(300) "
         "はありません"},
        {"--run '" + missing + "'", "tessivar: Cannot open file " + missing + ". ",
         "tessivar: ファイル " + missing + " は開けません。 "},
        {"--bogus", "tessivar: unknown option '--bogus'\nTry 'tessivar --help' for more information.\n",
         "tessivar: 不明なオプション '--bogus' です\n詳しくは 'tessivar --help' を見てください。\n"},
    };
    const std::vector<std::pair<std::string, bool>> locales{
        {"LANG=ja_JP.UTF-8", true},
        {"LC_MESSAGES=ja_JP.UTF-8 LANG=en_US.UTF-8", true},
        {"LC_ALL=ja_JP.UTF-8 LC_MESSAGES=C", true},
        {"LC_ALL= LANG=ja", true},
        {"LC_ALL=C LANG=ja_JP.UTF-8", false},
        {"LC_MESSAGES=en_US.UTF-8 LANG=ja_JP.UTF-8", false},
        {"LANG=de_DE.UTF-8", false},
        {"", false},
    };
    for (const Case& test : cases) {
        for (const auto& [locale, japanese] : locales) {
            SCOPED_TRACE(test.arguments + " with " + locale);
            const ProcessResult result = RunExecutable(test.arguments, locale);
            EXPECT_NE(result.exitCode, kExitEnded);
            const std::string& expected = japanese ? test.japanese : test.english;
            EXPECT_EQ(result.err.substr(0, expected.size()), expected) << result.err;
        }
    }
}

TEST(Executable, PrintsItsVersion)
{
    const ProcessResult result = RunExecutable("--version");
    EXPECT_EQ(result.out.rfind("tessivar ", 0), 0u) << result.out;
    EXPECT_GT(result.out.size(), std::string("tessivar \n").size());
}

} // namespace
} // namespace tessivar::test
