#include "CommandLineLanguage.h"

#include <cstdlib>
#include <string_view>

namespace tessivar {

Language LocaleLanguage(const char* lcAll, const char* lcMessages, const char* lang)
{
    for (const char* locale : {lcAll, lcMessages, lang}) {
        if (locale != nullptr && *locale != '\0') {
            return std::string_view(locale).starts_with("ja") ? Language::Japanese : Language::English;
        }
    }
    return Language::English;
}

Language EnvironmentLanguage()
{
    return LocaleLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

} // namespace tessivar
