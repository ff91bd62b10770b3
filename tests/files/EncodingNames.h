#pragma once

#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tessivar {

inline std::string EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ansi:
        return "Ansi";
    case TextEncoding::Utf8:
        return "Utf8";
    case TextEncoding::Utf16LE:
        return "Utf16LE";
    case TextEncoding::Utf16BE:
        return "Utf16BE";
    case TextEncoding::Utf8Unmarked:
        return "Utf8Unmarked";
    }
    return "Unknown";
}

// Found by GoogleTest for messages and traces.
inline void PrintTo(TextEncoding encoding, std::ostream* out)
{
    *out << EncodingName(encoding);
}

inline std::string EncodingTestName(const testing::TestParamInfo<TextEncoding>& info)
{
    return EncodingName(info.param);
}

inline const auto EveryEncoding = testing::Values(TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LE,
                                                  TextEncoding::Utf16BE, TextEncoding::Utf8Unmarked);

} // namespace tessivar
