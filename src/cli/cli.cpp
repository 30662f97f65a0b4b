#include "cli/cli.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/arg_parser.h"
#include "cli/logger_output.h"
#include "cli/output_targets.h"
#include "cli/visible_text.h"
#include "km62rx_version.h"

namespace km62rx::cli {

namespace {

constexpr std::string_view kVersionLine = "km62rx " KM62RX_VERSION "\n";

struct Command {
  std::string_view name;
  std::string_view synopsis;
  std::string_view summary;
  int (*run)(const Args&);
};

constexpr std::array<Command, 9> kCommands{{
    {"defaults", "km62rx defaults", "write the default settings file to stdout", CmdDefaults},
    {"check", "km62rx check FILE",
     "read FILE (- for stdin) as the Load command does; print the result as a settings file",
     CmdCheck},
    {"ports", "km62rx ports [--long] [--json]",
     "list the serial ports, one name a line; --long: maker, product, serial number, USB ID "
     "and stable link of each; --json: all of that as JSON",
     CmdPorts},
    {"info", "km62rx info --port P...",
     "connect and show the logger's firmware version, SD card and clock", CmdInfo},
    {"send", "km62rx send --port P... [--backup OLD] [--no-verify] FILE",
     "send the settings of FILE (- for stdin) to the logger, after receiving its settings into "
     "OLD; then read them back and print each that the logger holds otherwise",
     CmdSend},
    {"diff", "km62rx diff --port P... FILE",
     "compare the logger's settings with those FILE (- for stdin) would send; print each that "
     "differs",
     CmdDiff},
    {"receive", "km62rx receive --port P... -o FILE",
     "receive the logger's settings into FILE (- for stdout)", CmdReceive},
    {"clock", "km62rx clock --port P... [--time \"YYYY-MM-DD hh:mm:ss\"]",
     "set the logger's clock to the PC's time, or to the given time", CmdClock},
    {"clock-file", "km62rx clock-file FILE --time \"YYYY-MM-DD hh:mm:ss\"",
     "store the given time as the start-up clock time in FILE", CmdClockFile},
}};

constexpr std::string_view kUsageTail =
    "\n"
    "P is a serial port (ttyUSB0, /dev/ttyUSB0, a /dev/serial/by-id/... link) or a port\n"
    "that ser2net shares over the network, socket://HOST:PORT (its line settings are\n"
    "the server's).\n"
    "\n"
    "Several loggers at once: --port more than once, or --port A,B. Each line is then\n"
    "prefixed with its port and a summary line per logger follows; -o and --backup\n"
    "name an existing folder that gets one file per port (ttyUSB0.CFG).\n"
    "\n"
    "Line settings of the logger commands (they must match the logger's DIP switches):\n"
    "  --baud 115200|38400|19200|9600|4800|2400|1200|600   default 115200\n"
    "  --data-bits 8|7                                      default 8\n"
    "  --parity none|even|odd                               default none (two stop bits)\n"
    "  --flow rtscts|xonxoff                                default rtscts\n"
    "  --trace     write every line sent and received to stderr\n"
    "  --json      one JSON document on stdout instead of lines (see km62rx(1))\n"
    "\n"
    "Messages go to stderr as TITLE: TEXT; data and progress go to stdout. They are in\n"
    "English when LC_ALL, else LC_MESSAGES, else LANG starts with \"en\", else Japanese.\n"
    "\n"
    "Exit status: 0 done; 1 done, but the reader or a setting reported a problem, or\n"
    "a setting differs (send's read-back, diff);\n"
    "2 usage error, a file that cannot be opened, or no settings-file header;\n"
    "3 the port could not be opened, the logger was not identified, or the link failed.\n"
    "\n"
    "  -h, --help   show this help\n"
    "  --version    show the version\n";

std::string Usage() {
  std::string text = "Usage: km62rx <command> [options]\n\nCommands:\n";
  for (const Command& command : kCommands) {
    text += "  ";
    text += command.synopsis;
    text += "\n      ";
    text += command.summary;
    text += '\n';
  }
  text += kUsageTail;
  return text;
}

void Print(std::FILE* stream, std::string_view text) {
  WriteLocked(stream, text, Lost::kData);
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommands) {
    if (command.name == name)
      return &command;
  }
  return nullptr;
}

// "--help" or "-h" among a command's options (before a "--").
bool AsksForHelp(const Args& args) {
  for (const std::string& arg : args) {
    if (arg == "--")
      return false;
    if (arg == "--help" || arg == "-h")
      return true;
  }
  return false;
}

}  // namespace

std::string_view CommandSynopsis(std::string_view name) {
  const Command* command = FindCommand(name);
  return command == nullptr ? std::string_view() : command->synopsis;
}

namespace {

int RunCommand(int argc, char** argv) {
  if (argc < 2) {
    Print(stderr, Usage());
    return kExitUsage;
  }
  const std::string_view first = argv[1];
  if (first == "--help" || first == "-h") {
    Print(stdout, Usage());
    return kExitDone;
  }
  if (first == "--version") {
    Print(stdout, kVersionLine);
    return kExitDone;
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    Print(stderr, "km62rx: unknown command " + VisibleText(first) +
                      "\nTry 'km62rx --help' for the list of commands.\n");
    return kExitUsage;
  }
  const Args args(argv + 2, argv + argc);
  if (AsksForHelp(args)) {
    Print(stdout, "usage: " + std::string(command->synopsis) + "\n  " +
                      std::string(command->summary) + "\n");
    return kExitDone;
  }
  return command->run(args);
}

}  // namespace

int RunCli(int argc, char** argv) {
  RememberStandardStreams();
#ifdef SIGPIPE
  // A reader that goes away (km62rx send ... | head -1) must not kill a run
  // half-way through a logger's settings: every write is checked instead.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  return WithLostOutput(RunCommand(argc, argv));
}

}  // namespace km62rx::cli
