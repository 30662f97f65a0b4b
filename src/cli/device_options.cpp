#include "cli/device_options.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cstdio>

#include "cli/port_hints.h"
#include "device/connection.h"
#include "device/line_choices.h"
#include "device/link.h"
#include "device/qt/qt_serial_line.h"

namespace km62rx::cli {

namespace {

constexpr std::string_view kLinkErrorTitle = "接続エラー";

// After the box of a port that did not open: why, and what to do.
void PrintPortHint(const std::string& port, device::OpenFailure why) {
  const std::string hint = PortOpenHint(port, why);
  if (!hint.empty())
    std::fprintf(stderr, "%s\n", hint.c_str());
}

void WriteTrace(std::string_view direction, std::string_view bytes) {
  const std::string line = FormatTraceLine(direction, bytes) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

// Index of value in items, or -1.
template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& items, std::string_view value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (items[i] == value)
      return static_cast<int>(i);
  }
  return -1;
}

constexpr std::array<std::string_view, 2> kDataBitsValues = {"8", "7"};
constexpr std::array<std::string_view, 3> kParityValues = {"none", "even", "odd"};
constexpr std::array<std::string_view, 2> kFlowValues = {"rtscts", "xonxoff"};

// The index of an option's value among the dialog's choices (the default
// item 0 when the option is absent), or -1 with error set.
template <std::size_t N>
int ChoiceIndex(const ArgParser& parser, std::string_view name,
                const std::array<std::string_view, N>& values, std::string& error) {
  const std::optional<std::string> value = parser.Value(name);
  if (!value)
    return 0;
  const int index = IndexOf(values, *value);
  if (index < 0) {
    error = std::string(name) + " must be one of";
    for (std::string_view v : values)
      error += " " + std::string(v);
  }
  return index;
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

int Clamp(int value, int low, int high) {
  return value < low ? low : (value > high ? high : value);
}

}  // namespace

void AddDeviceOptions(ArgParser& parser) {
  parser.Option("--port")
      .Option("--baud")
      .Option("--data-bits")
      .Option("--parity")
      .Option("--flow")
      .Flag("--trace");
}

std::optional<DeviceOptions> ReadDeviceOptions(const ArgParser& parser, std::string& error) {
  DeviceOptions options;
  const std::optional<std::string> port = parser.Value("--port");
  if (!port || port->empty()) {
    error = "--port NAME is required";
    return std::nullopt;
  }
  options.port = *port;

  const int dataBitsIndex = ChoiceIndex(parser, "--data-bits", kDataBitsValues, error);
  if (dataBitsIndex < 0)
    return std::nullopt;
  const int parityIndex = ChoiceIndex(parser, "--parity", kParityValues, error);
  if (parityIndex < 0)
    return std::nullopt;
  const int baudIndex = ChoiceIndex(parser, "--baud", device::kBaudItems, error);
  if (baudIndex < 0)
    return std::nullopt;
  const int flowIndex = ChoiceIndex(parser, "--flow", kFlowValues, error);
  if (flowIndex < 0)
    return std::nullopt;

  const std::optional<device::LineSettings> line = device::LineSettingsFromChoices(
      dataBitsIndex, parityIndex, device::kBaudItems[static_cast<std::size_t>(baudIndex)],
      flowIndex);
  if (!line) {
    error = "unsupported line settings";
    return std::nullopt;
  }
  options.line = *line;
  options.trace = parser.Has("--trace");
  return options;
}

std::string FormatTraceLine(std::string_view direction, std::string_view bytes) {
  std::string line(direction);
  line += ' ';
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\\') {
      line += "\\\\";
    } else if (u < 0x20 || u == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      line += hex;
    } else {
      line += c;
    }
  }
  return line;
}

void LinkFailureWatch::Show(std::string_view title, std::string_view text) {
  if (title == kLinkErrorTitle)
    linkFailed_ = true;
  inner_.Show(title, text);
}

ConnectedLogger::ConnectedLogger(std::unique_ptr<device::QtSerialLine> line,
                                 std::unique_ptr<device::DeviceLink> link, bool clockShown)
    : line_(std::move(line)), link_(std::move(link)), clockShown_(clockShown) {}
ConnectedLogger::ConnectedLogger(ConnectedLogger&&) noexcept = default;
ConnectedLogger& ConnectedLogger::operator=(ConnectedLogger&&) noexcept = default;
ConnectedLogger::~ConnectedLogger() {
  if (link_)
    device::DestroyDeviceLink(*link_);
}

void EnsureCoreApplication() {
  if (QCoreApplication::instance() != nullptr)
    return;
  static int argc = 1;
  static char name[] = "km62rx";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends.
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
}

std::optional<ConnectedLogger> ConnectForCli(const DeviceOptions& options, Notifier& notifier) {
  EnsureCoreApplication();
  auto line = std::make_unique<device::QtSerialLine>();
  auto link = std::make_unique<device::DeviceLink>(*line);
  if (options.trace)
    link->trace = WriteTrace;

  const int code = device::OpenDevicePort(*link, options.port, options.line);
  if (code != device::kLinkOk) {
    device::ReportLinkError(code, notifier);
    if (code == device::kPortNotOpened)
      PrintPortHint(options.port, line->LastOpenFailure());
    device::CloseDeviceLink(*link);
    return std::nullopt;
  }
  if (device::QueryDeviceStatus(*link, notifier) == 0)
    return std::nullopt;
  device::RefreshLinkStatus(*link);
  if (link->connected != 1)
    return std::nullopt;
  const bool clockShown = device::ShowDeviceClock(*link, notifier) == 1;
  return ConnectedLogger(std::move(line), std::move(link), clockShown);
}

std::optional<device::TypedTime> ParseTimeOption(std::string_view text) {
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
  device::TypedTime time;
  time.year = Clamp(fields[0], 2000, 2099);
  time.month = Clamp(fields[1], 1, 12);
  time.day = Clamp(fields[2], 1, 31);
  time.hour = Clamp(fields[3], 0, 23);
  time.minute = Clamp(fields[4], 0, 59);
  time.second = Clamp(fields[5], 0, 59);
  return device::KeepDayInMonth(time);
}

}  // namespace km62rx::cli
