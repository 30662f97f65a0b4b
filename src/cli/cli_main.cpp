#include "cli/cli.h"
#include "cli/console_text.h"
#include "settings/language.h"

#ifdef _WIN32

#include <string>
#include <vector>

#include "settings/windows_text.h"

// The arguments are taken as UTF-16 and turned into UTF-8, the form every
// path has inside the program (not in the ANSI code page Windows hands
// narrow arguments over in).
int main() {
  std::vector<std::string> args = km62rx::settings::windows::CommandLineArguments();
  if (args.empty())
    return 2;
  const int argc = static_cast<int>(args.size());
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
