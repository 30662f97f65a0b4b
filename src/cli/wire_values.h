#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run_report.h"
#include "settings/logger_settings.h"

namespace km62rx::cli {

// One setting's value as it travelled on the wire: the parameters of a set
// request or the payload of a get reply, which are both the value as the
// settings file writes it ("10D0A" for START_DATA entry 1).
struct WireValue {
  std::string key;  // the settings file key
  int entry = -1;   // the entry index of a repeated setting, -1 for the others
  std::string value;
};

// "START_DATA[1]", or the bare key of a setting without entries.
std::string SettingLabel(std::string_view key, int entry);

// Whether two wire values of a setting mean the same: hex bytes regardless of
// case, numbers regardless of leading zeros, everything else exactly.
bool SameWireValue(std::string_view key, std::string_view a, std::string_view b);

// The settings of a record as the file writes them, in file order; the
// clock lines and the model name, which no setting carries, are left out.
std::vector<WireValue> FileValues(const settings::LoggerSettings& record);

// Collects, from the trace of a link, the values of the set requests that
// went out and of the get replies that came back. A reply that the run
// refused (an "OK" with a value the field cannot take, or with bytes after
// it) is not remembered: its setting counts as not read.
class WireValues {
 public:
  // The run, with every set request and get reply it exchanges remembered.
  SettingsRun Recording(SettingsRun run);

  const std::vector<WireValue>& sent() const { return sent_; }
  const std::vector<WireValue>& received() const { return received_; }

 private:
  void Remember(std::string_view direction, std::string_view bytes);

  std::optional<WireValue> pendingGet_;  // the get request waiting for its reply
  bool lastGetAnswered_ = false;         // the latest get's reply is in received_
  std::vector<WireValue> sent_;
  std::vector<WireValue> received_;
};

// A setting whose values differ; nothing on one side when that side has no
// value for it (a setting that could not be read back).
struct WireDifference {
  std::string key;
  int entry = -1;
  std::optional<std::string> expected;
  std::optional<std::string> held;
};

// The settings of expected whose value held differs from or lacks, in the
// order of expected.
std::vector<WireDifference> CompareWireValues(const std::vector<WireValue>& expected,
                                              const std::vector<WireValue>& held);

// The labels ("START_DATA[1]") of the settings a receive run got no value
// for, in file order, as one text: "START_DATA[1], STOP_DATASIZE". The
// time-stamp settings count only when the logger has them.
std::string UnreadSettings(const std::vector<WireValue>& received, bool timestampSupported);

// Whether a settings file key is one of the time-stamp settings, which a
// logger without the time-stamp function neither takes nor gives.
bool IsTimestampSetting(std::string_view key);

// Why such a logger leaves those settings alone, for the lines that say so.
inline constexpr std::string_view kNoTimestampFunction = "the logger has no time-stamp function";

// The time-stamp settings of a record whose value is not the default: those
// that a send to such a logger cannot apply.
std::vector<WireValue> TimestampValuesOffDefault(const settings::LoggerSettings& record);

}  // namespace km62rx::cli
