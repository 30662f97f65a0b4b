// The words after km62rx-settings, read before any window exists.
#include "ui/window_arguments.h"

#include <gtest/gtest.h>

#include <sstream>

namespace km62rx::ui {
namespace {

// The words of a row, split at blanks.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

TEST(WindowArguments, ReadsPortsQtOptionsAndUsageErrors) {
  using A = WindowArguments::Action;
  const struct {
    std::string args;
    A action;
    std::string ports;
    std::string error;  // the usage error line's middle
    std::string platform;
    bool display;
  } rows[] = {
      {"", A::kOpenWindow, "", "", "", false},
      {"/dev/pts/9 ./sim socket://h:7", A::kOpenWindow, "/dev/pts/9 ./sim socket://h:7", "", "",
       false},
      {"/dev/pts/9 --version", A::kVersion, "/dev/pts/9", "", "", false},
      {"-h --frob", A::kHelp, "", "", "", false},
      {"--frob --help", A::kUsageError, "", "unknown option --frob", "", false},
      {"-style", A::kUsageError, "", "option -style needs a value", "", false},
      {"-platform offscreen -widgetcount -x", A::kUsageError, "", "unknown option -x", "offscreen",
       false},
      // Qt's options with their values, in both spellings; the ports around them stay.
      {"-platform offscreen -style=Fusion -reverse --qwindowtitle T COM3", A::kOpenWindow, "COM3",
       "", "offscreen", false},
      {"-display :7 --platform xcb", A::kOpenWindow, "", "", "xcb", true},
  };
  for (const auto& row : rows) {
    const WindowArguments read = ReadWindowArguments(Words(row.args));
    EXPECT_EQ(read.action, row.action) << row.args;
    EXPECT_EQ(read.ports, Words(row.ports)) << row.args;
    EXPECT_EQ(read.platform, row.platform) << row.args;
    EXPECT_EQ(read.displayOption, row.display) << row.args;
    if (row.action == A::kUsageError) {
      EXPECT_EQ(WindowUsageErrorLine(read),
                "km62rx-settings: " + row.error + " (try 'km62rx-settings --help')\n");
    }
  }
}

}  // namespace
}  // namespace km62rx::ui
