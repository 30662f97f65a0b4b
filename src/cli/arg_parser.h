#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace km62rx::cli {

// Parses the arguments of one command: options with a value ("--port P",
// "--port=P", "-o FILE", "-oFILE"), flags ("--trace") and positional
// arguments. "--" ends the options; a lone "-" is positional. Every problem
// gives a message for the user:
//
//   ArgParser parser("receive");
//   parser.Option("--port").Option("--output", "-o").Flag("--trace").Positionals(0, 0);
//   if (!parser.Parse(args)) return UsageError("receive", parser.error());
//   std::string port = *parser.Value("--port");
class ArgParser {
 public:
  explicit ArgParser(std::string command) : command_(std::move(command)) {}

  // An option that takes a value, with an optional short alias such as "-o".
  ArgParser& Option(std::string name, std::string alias = {});
  // An option without a value.
  ArgParser& Flag(std::string name, std::string alias = {});
  // Lets the option added last be given more than once ("--port A --port B").
  ArgParser& Repeats();
  // How many positional arguments the command takes (default: none).
  ArgParser& Positionals(std::size_t minimum, std::size_t maximum);

  // False on an unknown option, a missing or unwanted value, an option given
  // twice (unless it repeats), or a wrong number of positional arguments; error() then says which.
  bool Parse(const Args& args);
  const std::string& error() const { return error_; }
  const std::string& command() const { return command_; }

  // Whether the option or flag was given (by its long name).
  bool Has(std::string_view name) const;
  // The value of an option, when given (the first, for one that repeats).
  std::optional<std::string> Value(std::string_view name) const;
  // Every value of an option, in the order given.
  std::vector<std::string> Values(std::string_view name) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  struct OptionDef {
    std::string name;
    std::string alias;
    bool takesValue;
    bool repeats = false;
  };
  struct Given {
    std::string name;
    std::string value;
  };

  const OptionDef* Find(std::string_view nameOrAlias) const;
  bool Fail(std::string message);
  bool Store(const OptionDef& def, std::string value);

  std::string command_;
  std::vector<OptionDef> specs_;
  std::size_t minPositional_ = 0;
  std::size_t maxPositional_ = 0;
  std::vector<Given> given_;
  std::vector<std::string> positional_;
  std::string error_;
};

// Writes "km62rx COMMAND: MESSAGE" and the command's usage line to stderr;
// returns kExitUsage.
int UsageError(std::string_view command, std::string_view message);

// Writes data to stdout and flushes it; false (after telling the user on
// stderr) when that failed, for example on a full disk or a reader that went
// away. The exit status then tells that data was lost (WithLostOutput).
bool WriteDataToStdout(std::string_view data);

// The usage line of a command ("km62rx check FILE"), empty for an unknown one.
std::string_view CommandSynopsis(std::string_view command);

}  // namespace km62rx::cli
