#include "cli/difference_lines.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace km62rx::cli {
namespace {

std::string Quoted(const std::optional<std::string>& value) {
  return value ? "\"" + *value + "\"" : "nothing (it could not be read)";
}

void PrintLine(const std::string& line) {
  std::printf("%s\n", line.c_str());
}

}  // namespace

void PrintMismatches(const std::vector<WireDifference>& differences) {
  for (const WireDifference& d : differences) {
    PrintLine("mismatch: " + SettingLabel(d.key, d.entry) + ": sent " + Quoted(d.expected) +
              ", the logger holds " + Quoted(d.held));
  }
  std::fflush(stdout);
}

void PrintDifferences(const std::vector<WireDifference>& differences,
                      const std::vector<WireValue>& fileValues) {
  for (const WireDifference& d : differences) {
    const auto inFile = std::find_if(fileValues.begin(), fileValues.end(), [&](const WireValue& v) {
      return v.key == d.key && v.entry == d.entry;
    });
    std::string line = SettingLabel(d.key, d.entry) + ": file ";
    if (inFile == fileValues.end() || !d.expected) {
      line += Quoted(d.expected);
    } else {
      line += Quoted(inFile->value);
      if (!SameWireValue(d.key, inFile->value, *d.expected))
        line += " (sent as " + Quoted(d.expected) + ")";
    }
    PrintLine(line + ", logger " + Quoted(d.held));
  }
  std::fflush(stdout);
}

}  // namespace km62rx::cli
