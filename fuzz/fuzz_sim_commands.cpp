// Feeds arbitrary command lines to the simulator's responder, as its server
// hands them over: the bytes up to each CR, LF dropped. The first byte picks
// the kind of logger (firmware, SD card, clock set or not, wake-up answered).
//
// What must hold for any commands: every reply is empty or one line ending
// in its only CR; an accepted clock set answers twelve digits that the next
// clock read repeats (the clock stands still); and the settings the model
// keeps stay a record that the settings file holds: written out, the reader
// takes every line without a message (it may drop leading zeros of a number).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "reads_back.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "settings/settings_reader.h"
#include "sim/responder.h"

using namespace km62rx;

namespace {

constexpr std::int64_t kHostSeconds = 1773584730;  // 2026-03-15 14:25:30

sim::SimOptions OptionsFrom(std::uint8_t byte) {
  sim::SimOptions options;
  options.model.firmware = (byte & 1) != 0 ? 100 : 101;
  switch ((byte >> 1) & 3) {
    case 1:
      options.model.sdCard = sim::SdCard::kAbsent;
      break;
    case 2:
      options.model.sdCard = sim::SdCard::kProtected;
      break;
    default:
      break;
  }
  options.model.clockSet = (byte & 8) == 0;
  options.model.answerWake = (byte & 16) != 0;
  return options;
}

bool IsTwelveDigits(std::string_view text) {
  if (text.size() != 12)
    return false;
  for (char c : text) {
    if (c < '0' || c > '9')
      return false;
  }
  return true;
}

void CheckReply(const std::string& reply) {
  if (!reply.empty() && reply.find('\r') != reply.size() - 1)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  sim::Responder responder(OptionsFrom(data[0]), [] { return kHostSeconds; });

  std::string line;
  for (std::size_t i = 1; i < size; ++i) {
    const char byte = static_cast<char>(data[i]);
    if (byte == '\n')
      continue;
    if (byte != '\r') {
      line += byte;
      continue;
    }
    const std::string reply = responder.Respond(line);
    CheckReply(reply);
    if (line.starts_with("TMS") && reply.starts_with("OK")) {
      const std::string digits = reply.substr(2, reply.size() - 3);
      if (!IsTwelveDigits(digits) || responder.Respond("TMG") != reply)
        std::abort();
    }
    line.clear();
  }

  fuzz::AbortUnlessFileReadsBack(responder.model().settings(), "held");
  return 0;
}
