// Drives the Windows serial line from the command line, for the cases that
// run it under Wine against the simulator (tests/protocol/wine_line_test.cpp):
//
//   line_check.exe PORT ACTION...
//
// open | open-xonxoff    open PORT: "open ok", or "open failed REASON"
// exchange CMD           one exchange of CMD and CR: "exchange ok REPLY MS"
//                        or "exchange failed MS" (MS: whole milliseconds)
// loss                   CheckForLoss: "loss yes" or "loss no"
// second-open            another line opens PORT meanwhile: "second ok" or
//                        "second failed REASON"

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "device/device_link.h"
#include "device/exchange.h"
#include "device/win32/serial_line.h"

namespace {

using namespace km62rx::device;

const char* Reason(OpenFailure why) {
  switch (why) {
    case OpenFailure::kNotFound:
      return "not-found";
    case OpenFailure::kBusy:
      return "busy";
    case OpenFailure::kPermissionDenied:
      return "denied";
    default:
      return "unknown";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: line_check PORT ACTION...\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, as the test reads them
  const std::string port = argv[1];
  Win32SerialLine line;
  DeviceLink link{line};
  for (int i = 2; i < argc; ++i) {
    const std::string action = argv[i];
    if (action == "open" || action == "open-xonxoff") {
      LineSettings settings;
      settings.xonXoff = action == "open-xonxoff" ? 1 : 0;
      if (line.Open(port, settings))
        std::printf("open ok\n");
      else
        std::printf("open failed %s\n", Reason(line.LastOpenFailure()));
    } else if (action == "exchange" && i + 1 < argc) {
      const std::string command = std::string(argv[++i]) + "\r";
      Reply reply;
      const auto start = std::chrono::steady_clock::now();
      const LinkResult result = ExchangeCommand(link, command, reply);
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
      std::string text(reply.View());
      if (!text.empty() && text.back() == '\r')
        text.pop_back();
      if (result == LinkResult::kOk)
        std::printf("exchange ok %s %lld\n", text.c_str(), static_cast<long long>(ms));
      else
        std::printf("exchange failed %lld\n", static_cast<long long>(ms));
    } else if (action == "loss") {
      std::printf("loss %s\n", line.CheckForLoss() ? "yes" : "no");
    } else if (action == "second-open") {
      Win32SerialLine second;
      if (second.Open(port, {}))
        std::printf("second ok\n");
      else
        std::printf("second failed %s\n", Reason(second.LastOpenFailure()));
    } else {
      std::fprintf(stderr, "line_check: unknown action %s\n", action.c_str());
      return 2;
    }
  }
  return 0;
}
