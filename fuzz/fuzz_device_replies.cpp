// Plays a logger whose replies come from the input, through the whole of a
// connect (wake-up, identification, firmware, SD card, clock read), a receive
// run onto default pages and a clock set from a fixed PC time.
//
// The input is split at LF: the n-th piece, with a CR added, answers the
// n-th command written. Commands past the last piece get the simulator
// model's answer (a lone CR where the model says nothing), so a short input
// still runs to the end. Every reply ends with CR, so no exchange ever waits
// out its time-out.
//
// Beyond the sanitizers' checks, what must hold for any replies: whatever
// the receive run put on the pages is saved as a file that the reader takes
// back without a message (it may drop the leading zeros of a number, which the
// pages keep as received).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/link.h"
#include "device/settings_runs.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "settings/settings_file.h"
#include "sim/logger_clock.h"
#include "sim/responder.h"
#include "support/fake_serial_line.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

using namespace km62rx;

namespace {

std::vector<std::string> SplitReplies(std::string_view input) {
  std::vector<std::string> replies;
  if (input.empty())
    return replies;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find('\n', start);
    replies.emplace_back(input.substr(start, end - start));
    if (end == std::string_view::npos)
      return replies;
    start = end + 1;
  }
}

// The PC clock and the simulated logger's clock both stand still, so that an
// input always gives the same run.
constexpr std::int64_t kLoggerSeconds = 1773584730;  // 2026-03-15 14:25:30

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> replies =
      SplitReplies(std::string_view(reinterpret_cast<const char*>(data), size));
  sim::Responder model(sim::SimOptions{}, [] { return kLoggerSeconds; });

  testing::FakeSerialLine line;
  std::size_t next = 0;
  line.responder = [&](std::string_view written) {
    std::string reply;
    if (next < replies.size()) {
      reply = replies[next++] + '\r';
    } else {
      written.remove_suffix(written.empty() || written.back() != '\r' ? 0 : 1);
      reply = model.Respond(written);
      if (reply.empty() || reply.back() != '\r')
        reply += '\r';
    }
    return testing::FakeSerialLine::Answer{{0, std::move(reply)}};
  };

  device::DeviceLink link(line);
  RecordingNotifier boxes;
  ui::MemoryPageControls pages;
  ui::ResetPagesToDefaults(pages);

  if (device::OpenDevicePort(link, "fuzz", device::LineSettings{}) == device::kLinkOk &&
      device::QueryDeviceStatus(link, boxes) == 1) {
    device::ShowDeviceClock(link, boxes);
    // As in the window and the command-line tool, only a logger with a usable
    // card gets a receive run.
    if (link.sdState == 1) {
      device::CommandContext ctx{link, pages, boxes};
      device::ReceiveAllSettings(ctx);
    }
    device::SetLoggerClockFromPc(link, FixedClock(2026, 3, 15, 14, 25, 30), boxes);
  }
  device::DestroyDeviceLink(link);

  settings::LoggerSettings record;
  RecordingNotifier bindingBoxes;
  ui::ReadSettingsFromPages(pages, record, bindingBoxes);
  std::istringstream file(settings::FormatSettingsFile(record));
  RecordingNotifier readerBoxes;
  settings::LoggerSettings reread;
  settings::ParseSettings(file, reread, readerBoxes);
  if (!readerBoxes.boxes.empty()) {
    // Show what went wrong before the fuzzer reports the input.
    std::fprintf(stderr, "saved file:\n%s", settings::FormatSettingsFile(record).c_str());
    for (const RecordingNotifier::Box& box : readerBoxes.boxes)
      std::fprintf(stderr, "reader: %s: %s\n", box.title.c_str(), box.text.c_str());
    std::abort();
  }
  return 0;
}
