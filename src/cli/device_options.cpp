#include "cli/device_options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/cli.h"
#include "cli/logger_output.h"
#include "cli/port_hints.h"
#include "cli/visible_text.h"
#include "device/connect_sequence.h"
#include "device/connection.h"
#include "device/line_choices.h"
#include "device/line_for_port.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/port_path.h"
#include "settings/control_ids.h"
#include "settings/setting_table.h"
#include "ui/decimal_text.h"

namespace km62rx::cli {

namespace {

// After the box of a port that did not open: why, and what to do.
void PrintPortHint(const std::string& port, device::OpenFailure why) {
  const std::string hint = PortOpenHint(port, why);
  if (!hint.empty())
    Output().Message(hint);
}

void WriteTrace(std::string_view direction, std::string_view bytes) {
  Output().Err(FormatTraceLine(direction, bytes));
}

// The ports of every --port, each a name or a comma-separated list of them.
// Empty, with error set, when a name is empty or a port is given twice.
std::vector<std::string> ReadPorts(const ArgParser& parser, std::string& error) {
  std::vector<std::string> ports;
  for (const std::string& value : parser.Values("--port")) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = value.find(',', start);
      ports.push_back(value.substr(start, comma == std::string::npos ? comma : comma - start));
      if (comma == std::string::npos)
        break;
      start = comma + 1;
    }
  }
  // Each port's device is looked up once.
  std::vector<std::string> identities;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    if (ports[i].empty()) {
      error = "--port NAME is required";
      return {};
    }
    // Such a name is no port, and would reach the terminal in every line.
    if (HoldsControlCharacter(ports[i])) {
      error = "port name " + VisibleText(ports[i]) + " holds a control character";
      return {};
    }
    identities.push_back(device::PortIdentity(ports[i]));
    for (std::size_t j = 0; j < i; ++j) {
      if (identities[i] == identities[j]) {
        error = "port " + ports[i] + " given twice";
        return {};
      }
    }
  }
  if (ports.empty())
    error = "--port NAME is required";
  return ports;
}

// The index of an option's word among a combo's choices (the default item 0
// when the option is absent), or -1 with error set.
template <typename Choices>
int ChoiceIndex(const ArgParser& parser, std::string_view name, const Choices& choices,
                std::string& error) {
  const std::optional<std::string> value = parser.Value(name);
  if (!value)
    return 0;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i].option == *value)
      return static_cast<int>(i);
  }
  error = std::string(name) + " must be one of";
  for (const auto& choice : choices)
    error += " " + std::string(choice.option);
  return -1;
}

// Reads 1 to maxDigits decimal digits at text[pos]; advances pos.
std::optional<int> ReadDigits(std::string_view text, std::size_t& pos, std::size_t maxDigits) {
  std::size_t end = pos;
  while (end < text.size() && end - pos < maxDigits && text[end] >= '0' && text[end] <= '9')
    ++end;
  if (end == pos)
    return std::nullopt;
  int value = 0;
  std::from_chars(text.data() + pos, text.data() + end, value);
  pos = end;
  return value;
}

// Adds --port, --baud, --data-bits, --parity, --flow, --trace and --json.
void AddDeviceOptions(ArgParser& parser) {
  parser.Option("--port")
      .Repeats()
      .Option("--baud")
      .Option("--data-bits")
      .Option("--parity")
      .Option("--flow")
      .Flag("--trace")
      .Flag("--json");
}

// Nothing, with error set, when --port is missing or a value is not one the
// connect dialog offers.
std::optional<DeviceOptions> ReadDeviceOptions(const ArgParser& parser, std::string& error) {
  DeviceOptions options;
  options.ports = ReadPorts(parser, error);
  if (options.ports.empty())
    return std::nullopt;
  options.port = options.ports.front();

  // Checked in this order, so that the first wrong option is the one named.
  int dataBits = -1, parity = -1, baud = -1, flow = -1;
  if ((dataBits = ChoiceIndex(parser, "--data-bits", device::kDataBitsChoices, error)) < 0 ||
      (parity = ChoiceIndex(parser, "--parity", device::kParityChoices, error)) < 0 ||
      (baud = ChoiceIndex(parser, "--baud", device::kBaudChoices, error)) < 0 ||
      (flow = ChoiceIndex(parser, "--flow", device::kFlowChoices, error)) < 0)
    return std::nullopt;

  const std::optional<device::LineSettings> line =
      device::LineSettingsFromChoices(dataBits, parity, baud, flow);
  if (!line) {
    error = "unsupported line settings";
    return std::nullopt;
  }
  options.line = *line;
  options.trace = parser.Has("--trace");
  options.json = parser.Has("--json");
  return options;
}

}  // namespace

