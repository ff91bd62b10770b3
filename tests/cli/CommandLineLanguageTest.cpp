#include "CommandLineLanguage.h"
#include "CommandLineRun.h"
#include "ExitCode.h"
#include "MachineError.h"
#include "Phrase.h"
#include "ProgramFile.h"
#include "ProgramFileFixture.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessivar::test {
namespace {

// LC_ALL, then LC_MESSAGES, then LANG: the first one set and not empty decides.
TEST(Language, LocaleNamesTheLanguage)
{
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language language;
    };
    const std::vector<Case> cases{
        {nullptr, nullptr, nullptr, Language::English},
        {nullptr, nullptr, "ja_JP.UTF-8", Language::Japanese},
        {nullptr, nullptr, "ja", Language::Japanese},
        {nullptr, nullptr, "en_GB.UTF-8", Language::English},
        {nullptr, nullptr, "C", Language::English},
        {nullptr, nullptr, "de_DE.UTF-8", Language::English},
        {nullptr, "ja_JP.eucJP", "en_US.UTF-8", Language::Japanese},
        {nullptr, "C", "ja_JP.UTF-8", Language::English},
        {"", "", "ja_JP.UTF-8", Language::Japanese},
        {"C.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::English},
        {"ja_JP.UTF-8", "C", "en_US.UTF-8", Language::Japanese},
        {"jam", nullptr, nullptr, Language::Japanese}, // no such locale, but read as its name says
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.lcAll ? test.lcAll : "-") + " " + (test.lcMessages ? test.lcMessages : "-") + " "
                     + (test.lang ? test.lang : "-"));
        EXPECT_EQ(LocaleLanguage(test.lcAll, test.lcMessages, test.lang), test.language);
    }
}

bool IsAscii(const std::string& text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every message of the machine and of program files that the command line can
// print has its English words, taken from the window's translations.
TEST(Language, MachineAndFileMessagesHaveTheirEnglish)
{
    const TemporaryFolder folder;
    const std::vector<Message> messages{
        RangeCheckError().message,
        SetOverflowError().message,
        NothingToExecuteError().message,
        RegisterNumberError(2, 300).message,
        StepOverflowError(3, 4).message,
        ReadProgramFile(folder.File("missing.urm")).error.value().message,
        WriteProgramFile(folder.File("missing/new.urm"), {"S(1)"}, TextEncoding::Utf8Unmarked).value().message,
        DecodeProgramText("\xEF\xBB\xBF\xFF").error.value().message,
    };
    for (const Message& message : messages) {
        SCOPED_TRACE(message.text);
        const std::string english = Say(Language::English, message);
        EXPECT_TRUE(IsAscii(english)) << english;
        EXPECT_EQ(Say(Language::Japanese, message), Text(message));
    }
}

struct FailingRun {
    std::vector<std::string> args;
    int exitCode;
    std::string englishErr;
    std::string japaneseErr;
};

// A step that fails, a file that cannot be read and a wrong option, each told
// wholly in the locale's language: the status line and the message alike.
std::vector<FailingRun> FailingRuns(const std::string& badRegister, const std::string& missing)
{
    return {
        {{"--run", badRegister},
         kExitStepFailed,
         "Step:   1  program not ended: a step cannot be carried out\n"
         "tessivar: Line 2: there is no register R(300) (R(1) to R(256))\n",
         "Step:   1  プログラムは終了していません: ステップを実行できません\n"
         "tessivar: 2 行目: レジスタ R(300) はありません（R(1)〜R(256)）\n"},
        {{"--run", missing},
         kExitUsage,
         "tessivar: Cannot open file " + missing + ". No such file or directory \n",
         "tessivar: ファイル " + missing + " は開けません。 No such file or directory \n"},
        {{"--run", badRegister, "--bogus"},
         kExitUsage,
         "tessivar: unknown option '--bogus'\nTry 'tessivar --help' for more information.\n",
         "tessivar: 不明なオプション '--bogus' です\n詳しくは 'tessivar --help' を見てください。\n"},
    };
}

TEST(Language, FailuresAreToldWhollyInTheLanguage)
{
    const TemporaryProgramFile badRegister("S(1)\nS(300)\n");
    for (const FailingRun& run : FailingRuns(badRegister.Path(), MissingFilePath())) {
        SCOPED_TRACE(run.args.back());
        const CommandLineResult english = RunTessivar(run.args, Language::English);
        EXPECT_EQ(english.exitCode, run.exitCode);
        EXPECT_EQ(english.err, run.englishErr);
        const CommandLineResult japanese = RunTessivar(run.args, Language::Japanese);
        EXPECT_EQ(japanese.exitCode, run.exitCode);
        EXPECT_EQ(japanese.err, run.japaneseErr);
    }
}

// The check's report and the graph's words follow the language too.
TEST(Language, ReportsAndGraphsInJapanese)
{
    const TemporaryFolder folder;
    const std::string cases = folder.File("cases.txt");
    WriteBytes(cases, "1 -> R1=2\n1 -> R1=5\n");
    const std::string program = folder.File("successor.urm");
    WriteBytes(program, "S(1)\nS(300)\n");
    const CommandLineResult check = RunTessivar({"--check", cases, program}, Language::Japanese);
    EXPECT_EQ(check.out,
              program
                  + ": ケース 1 行目: 不合格: ステップを実行できません: 2 行目: レジスタ R(300) "
                    "はありません（R(1)〜R(256)）\n"
                  + program
                  + ": ケース 2 行目: 不合格: ステップを実行できません: 2 行目: レジスタ R(300) "
                    "はありません（R(1)〜R(256)）\n合格 0、不合格 2\n");
    const CommandLineResult graph = RunTessivar({"--graph", program}, Language::Japanese);
    for (const char* words : {"R(300) はありません: この行はエラーで止まります", "[label=\"終了\""}) {
        EXPECT_NE(graph.out.find(words), std::string::npos) << words;
    }
}

} // namespace
} // namespace tessivar::test
