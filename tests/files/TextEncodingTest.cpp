#include "TextEncoding.h"

#include "EncodingNames.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessivar {
namespace {

using namespace std::string_literals;

// Japanese samples: kanji "不完全" and half-width katakana "ｱｲｳ".
const std::string Kanji = "\xE4\xB8\x8D\xE5\xAE\x8C\xE5\x85\xA8";
const std::string KanjiCp932 = "\x95\x73\x8A\xAE\x91\x53";
const std::string Katakana = "\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3";
const std::string KatakanaCp932 = "\xB1\xB2\xB3";
const std::string Replacement = "\xEF\xBF\xBD";
const std::string Emoji = "\xF0\x9F\x98\x80"; // U+1F600, outside the 16-bit range

TEST(ByteOrderMarkTest, DetectsMarksInTheirOrderAndNothingElse)
{
    struct Case {
        std::string bytes;
        TextEncoding expected;
    };
    const std::vector<Case> cases = {
        {"\xEF\xBB\xBFZ(1)", TextEncoding::Utf8},
        {"\xFF\xFEZ\0"s, TextEncoding::Utf16LE},
        {"\xFE\xFF\0Z"s, TextEncoding::Utf16BE},
        {"\xEF\xBB\xBF", TextEncoding::Utf8},
        {"\xFF\xFE", TextEncoding::Utf16LE},
        {"\xFE\xFF", TextEncoding::Utf16BE},
        {"\xFF\xFE\0\0"s, TextEncoding::Utf16LE},
        {"\xEF\xBB\xBF\xFF\xFE", TextEncoding::Utf8},
        // Without a mark: UTF-8 when well-formed, else code page 932.
        {"Z(1)", TextEncoding::Utf8Unmarked},
        {"", TextEncoding::Utf8Unmarked},
        {" \xEF\xBB\xBF", TextEncoding::Utf8Unmarked},
        {"/ " + Kanji + Katakana, TextEncoding::Utf8Unmarked},
        {"\xEF\xBB", TextEncoding::Ansi},
        {"\xFF", TextEncoding::Ansi},
        {"\xFE\xFE", TextEncoding::Ansi},
        {KanjiCp932, TextEncoding::Ansi},
        {KatakanaCp932, TextEncoding::Ansi},
        {"/ " + KanjiCp932 + "\r\n/ " + Kanji, TextEncoding::Ansi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(DetectEncoding(c.bytes), c.expected);
    }
}

TEST(ByteOrderMarkTest, MarkWrittenForEachEncoding)
{
    EXPECT_EQ(ByteOrderMark(TextEncoding::Utf8), "\xEF\xBB\xBF");
    EXPECT_EQ(ByteOrderMark(TextEncoding::Utf16LE), "\xFF\xFE");
    EXPECT_EQ(ByteOrderMark(TextEncoding::Utf16BE), "\xFE\xFF");
    EXPECT_EQ(ByteOrderMark(TextEncoding::Ansi), "");
    EXPECT_EQ(ByteOrderMark(TextEncoding::Utf8Unmarked), "");
}

struct DecodeCase {
    std::string body;
    TextEncoding encoding;
    std::optional<std::string> expected; // nothing: no mapping
};

void ExpectDecodes(const std::vector<DecodeCase>& cases)
{
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.body));
        EXPECT_EQ(DecodeText(c.body, c.encoding), c.expected);
    }
}

TEST(DecodeTextTest, Utf8IsTakenOnlyWhenWellFormed)
{
    const auto u = TextEncoding::Utf8;
    ExpectDecodes({
        {"", u, ""},
        {"S(2)", u, "S(2)"},
        {Kanji + Katakana + Emoji, u, Kanji + Katakana + Emoji},
        {"a\0b"s, u, "a\0b"s},
        {"\xC3", u, std::nullopt}, // cut short
        {"a\x80", u, std::nullopt}, // stray continuation byte
        {"\xC0\xAF", u, std::nullopt}, // overlong "/"
        {"\xE0\x80\xAF", u, std::nullopt}, // overlong "/"
        {"\xED\xA0\x80", u, std::nullopt}, // a surrogate
        {"\xF4\x90\x80\x80", u, std::nullopt}, // above U+10FFFF
        {"\xFF", u, std::nullopt},
        {"\xE4\xB8"
         "a",
         u, std::nullopt}, // continuation missing mid-text
        {"\xF4\x8F\xBF\xBF", u, "\xF4\x8F\xBF\xBF"}, // U+10FFFF itself
    });
}

TEST(DecodeTextTest, Utf16LoneByteIsNoCharacterButNothingIsEmptyText)
{
    for (const TextEncoding e : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        SCOPED_TRACE(EncodingName(e));
        ExpectDecodes({{"", e, ""}, {"Z", e, std::nullopt}});
    }
}

