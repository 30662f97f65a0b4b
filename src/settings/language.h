#pragma once

#include <string_view>

namespace km62rx {

// The language of every text the user reads: boxes, labels, progress lines.
// Japanese is the program's own language; English is chosen by the locale.
// Wire bytes, file contents and exit statuses never depend on it.
enum class Language { kJapanese, kEnglish };

// The language the POSIX locale variables ask for, in their order: LC_ALL,
// else LC_MESSAGES, else LANG (an empty value counts as unset; LANGUAGE is
// not read). English when that value starts with "en", Japanese otherwise,
// so no locale, "C", "POSIX" and every "ja" locale keep Japanese.
Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);

// LanguageFromLocale over this process's environment.
Language LanguageFromEnvironment();

#ifdef _WIN32
// On Windows: the locale variables decide where one is set (so that scripts
// and tests choose); otherwise the user's Windows display language, Japanese
// for Japanese and English for any other.
Language WindowsLanguage();
#endif

// The language of this run. Set once at start-up, before any text is shown
// and before any other thread starts; Japanese until then.
Language CurrentLanguage();
void SetLanguage(Language language);

// A text of the program in both languages. Tables hold these; Get() picks
// the one of the current language, In() the one of a given language.
struct LocalText {
  std::string_view japanese;
  std::string_view english;

  std::string_view In(Language language) const {
    return language == Language::kEnglish ? english : japanese;
  }
  std::string_view Get() const { return In(CurrentLanguage()); }
};

}  // namespace km62rx
