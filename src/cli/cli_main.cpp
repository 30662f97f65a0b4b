#include "cli/cli.h"
#include "cli/console_text.h"
#include "settings/language.h"

#ifdef _WIN32

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>
#include <vector>

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
  km62rx::SetLanguage(km62rx::WindowsLanguage());
  return km62rx::cli::RunCli(argc, argv.data());
}

#else

int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  return km62rx::cli::RunCli(argc, argv);
}

#endif
