#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arg_parser.h"
#include "device/clock_commands.h"
#include "device/device_link.h"
#include "device/line_settings.h"
#include "device/results.h"
#include "device/serial_line.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// The ports and line settings of a device command. A network port
// (socket://HOST:PORT) keeps the server's line settings: the line options
// do not apply to it.
struct DeviceOptions {
  std::vector<std::string> ports;  // every --port, a list "A,B" split, in the order given
  std::string port;                // the logger handled now: the first port, or the worker's
  device::LineSettings line;       // the connect dialog's defaults unless given
  bool trace = false;
  bool json = false;  // one JSON document on stdout instead of lines
};

// Adds the device options (--port, which may repeat, --baud, --data-bits,
// --parity, --flow, --trace, --json) to a device command's parser (which holds the
// command's own options), parses args and reads the device options. Nothing
// when the command line is wrong: the usage message has then been written and
// the command exits with kExitUsage.
std::optional<DeviceOptions> ParseDeviceCommand(ArgParser& parser, const Args& args);

// A trace line: direction, a space, the bytes with CR, LF, backslash, tab and
// other control bytes written visibly ("> DEA\r").
std::string FormatTraceLine(std::string_view direction, std::string_view bytes);

// An identified logger on an open port; closes the port when it goes.
class ConnectedLogger {
 public:
  ConnectedLogger(std::unique_ptr<device::SerialLine> line,
                  std::unique_ptr<device::DeviceLink> link, device::StepResult clock);
  ConnectedLogger(ConnectedLogger&&) noexcept;
  ConnectedLogger& operator=(ConnectedLogger&&) noexcept;
  ~ConnectedLogger();

  device::DeviceLink& link() { return *link_; }
  // Whether the closing clock box showed the clock (or "not set"), or which
  // error it showed instead.
  device::StepResult clock() const { return clock_; }

 private:
  std::unique_ptr<device::SerialLine> line_;
  std::unique_ptr<device::DeviceLink> link_;
  device::StepResult clock_ = device::StepResult::kDone;
};

// The exit status of a command that ends with one exchange: kExitDone,
// kExitProblem when the logger refused or answered wrongly, kExitLink when
// the link failed.
int ExitStatus(device::StepResult result);

// Connects exactly as the connect dialog does: open and identify (on
// failure the link box and the port closed), the handshake (firmware, SD
// card), the panel refresh and the clock box. Every box goes to notifier;
// the logger's facts go into the current output's report.
// Nothing when the port could not be opened, the logger was not identified
// or the handshake disconnected; the caller exits with kExitLink.
std::optional<ConnectedLogger> ConnectForCli(const DeviceOptions& options, Notifier& notifier);

// Parses "YYYY-MM-DD hh:mm:ss" and clamps each field as the clock dialog
// does (year 2000-2099, month 1-12, day 1-31, hour 0-23, minute and second
// 0-59) and keeps the day within its month. Nothing when the text does not
// have that shape. changes, when given, gets one line per field changed on
// the way ("--time: month 13 is set to 12 (the clock takes 01 to 12)"), for
// the notes that tell the user.
std::optional<device::TypedTime> ParseTimeOption(std::string_view text,
                                                 std::vector<std::string>* changes = nullptr);

}  // namespace km62rx::cli
