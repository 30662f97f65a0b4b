// The language of a run on Windows, where the locale variables are rarely
// set.
#ifdef _WIN32

#include <windows.h>

#include <cstdlib>

#include "settings/language.h"

namespace km62rx {

Language WindowsLanguage() {
  for (const wchar_t* name : {L"LC_ALL", L"LC_MESSAGES", L"LANG"}) {
    const wchar_t* value = _wgetenv(name);
    if (value != nullptr && *value != L'\0')
      return LanguageFromEnvironment();
  }
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::kJapanese
                                                                    : Language::kEnglish;
}

}  // namespace km62rx

#endif  // _WIN32
