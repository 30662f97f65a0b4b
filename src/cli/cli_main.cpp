#include "cli/cli.h"
#include "cli/console_text.h"
#include "settings/language.h"

#ifdef _WIN32

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The locale variables decide where one is set (so that scripts and tests
// choose); otherwise the user's Windows display language: Japanese for
// Japanese, English for any other.
km62rx::Language WindowsLanguage() {
  for (const wchar_t* name : {L"LC_ALL", L"LC_MESSAGES", L"LANG"}) {
    const wchar_t* value = _wgetenv(name);
    if (value != nullptr && *value != L'\0')
      return km62rx::LanguageFromEnvironment();
  }
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? km62rx::Language::kJapanese
                                                                    : km62rx::Language::kEnglish;
}

}  // namespace

// Windows hands narrow arguments over in the ANSI code page, which cannot
// hold every file name. The command line is taken as UTF-16 instead and
// turned into UTF-8, the form every path has inside the program.
int main() {
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (wide == nullptr)
    return 2;
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
    arg.resize(arg.size() - 1);  // the terminating NUL
    args.push_back(std::move(arg));
  }
  LocalFree(wide);
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  // Files and pipes get UTF-8 and the lines as written; a console gets
  // UTF-16 (see WriteToConsole).
  km62rx::cli::UseBinaryStandardStreams();
  km62rx::SetLanguage(WindowsLanguage());
  return km62rx::cli::RunCli(argc, argv.data());
}

#else

int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  return km62rx::cli::RunCli(argc, argv);
}

#endif
