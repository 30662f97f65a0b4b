#include "cli/difference_lines.h"

#include <algorithm>
#include <optional>
#include <string>

#include "cli/logger_output.h"
#include "device/device_time.h"

namespace km62rx::cli {
namespace {

std::string Quoted(const std::optional<std::string>& value) {
  return value ? "\"" + *value + "\"" : "nothing (it could not be read)";
}

// The line on stdout, and the difference in the report.
void PrintLine(const std::string& line, ReportedDifference difference) {
  Output().Out(line);
  Output().report().differences.push_back(std::move(difference));
}

}  // namespace

void PrintMismatches(const std::vector<WireDifference>& differences) {
  for (const WireDifference& d : differences) {
    const std::string label = SettingLabel(d.key, d.entry);
    PrintLine("mismatch: " + label + ": sent " + Quoted(d.expected) + ", the logger holds " +
                  Quoted(d.held),
              {label, std::nullopt, d.expected, d.held});
  }
}

void PrintDifferences(const std::vector<WireDifference>& differences,
                      const std::vector<WireValue>& fileValues) {
  for (const WireDifference& d : differences) {
    const auto inFile = std::find_if(fileValues.begin(), fileValues.end(), [&](const WireValue& v) {
      return v.key == d.key && v.entry == d.entry;
    });
    const std::string label = SettingLabel(d.key, d.entry);
    std::string line = label + ": file ";
    std::optional<std::string> file = d.expected;
    if (inFile == fileValues.end() || !d.expected) {
      line += Quoted(d.expected);
    } else {
      file = inFile->value;
      line += Quoted(inFile->value);
      if (!SameWireValue(d.key, inFile->value, *d.expected))
        line += " (sent as " + Quoted(d.expected) + ")";
    }
    PrintLine(line + ", logger " + Quoted(d.held), {label, file, d.expected, d.held});
  }
}

void PrintNotApplied(const std::vector<WireValue>& fileValues) {
  for (const WireValue& value : fileValues) {
    const std::string label = SettingLabel(value.key, value.entry);
    PrintLine(label + ": file " + Quoted(value.value) +
                  ", not applied: " + std::string(kNoTimestampFunction),
              {label, value.value, std::nullopt, std::nullopt});
  }
}

void PrintClockMismatch(const device::ClockAnswer& answer) {
  const std::string sent = device::FormatDeviceTime(device::DeviceTimePayload(answer.sent));
  const std::string held = device::FormatDeviceTime(answer.held);
  PrintLine("mismatch: clock: sent " + Quoted(sent) + ", the logger holds " + Quoted(held),
            {"clock", std::nullopt, sent, held});
}

}  // namespace km62rx::cli
