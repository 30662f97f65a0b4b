// Drives the Windows serial line for its cases under Wine (tests/protocol/wine_line_test.cpp):
//   line_check.exe PORT ACTION...
// open, open-xonxoff: "open ok" or "open failed not-found|busy|other"; exchange CMD: one exchange
// of CMD and CR, "exchange ok REPLY MS" or "exchange failed MS"; loss: "loss yes|no".

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "device/device_link.h"
#include "device/exchange.h"
#include "device/win32/serial_line.h"

int main(int argc, char** argv) {
  using namespace km62rx::device;
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, as the test reads them
  Win32SerialLine line;
  DeviceLink link{line};
  for (int i = 2; i < argc; ++i) {
    const std::string action = argv[i];
    if (action.starts_with("open")) {
      LineSettings settings;
      settings.xonXoff = action == "open-xonxoff" ? 1 : 0;
      const OpenFailure why =
          line.Open(argv[1], settings) ? OpenFailure::kUnknown : line.LastOpenFailure();
      std::printf("open %s\n", line.IsOpen()                   ? "ok"
                               : why == OpenFailure::kNotFound ? "failed not-found"
                               : why == OpenFailure::kBusy     ? "failed busy"
                                                               : "failed other");
    } else if (action == "exchange" && i + 1 < argc) {
      Reply reply;
      const auto start = std::chrono::steady_clock::now();
      const bool ok =
          ExchangeCommand(link, std::string(argv[++i]) + "\r", reply) == LinkResult::kOk;
      const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
      const std::string text(reply.View().substr(0, ok ? reply.length - 1 : 0));  // without CR
      std::printf("exchange %s%s %lld\n", ok ? "ok " : "failed", text.c_str(), ms);
    } else if (action == "loss") {
      std::printf("loss %s\n", line.CheckForLoss() ? "yes" : "no");
    }
  }
  return argc < 3 ? 2 : 0;
}
