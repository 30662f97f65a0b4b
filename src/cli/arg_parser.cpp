#include "cli/arg_parser.h"

#include <string>

#include "cli/logger_output.h"
#include "cli/visible_text.h"
#include "settings/file_messages.h"
#include "settings/notifier.h"

namespace km62rx::cli {

ArgParser& ArgParser::Option(std::string name, std::string alias) {
  specs_.push_back({std::move(name), std::move(alias), true});
  return *this;
}

ArgParser& ArgParser::Flag(std::string name, std::string alias) {
  specs_.push_back({std::move(name), std::move(alias), false});
  return *this;
}

ArgParser& ArgParser::Repeats() {
  specs_.back().repeats = true;
  return *this;
}

ArgParser& ArgParser::Positionals(std::size_t minimum, std::size_t maximum) {
  minPositional_ = minimum;
  maxPositional_ = maximum;
  return *this;
}

const ArgParser::OptionDef* ArgParser::Find(std::string_view nameOrAlias) const {
  for (const OptionDef& def : specs_) {
    if (def.name == nameOrAlias || (!def.alias.empty() && def.alias == nameOrAlias)) {
      return &def;
    }
  }
  return nullptr;
}

bool ArgParser::Fail(std::string message) {
  error_ = std::move(message);
  return false;
}

bool ArgParser::Store(const OptionDef& def, std::string value) {
  if (!def.repeats && Has(def.name))
    return Fail("option " + def.name + " given twice");
  given_.push_back({def.name, std::move(value)});
  return true;
}

bool ArgParser::Parse(const Args& args) {
  given_.clear();
  positional_.clear();
  error_.clear();
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // "--name=value", "--name", "-x", "-xVALUE".
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (arg[1] == '-') {
      const std::size_t equals = arg.find('=');
      if (equals != std::string::npos) {
        name = arg.substr(0, equals);
        inlineValue = arg.substr(equals + 1);
      }
    } else if (arg.size() > 2) {
      name = arg.substr(0, 2);
      inlineValue = arg.substr(2);
    }
    const OptionDef* def = Find(name);
    if (def == nullptr)
      return Fail("unknown option " + arg);
    if (!def->takesValue) {
      if (inlineValue)
        return Fail("option " + def->name + " takes no value");
      if (!Store(*def, {}))
        return false;
      continue;
    }
    if (!inlineValue) {
      // The next argument is the value, unless there is none or it is
      // another of the command's options.
      if (i + 1 >= args.size() ||
          (args[i + 1].starts_with("--") && Find(args[i + 1].substr(0, args[i + 1].find('='))))) {
        return Fail("option " + name + " needs a value");
      }
      inlineValue = args[++i];
    }
    if (!Store(*def, std::move(*inlineValue)))
      return false;
  }
  if (positional_.size() < minPositional_)
    return Fail("missing argument");
  if (positional_.size() > maxPositional_) {
    return Fail("unexpected argument " + positional_[maxPositional_]);
  }
  return true;
}

bool ArgParser::Has(std::string_view name) const {
  for (const Given& given : given_) {
    if (given.name == name)
      return true;
  }
  return false;
}

std::optional<std::string> ArgParser::Value(std::string_view name) const {
  for (const Given& given : given_) {
    if (given.name == name)
      return given.value;
  }
  return std::nullopt;
}

std::vector<std::string> ArgParser::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const Given& given : given_) {
    if (given.name == name)
      values.push_back(given.value);
  }
  return values;
}

int UsageError(std::string_view command, std::string_view message) {
  std::string text = "km62rx ";
  text += command;
  text += ": ";
  text += VisibleText(message);
  text += '\n';
  const std::string_view synopsis = CommandSynopsis(command);
  if (!synopsis.empty()) {
    text += "usage: ";
    text += synopsis;
    text += '\n';
  }
  text += "Try 'km62rx --help' for more information.\n";
  WriteLocked(stderr, text);
  return kExitUsage;
}

bool WriteDataToStdout(std::string_view data) {
  if (WriteLocked(stdout, data, Lost::kData))
    return true;
  OutputBoxes().Show(settings::kErrorTitle.Get(), settings::kCannotWriteFile.Get());
  return false;
}

}  // namespace km62rx::cli