TEST(DecodeTextTest, Utf16LittleAndBigEndian)
{
    const auto le = TextEncoding::Utf16LE;
    const auto be = TextEncoding::Utf16BE;
    ExpectDecodes({
        {"Z\0(\0001\0)\0"s, le, "Z(1)"},
        {"\0Z\0(\0001\0)"s, be, "Z(1)"},
        {"\x0D\x4E\x8C\x5B\x68\x51", le, Kanji},
        {"\x4E\x0D\x5B\x8C\x51\x68", be, Kanji},
        {"\x71\xFF", le, "\xEF\xBD\xB1"},
        {"\x3D\xD8\x00\xDE"s, le, Emoji}, // surrogate pair
        {"\xD8\x3D\xDE\x00"s, be, Emoji},
        {"\0\0"s, le, "\0"s}, // NUL kept here, dropped with the lines
        {"a\0b"s, le, "a"}, // odd last byte dropped
        {"\0a\0"s, be, "a"},
        {"\x3D\xD8", le, Replacement}, // high surrogate at the end
        {"\x3D\xD8"
         "a\0"s,
         le, Replacement + "a"}, // high surrogate before a plain unit
        {"\x00\xDE"
         "a\0"s,
         le, Replacement + "a"}, // low surrogate alone
        {"\x3D\xD8\x3D\xD8\x00\xDE"s, le, Replacement + Emoji},
    });
}

TEST(DecodeTextTest, Cp932NeverFailsAndMarksEachBadByte)
{
    const auto a = TextEncoding::Ansi;
    ExpectDecodes({
        {"", a, ""},
        {"J(1,2,7)", a, "J(1,2,7)"},
        {KanjiCp932, a, Kanji},
        {KatakanaCp932, a, Katakana},
        {"\\~", a, "\\~"},
        {"a\0b"s, a, "a\0b"s},
        {"\x80", a, Replacement},
        {"\xA0", a, Replacement},
        {"\xFD\xFE\xFF", a, Replacement + Replacement + Replacement},
        {"Z\x95", a, "Z" + Replacement}, // lead byte cut off at the end
        {"\x81 S", a, Replacement + " S"}, // bad trail byte: only the lead is lost
        {"\x81\r\n", a, Replacement + "\r\n"}, // a line break is never swallowed
        {"\x80" + KanjiCp932, a, Replacement + Kanji},
    });
}

struct EncodeCase {
    std::string text;
    TextEncoding encoding;
    std::string expected;
};

TEST(EncodeTextTest, WritesEachEncoding)
{
    const std::vector<EncodeCase> cases = {
        {"T(1,2)", TextEncoding::Ansi, "T(1,2)"},
        {Kanji + Katakana, TextEncoding::Ansi, KanjiCp932 + KatakanaCp932},
        {Kanji, TextEncoding::Utf8, Kanji},
        {"Z" + Kanji, TextEncoding::Utf16LE, "Z\0\x0D\x4E\x8C\x5B\x68\x51"s},
        {"Z" + Kanji, TextEncoding::Utf16BE, "\0Z\x4E\x0D\x5B\x8C\x51\x68"s},
        {Emoji, TextEncoding::Utf16LE, "\x3D\xD8\x00\xDE"s},
        {Emoji, TextEncoding::Utf16BE, "\xD8\x3D\xDE\x00"s},
        {"", TextEncoding::Utf16LE, ""},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(EncodeText(c.text, c.encoding), c.expected);
    }
}

TEST(EncodeTextTest, WhatCannotBeWrittenBecomesTheDefaultCharacter)
{
    const std::vector<EncodeCase> cases = {
        {"/ \xE2\x82\xAC", TextEncoding::Ansi, "/ ?"}, // euro sign
        {"\xED\x95\x9C" + Kanji, TextEncoding::Ansi, "?" + KanjiCp932}, // hangul
        {Emoji + Emoji, TextEncoding::Ansi, "??"},
        {Replacement, TextEncoding::Ansi, "?"},
        {"a\xFF"
         "b",
         TextEncoding::Ansi, "a?b"}, // ill-formed input
        {"a\xFF"
         "b",
         TextEncoding::Utf8, "a" + Replacement + "b"},
        {"\xC3", TextEncoding::Utf16LE, "\xFD\xFF"},
        {"\xC3", TextEncoding::Utf16BE, "\xFF\xFD"},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(EncodeText(c.text, c.encoding), c.expected);
    }
}

class TextRoundTripTest : public testing::TestWithParam<TextEncoding> {};

TEST_P(TextRoundTripTest, WrittenTextReadsBackTheSame)
{
    std::vector<std::string> texts = {"Z(1)\r\nS(2)", "/ " + Kanji + " " + Katakana, "a\0b"s, "\\~|"};
    if (GetParam() != TextEncoding::Ansi)
        texts.push_back("/ " + Emoji + "\xED\x95\x9C\xE2\x82\xAC");
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(DecodeText(EncodeText(text, GetParam()), GetParam()), text);
    }
}

INSTANTIATE_TEST_SUITE_P(EachEncoding, TextRoundTripTest, EveryEncoding, EncodingTestName);

} // namespace
} // namespace tessivar
