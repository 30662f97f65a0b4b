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
// Beyond the sanitizers' checks, what must hold for any replies: a box shows
// only real dates and times, and whatever the receive run put on the pages
// is saved as a file that the reader takes back without a message (it may
// drop the leading zeros of a number, which the pages keep as received).
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
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/settings_runs.h"
#include "reads_back.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "settings/settings_reader.h"
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

// The number of the digits at text[at, at + count), or -1.
int DigitsAt(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9')
      return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Every time that a box shows, "2026/03/15 14:25:30", is a real date and time.
bool ShowsOnlyRealTimes(std::string_view text) {
  constexpr std::string_view kShape = "dddd/dd/dd dd:dd:dd";
  for (std::size_t at = 0; at + kShape.size() <= text.size(); ++at) {
    bool shaped = true;
    for (std::size_t i = 0; i < kShape.size() && shaped; ++i) {
      const char c = text[at + i];
      shaped = kShape[i] == 'd' ? c >= '0' && c <= '9' : c == kShape[i];
    }
    if (!shaped)
      continue;
    const int year = DigitsAt(text, at, 4);
    const int month = DigitsAt(text, at + 5, 2);
    const int day = DigitsAt(text, at + 8, 2);
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        DigitsAt(text, at + 11, 2) > 23 || DigitsAt(text, at + 14, 2) > 59 ||
        DigitsAt(text, at + 17, 2) > 59) {
      return false;
    }
  }
  return true;
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
      if (!written.empty() && written.back() == '\r')
        written.remove_suffix(1);
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

  if (device::OpenDevicePort(link, "fuzz", device::LineSettings{}) == device::LinkResult::kOk &&
      device::QueryDeviceStatus(link, boxes) == device::HandshakeResult::kConnected) {
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

  for (const RecordingNotifier::Box& box : boxes.boxes) {
    if (!ShowsOnlyRealTimes(box.text)) {
      std::fprintf(stderr, "box: %s: %s\n", box.title.c_str(), box.text.c_str());
      std::abort();
    }
  }

  settings::LoggerSettings record;
  RecordingNotifier bindingBoxes;
  ui::ReadSettingsFromPages(pages, record, bindingBoxes);
  fuzz::AbortUnlessFileReadsBack(record, "saved file");
  return 0;
}
