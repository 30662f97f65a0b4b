#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace km62rx::ui {

// What the words after km62rx-settings ask for. Standard C++ only: they are
// read before Qt starts, so that --help and --version work without a
// display.
struct WindowArguments {
  enum class Action { kOpenWindow, kHelp, kVersion, kUsageError };
  Action action = Action::kOpenWindow;
  std::vector<std::string> ports;  // for the connect dialog's list, in order
  std::string error;               // a usage error, naming the word
  bool displayOption = false;      // -display names the X display
  std::string platform;            // the value of -platform, if given
};

// Reads the arguments after the program name. Qt's own options (-platform,
// -style, -reverse, ...) are accepted with their values and left to Qt; any
// other word starting with '-' is a usage error; every other word is a port.
WindowArguments ReadWindowArguments(const std::vector<std::string>& args);

// Empty when a window can be opened; else one line that says there is no
// display. Only the X11 and Wayland platforms, chosen by -platform or
// QT_QPA_PLATFORM (X11 by default), need one: DISPLAY, WAYLAND_DISPLAY or
// -display.
std::string MissingDisplay(const WindowArguments& arguments);

// The text of --help.
std::string_view WindowUsage();

// The line of --version, "km62rx-settings 1.1.0", with its line break.
std::string WindowVersionLine();

// The line of a usage error, with its line break.
std::string WindowUsageErrorLine(const WindowArguments& arguments);

// A note about the ports offered, as a line with its line break.
std::string WindowNoteLine(const std::string& note);

}  // namespace km62rx::ui
