#include "sim/sim_options.h"

#include <charconv>
#include <climits>

namespace km62rx::sim {

namespace {

bool ParseInt(const std::string& text, int min, int& value) {
  int parsed = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
  if (ec != std::errc() || ptr != end || parsed < min)
    return false;
  value = parsed;
  return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  SimOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    // Takes the option's value from "--name=value" or from the next argument.
    auto value = [&](std::string& out) {
      if (inlineValue) {
        out = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) {
        error = "option " + name + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto intValue = [&](int min, int& out) {
      std::string text;
      if (!value(text))
        return false;
      if (!ParseInt(text, min, out)) {
        error = "option " + name + ": not a valid number: " + text;
        return false;
      }
      return true;
    };
    auto flag = [&](bool& out) {
      if (inlineValue) {
        error = "option " + name + " takes no value";
        return false;
      }
      out = true;
      return true;
    };

    bool ok = true;
    std::string text;
    if (name == "--help" || name == "-h") {
      ok = flag(options.help);
    } else if (name == "--version") {
      ok = flag(options.version);
    } else if (name == "--model") {
      ok = value(options.model.modelName);
    } else if (name == "--firmware") {
      ok = intValue(INT_MIN, options.model.firmware);
    } else if (name == "--sd") {
      ok = value(text);
      if (ok && text == "usable") {
        options.model.sdCard = SdCard::kUsable;
      } else if (ok && text == "absent") {
        options.model.sdCard = SdCard::kAbsent;
      } else if (ok && text == "protected") {
        options.model.sdCard = SdCard::kProtected;
      } else if (ok) {
        error = "option --sd: expected usable, absent or protected, not " + text;
        ok = false;
      }
    } else if (name == "--clock-unset") {
      bool unset = false;
      ok = flag(unset);
      options.model.clockSet = !unset;
    } else if (name == "--answer-wake") {
      ok = flag(options.model.answerWake);
    } else if (name == "--silent") {
      ok = flag(options.silent);
    } else if (name == "--reply") {
      ok = value(text);
      const auto eq = text.find('=');
      if (ok && eq == std::string::npos) {
        error = "option --reply: expected PREFIX=REPLY, not " + text;
        ok = false;
      } else if (ok) {
        options.replies.push_back({text.substr(0, eq), text.substr(eq + 1)});
      }
    } else if (name == "--split") {
      ok = intValue(1, options.splitBytes);
    } else if (name == "--extra") {
      ok = value(options.extra);
    } else if (name == "--delay") {
      ok = intValue(0, options.delayMs);
    } else if (name == "--hangup-after") {
      ok = intValue(1, options.hangupAfter);
    } else if (name == "--trace") {
      ok = value(options.traceFile);
    } else if (name == "--link") {
      ok = value(options.linkPath);
    } else {
      error = "unknown option: " + args[i];
      ok = false;
    }
    if (!ok)
      return std::nullopt;
  }
  return options;
}

std::string SimUsage() {
  return R"(Usage: km62rx-sim [OPTIONS]
Simulates a KM-62RX logger on a pseudo-terminal. Prints the terminal's device
path as the first line on stdout, then answers commands until SIGTERM/SIGINT.

Logger:
  --model NAME          model name in the DEA reply (default KM-62RX)
  --firmware N          firmware version in the DEV reply (default 101;
                        below 101 the time-stamp commands answer 01)
  --sd usable|absent|protected
                        SD card state in the DEC reply (default usable;
                        otherwise every settings command answers 51)
  --clock-unset         TMG answers 01 until TMS sets the clock
  --answer-wake         answer a lone CR with OK (default: no answer)
Faults for tests:
  --silent              never answer
  --reply PREFIX=REPLY  answer lines starting with PREFIX with REPLY and CR,
                        without changing any state (repeatable, first wins)
  --split N             write replies in pieces of N bytes, ~3 ms apart
  --extra TEXT          write TEXT right after the CR of every reply
  --delay MS            wait MS milliseconds before each reply
  --hangup-after N      close the terminal and exit after N command lines
Other:
  --trace FILE          append every received line (without CR) to FILE
  --link PATH           make PATH a symbolic link to the terminal
  --help                show this text
  --version             show the version
Options also take the form --name=value.
)";
}

}  // namespace km62rx::sim
