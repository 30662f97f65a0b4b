#include "ui/window_arguments.h"

#include <cstdlib>

#include "km62rx_version.h"

namespace km62rx::ui {

namespace {

// The options Qt reads from the command line of every widget program
// (QCoreApplication, QGuiApplication, QApplication, and the X11 platform).
struct QtOption {
  std::string_view name;  // without its dash
  bool takesValue;
  bool equalsForm;  // also written -name=value
};

constexpr QtOption kQtOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"session", true, true},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"qmljsdebugger", true, true},
    {"reverse", false, false},
    {"widgetcount", false, false},
    {"nograb", false, false},
    {"dograb", false, false},
    {"testability", false, false},
};

// The Qt option a word is, for a word starting with '-' (Qt takes "--name"
// as "-name" too); null when it is none. value is set for "-name=value".
const QtOption* FindQtOption(std::string_view word, std::string_view& value, bool& hasValue) {
  word.remove_prefix(word.starts_with("--") ? 2 : 1);
  const std::size_t equals = word.find('=');
  for (const QtOption& option : kQtOptions) {
    if (word == option.name)
      return &option;
    if (option.equalsForm && equals != std::string_view::npos &&
        word.substr(0, equals) == option.name) {
      value = word.substr(equals + 1);
      hasValue = true;
      return &option;
    }
  }
  return nullptr;
}

#if defined(__unix__) && !defined(__APPLE__)

// Whether Qt's platform plugin of that name draws on an X11 or Wayland
// display. A list "wayland;xcb" is tried in order, so it needs a display
// only when every entry does; options follow a colon ("xcb:nograb").
bool PlatformNeedsDisplay(std::string_view platforms) {
  while (true) {
    const std::size_t semicolon = platforms.find(';');
    std::string_view platform = platforms.substr(0, semicolon);
    platform = platform.substr(0, platform.find(':'));
    if (!platform.empty() && platform != "xcb" && !platform.starts_with("wayland"))
      return false;
    if (semicolon == std::string_view::npos)
      return true;
    platforms.remove_prefix(semicolon + 1);
  }
}

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

#endif

}  // namespace

WindowArguments ReadWindowArguments(const std::vector<std::string>& args) {
  WindowArguments read;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--help" || word == "-h") {
      read.action = WindowArguments::Action::kHelp;
      return read;
    }
    if (word == "--version") {
      read.action = WindowArguments::Action::kVersion;
      return read;
    }
    if (!word.starts_with('-')) {
      read.ports.push_back(word);
      continue;
    }
    std::string_view value;
    bool hasValue = false;
    const QtOption* option = FindQtOption(word, value, hasValue);
    if (option == nullptr) {
      read.action = WindowArguments::Action::kUsageError;
      read.error = "unknown option " + word;
      return read;
    }
    if (option->takesValue && !hasValue) {
      if (i + 1 >= args.size()) {
        read.action = WindowArguments::Action::kUsageError;
        read.error = "option " + word + " needs a value";
        return read;
      }
      value = args[++i];
    }
    if (option->name == "platform")
      read.platform = value;
    read.displayOption = read.displayOption || option->name == "display";
  }
  return read;
}

std::string MissingDisplay(const WindowArguments& arguments) {
#if defined(__unix__) && !defined(__APPLE__)
  std::string platform = arguments.platform;
  if (platform.empty() && IsSet("QT_QPA_PLATFORM"))
    platform = std::getenv("QT_QPA_PLATFORM");
  if (!PlatformNeedsDisplay(platform) || arguments.displayOption || IsSet("DISPLAY") ||
      IsSet("WAYLAND_DISPLAY"))
    return {};
  return "km62rx-settings: cannot open the window: there is no display (neither DISPLAY nor "
         "WAYLAND_DISPLAY is set); the command-line tool km62rx needs none";
#else
  (void)arguments;
  return {};
#endif
}

std::string_view WindowUsage() {
#ifdef _WIN32
  return R"(Usage: km62rx-settings [PORT...]
The desktop program that configures a KM-62RX serial data logger: connect to
the logger, send and receive its logging settings, save and load the settings
file (SETTING.CFG), and set its clock.

Each PORT is added to the connect dialog's list of ports, after the serial
ports found on the machine: a COM port such as COM3 or COM12, or a port that
ser2net shares over the network, socket://HOST:PORT.

Environment:
  LC_ALL, LC_MESSAGES, LANG  the first that is set chooses the language: English
                             when it starts with "en", else Japanese; without
                             any, the Windows display language does
  APPDATA                    its km62rx\ports lists more ports to offer, one a
                             line

  -h, --help   show this help
  --version    show the version

The command-line tool is km62rx.exe.
)";
#else
  return R"(Usage: km62rx-settings [PORT...]
The desktop program that configures a KM-62RX serial data logger: connect to
the logger, send and receive its logging settings, save and load the settings
file (SETTING.CFG), and set its clock.

Each PORT is added to the connect dialog's list of ports, after the serial
ports found on the machine: a device path such as /dev/pts/3 (the terminal of
km62rx-sim), a link to one (a path relative to the current folder works too),
or a port that ser2net shares over the network, socket://HOST:PORT.

Qt's own options (-platform NAME, -style NAME, -stylesheet FILE, -reverse,
-display DISPLAY, -geometry WxH+X+Y, ...) are passed on to Qt.

Environment:
  LC_ALL, LC_MESSAGES, LANG  the first that is set chooses the language: English
                             when it starts with "en", else Japanese
  XDG_CONFIG_HOME            its km62rx/ports (by default ~/.config/km62rx/ports)
                             lists more ports to offer, one a line

  -h, --help   show this help
  --version    show the version

See km62rx-settings(1); the command-line tool is km62rx(1).
)";
#endif
}

std::string WindowVersionLine() {
  return "km62rx-settings " KM62RX_VERSION "\n";
}

std::string WindowUsageErrorLine(const WindowArguments& arguments) {
  return "km62rx-settings: " + arguments.error + " (try 'km62rx-settings --help')\n";
}

std::string WindowNoteLine(const std::string& note) {
  return "km62rx-settings: note: " + note + "\n";
}

}  // namespace km62rx::ui
