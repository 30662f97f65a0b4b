#include "settings/language.h"

#include <atomic>
#include <cstdlib>

namespace km62rx {
namespace {

std::atomic<Language> currentLanguage{Language::kJapanese};

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  const char* value = IsSet(lcAll) ? lcAll : IsSet(lcMessages) ? lcMessages : lang;
  if (IsSet(value) && std::string_view(value).substr(0, 2) == "en")
    return Language::kEnglish;
  return Language::kJapanese;
}

Language LanguageFromEnvironment() {
  return LanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

Language CurrentLanguage() {
  return currentLanguage.load(std::memory_order_relaxed);
}

void SetLanguage(Language language) {
  currentLanguage.store(language, std::memory_order_relaxed);
}

}  // namespace km62rx
