#include "Cp932Text.h"

#include "UnicodeText.h"

#include <cerrno>
#include <iconv.h>
#include <system_error>

namespace tessivar {

namespace {

constexpr const char* Cp932Name = "CP932";
constexpr const char* Utf8Name = "UTF-8";

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::system_error(errno, std::generic_category(), "iconv_open");
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { iconv_close(handle_); }

    // Converts all of `input`. Where the converter stops at something it cannot
    // take, `substitute` is written and `skipLength` of the rest is skipped.
    std::string Convert(std::string_view input, std::string_view substitute,
                        std::size_t (*skipLength)(std::string_view))
    {
        std::string out;
        out.reserve(input.size() * 2);
        char buffer[4096];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* next = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &next, &room);
            out.append(buffer, static_cast<std::size_t>(next - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // EILSEQ: a sequence it cannot take; EINVAL: an unfinished one at the end.
                out += substitute;
                const std::size_t skip = skipLength(std::string_view(in, inLeft));
                in += skip;
                inLeft -= skip;
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t handle_;
};

std::string ReplacementCharacterUtf8()
{
    std::string text;
    AppendUtf8(text, ReplacementCharacter);
    return text;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes)
{
    static const std::string replacement = ReplacementCharacterUtf8();
    Converter converter(Utf8Name, Cp932Name);
    return converter.Convert(bytes, replacement, [](std::string_view) { return std::size_t{1}; });
}

std::string Utf8ToCp932(std::string_view text)
{
    const std::string valid = MakeValidUtf8(text);
    Converter converter(Cp932Name, Utf8Name);
    return converter.Convert(valid, "?", [](std::string_view rest) { return ReadUtf8Character(rest)->length; });
}

} // namespace tessivar
