#pragma once

namespace tessivar {

// The language the command line speaks in: its errors, its status line, the
// machine's messages and the words of its reports and graphs.
enum class Language { English, Japanese };

// The language of the locale named for messages: LC_ALL, else LC_MESSAGES,
// else LANG, whichever is first set and not empty (null: not set). Japanese
// for a locale such as ja_JP.UTF-8, English for any other or none.
Language LocaleLanguage(const char* lcAll, const char* lcMessages, const char* lang);

// LocaleLanguage of this process's environment.
Language EnvironmentLanguage();

} // namespace tessivar
