#include "ProgramFile.h"

#include "EncodingNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessivar {
namespace {

using namespace std::string_literals;

const std::string Kanji = "\xE4\xB8\x8D\xE5\xAE\x8C\xE5\x85\xA8"; // 不完全
const std::string KanjiCp932 = "\x95\x73\x8A\xAE\x91\x53";
const std::string Katakana = "\xEF\xBD\xB1\xEF\xBD\xB2"; // ｱｲ
const std::string KatakanaCp932 = "\xB1\xB2";
const std::string NoMapping = "Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません";

TEST(DecodeProgramTextTest, SplitsLinesAsTheEditorShowsThem)
{
    struct Case {
        std::string bytes;
        TextLines expected;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"Z(1)", {"Z(1)"}},
        {"Z(1)\r\nS(2)", {"Z(1)", "S(2)"}},
        {"Z(1)\nS(2)", {"Z(1)", "S(2)"}},
        {"Z(1)\rS(2)", {"Z(1)", "S(2)"}},
        // A final CR LF leaves an empty last line, a final lone CR or LF none.
        {"Z(1)\r\nS(2)\r\n", {"Z(1)", "S(2)", ""}},
        {"Z(1)\nS(2)\n", {"Z(1)", "S(2)"}},
        {"Z(1)\rS(2)\r", {"Z(1)", "S(2)"}},
        {"\r\n", {"", ""}},
        {"\n", {""}},
        {"\r", {""}},
        {"a\r\n\r\n", {"a", "", ""}},
        {"a\n\n", {"a", ""}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\r\nb", {"", "b"}},
        // NUL characters go before the text is split.
        {"S\0(2)\0"s, {"S(2)"}},
        {"\0"s, {}},
        {"a\r\0\nb"s, {"a", "b"}},
        {"a\r\n\0"s, {"a", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const ProgramFileReading reading = DecodeProgramText(c.bytes);
        EXPECT_FALSE(reading.error);
        EXPECT_EQ(reading.encoding, TextEncoding::Utf8Unmarked);
        EXPECT_EQ(reading.lines, c.expected);
    }
}

TEST(DecodeProgramTextTest, ReadsEachEncodingWithoutItsMark)
{
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        TextLines expected;
    };
    const std::vector<Case> cases = {
        {"/" + KanjiCp932 + "\r\n" + KatakanaCp932, TextEncoding::Ansi, {"/" + Kanji, Katakana}},
        {"/" + Kanji + "\r\n" + Katakana, TextEncoding::Utf8Unmarked, {"/" + Kanji, Katakana}},
        {"\xEF\xBB\xBF/" + Kanji + "\nS(1)", TextEncoding::Utf8, {"/" + Kanji, "S(1)"}},
        {"\xEF\xBB\xBF", TextEncoding::Utf8, {}},
        {"\xFF\xFES\0(\0001\0)\0\r\0\n\0"s, TextEncoding::Utf16LE, {"S(1)", ""}},
        {"\xFE\xFF\0S\0\n\0\0\0Z"s, TextEncoding::Utf16BE, {"S", "Z"}},
        {"\xFF\xFE\0\0"s, TextEncoding::Utf16LE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const ProgramFileReading reading = DecodeProgramText(c.bytes);
        EXPECT_FALSE(reading.error);
        EXPECT_EQ(reading.encoding, c.encoding);
        EXPECT_EQ(reading.lines, c.expected);
    }
}

TEST(DecodeProgramTextTest, UnmappableTextFailsButNamesTheMarkedEncoding)
{
    struct Case {
        std::string bytes;
        TextEncoding encoding;
    };
    const std::vector<Case> cases = {
        {"\xEF\xBB\xBFZ(1)\r\n\xC3(", TextEncoding::Utf8},
        {"\xEF\xBB\xBF\xFF\xFE", TextEncoding::Utf8},
        {"\xFF\xFEZ", TextEncoding::Utf16LE},
        {"\xFE\xFF\0"s, TextEncoding::Utf16BE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const ProgramFileReading reading = DecodeProgramText(c.bytes);
        ASSERT_TRUE(reading.error);
        EXPECT_EQ(Text(reading.error->message), NoMapping);
        EXPECT_EQ(reading.encoding, c.encoding);
        EXPECT_TRUE(reading.lines.empty());
    }
}

TEST(EncodeProgramTextTest, JoinsWithCrLfAfterTheMark)
{
    struct Case {
        TextLines lines;
        TextEncoding encoding;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"Z(1)", "S(2)"}, TextEncoding::Ansi, "Z(1)\r\nS(2)"},
        {{"Z(1)", "S(2)", ""}, TextEncoding::Ansi, "Z(1)\r\nS(2)\r\n"},
        {{"", ""}, TextEncoding::Ansi, "\r\n"},
        {{}, TextEncoding::Ansi, ""},
        {{}, TextEncoding::Utf8, "\xEF\xBB\xBF"},
        {{"/" + Kanji, Katakana}, TextEncoding::Ansi, "/" + KanjiCp932 + "\r\n" + KatakanaCp932},
        {{"/" + Kanji, ""}, TextEncoding::Utf8, "\xEF\xBB\xBF/" + Kanji + "\r\n"},
        {{"S", "Z"}, TextEncoding::Utf16LE, "\xFF\xFES\0\r\0\n\0Z\0"s},
        {{"S", "Z"}, TextEncoding::Utf16BE, "\xFE\xFF\0S\0\r\0\n\0Z"s},
        {{"/" + Kanji, ""}, TextEncoding::Utf8Unmarked, "/" + Kanji + "\r\n"},
        // A leading U+FEFF would be taken for the mark: it is written after one.
        {{"\xEF\xBB\xBFS(1)"}, TextEncoding::Utf8Unmarked, "\xEF\xBB\xBF\xEF\xBB\xBFS(1)"},
        {{"/ \xE2\x82\xAC" + Kanji, "S(1)"}, TextEncoding::Ansi, "/ ?" + KanjiCp932 + "\r\nS(1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lines));
        EXPECT_EQ(EncodeProgramText(c.lines, c.encoding), c.expected);
    }
}

class ProgramTextRoundTripTest : public testing::TestWithParam<TextEncoding> {};

TEST_P(ProgramTextRoundTripTest, SavedLinesOpenAsTheSameLines)
{
    const std::vector<TextLines> programs = {
        {"Z(1)"},
        {"/ " + Kanji + Katakana, "J(1,2,4)", "S(3)", ""},
        {"", "", ""},
        {"", "T(1,2)"},
    };
    for (const TextLines& lines : programs) {
        SCOPED_TRACE(testing::PrintToString(lines));
        const std::string file = EncodeProgramText(lines, GetParam());
        const ProgramFileReading reading = DecodeProgramText(file);
        EXPECT_FALSE(reading.error);
        // Plain ASCII is the same bytes in code page 932 and in UTF-8, and reads as UTF-8.
        const bool ascii = std::ranges::all_of(file, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        const TextEncoding expected
            = GetParam() == TextEncoding::Ansi && ascii ? TextEncoding::Utf8Unmarked : GetParam();
        EXPECT_EQ(reading.encoding, expected);
        EXPECT_EQ(reading.lines, lines);
    }
}

TEST_P(ProgramTextRoundTripTest, CrLfFileIsWrittenBackByteForByte)
{
    const std::vector<TextLines> programs = {
        {"Z(1)", "S(2)"},
        {"Z(1)", "S(2)", ""},
        {"/ " + Kanji, Katakana, "", "J(1,1,1)", ""},
    };
    for (const TextLines& lines : programs) {
        SCOPED_TRACE(testing::PrintToString(lines));
        const std::string file = EncodeProgramText(lines, GetParam());
        const ProgramFileReading reading = DecodeProgramText(file);
        ASSERT_FALSE(reading.error);
        EXPECT_EQ(EncodeProgramText(reading.lines, *reading.encoding), file);
    }
}

INSTANTIATE_TEST_SUITE_P(EachEncoding, ProgramTextRoundTripTest, EveryEncoding, EncodingTestName);

TEST(ProgramTextEdgeTest, TwoLinesWithFinalCrLfReadAsThreeAndWriteBackUnchanged)
{
    const std::string twoLines = "Z(1)\r\nS(1)";
    EXPECT_EQ(DecodeProgramText(twoLines).lines, (TextLines{"Z(1)", "S(1)"}));

    const std::string withFinalBreak = twoLines + "\r\n";
    const ProgramFileReading reading = DecodeProgramText(withFinalBreak);
    EXPECT_EQ(reading.lines, (TextLines{"Z(1)", "S(1)", ""}));
    EXPECT_EQ(EncodeProgramText(reading.lines, *reading.encoding), withFinalBreak);
}

TEST(ProgramTextEdgeTest, LoneLfFileIsWrittenWithCrLfAndNoFinalBreak)
{
    const ProgramFileReading reading = DecodeProgramText("Z(1)\nS(1)\nJ(1,1,1)\n");
    EXPECT_EQ(reading.lines, (TextLines{"Z(1)", "S(1)", "J(1,1,1)"}));
    EXPECT_EQ(EncodeProgramText(reading.lines, *reading.encoding), "Z(1)\r\nS(1)\r\nJ(1,1,1)");
}

TEST(ProgramTextEdgeTest, OneEmptyLineAndNoLinesAreTheSameFile)
{
    EXPECT_EQ(EncodeProgramText({""}, TextEncoding::Utf8), EncodeProgramText({}, TextEncoding::Utf8));
    EXPECT_TRUE(DecodeProgramText("\xEF\xBB\xBF").lines.empty());
}

TEST(DecodeProgramTextTest, EmptyProgramSavedInUtf16OpensAgain)
{
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        SCOPED_TRACE(EncodingName(encoding));
        const std::string saved = EncodeProgramText({}, encoding);
        ASSERT_EQ(saved, ByteOrderMark(encoding));
        const ProgramFileReading reading = DecodeProgramText(saved);
        EXPECT_FALSE(reading.error);
        EXPECT_EQ(reading.encoding, encoding);
        EXPECT_TRUE(reading.lines.empty());
    }
}

} // namespace
} // namespace tessivar