std::optional<DeviceOptions> ParseDeviceCommand(ArgParser& parser, const Args& args) {
  AddDeviceOptions(parser);
  if (!parser.Parse(args)) {
    UsageError(parser.command(), parser.error());
    return std::nullopt;
  }
  std::string error;
  std::optional<DeviceOptions> options = ReadDeviceOptions(parser, error);
  if (!options)
    UsageError(parser.command(), error);
  return options;
}

std::string FormatTraceLine(std::string_view direction, std::string_view bytes) {
  return std::string(direction) + " " + VisibleText(bytes, Shown::kExactBytes);
}

ConnectedLogger::ConnectedLogger(std::unique_ptr<device::SerialLine> line,
                                 std::unique_ptr<device::DeviceLink> link, device::StepResult clock)
    : line_(std::move(line)), link_(std::move(link)), clock_(clock) {}
ConnectedLogger::ConnectedLogger(ConnectedLogger&&) noexcept = default;
ConnectedLogger& ConnectedLogger::operator=(ConnectedLogger&&) noexcept = default;
ConnectedLogger::~ConnectedLogger() {
  if (link_)
    device::DestroyDeviceLink(*link_);
}

int ExitStatus(device::StepResult result) {
  switch (result) {
    case device::StepResult::kDone:
      return kExitDone;
    case device::StepResult::kRefused:
      return kExitProblem;
    case device::StepResult::kLinkFailed:
      break;
  }
  return kExitLink;
}

std::optional<ConnectedLogger> ConnectForCli(const DeviceOptions& options, Notifier& notifier) {
  std::unique_ptr<device::SerialLine> line = device::MakeLineForPort(options.port);
  auto link = std::make_unique<device::DeviceLink>(*line);
  if (options.trace)
    link->trace = WriteTrace;

  std::string shownClock;
  const device::ConnectOutcome outcome =
      device::ConnectLogger(*link, options.port, options.line, notifier, notifier, {}, &shownClock);
  if (outcome.opened == device::LinkResult::kPortNotOpened)
    PrintPortHint(options.port, line->LastOpenFailure());
  if (!outcome.connected)
    return std::nullopt;
  LoggerReport& report = Output().report();
  report.connected = true;
  report.firmwareVersion = outcome.firmwareVersion;
  report.sdState = outcome.sdState;
  if (!shownClock.empty())
    report.clock = shownClock;
  return ConnectedLogger(std::move(line), std::move(link), outcome.clock);
}

std::optional<device::TypedTime> ParseTimeOption(std::string_view text,
                                                 std::vector<std::string>* changes) {
  std::size_t pos = 0;
  int fields[6];
  const char separators[6] = {'-', '-', ' ', ':', ':', '\0'};
  for (int i = 0; i < 6; ++i) {
    const std::optional<int> value = ReadDigits(text, pos, i == 0 ? 4 : 2);
    if (!value)
      return std::nullopt;
    fields[i] = *value;
    if (i < 5) {
      if (pos >= text.size() || text[pos] != separators[i])
        return std::nullopt;
      ++pos;
    }
  }
  if (pos != text.size())
    return std::nullopt;
  // Each part is kept within its clock dialog field's range, as the dialog
  // keeps it, then the day within its month.
  constexpr const char* kFieldNames[6] = {"year", "month", "day", "hour", "minute", "second"};
  const auto told = [&](int i, int from, int to, const std::string& why) {
    if (changes != nullptr && from != to) {
      changes->push_back("--time: " + std::string(kFieldNames[i]) + " " +
                         ui::FormatTwoDigits(from) + " is set to " + ui::FormatTwoDigits(to) +
                         " (" + why + ")");
    }
  };
  for (int i = 0; i < 6; ++i) {
    const settings::NumericRange range = *settings::NumericFieldRange(ids::kClockFields[i]);
    const int typed = fields[i];
    fields[i] = std::clamp(fields[i], range.minimum, range.maximum);
    told(i, typed, fields[i],
         "the clock takes " + ui::FormatTwoDigits(range.minimum) + " to " +
             ui::FormatTwoDigits(range.maximum));
  }
  const device::TypedTime clamped{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
  const device::TypedTime kept = device::KeepDayInMonth(clamped);
  told(2, clamped.day, kept.day,
       "the last day of " + std::to_string(kept.year) + "-" + ui::FormatTwoDigits(kept.month));
  return kept;
}

}  // namespace km62rx::cli
