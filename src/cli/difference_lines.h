#pragma once

#include <vector>

#include "cli/wire_values.h"

namespace km62rx::cli {

// After a send: one line on stdout per setting the logger holds otherwise
// than it was sent, in the file's notation:
//   mismatch: START_DATA[1]: sent "10D0A", the logger holds "1-"
void PrintMismatches(const std::vector<WireDifference>& differences);

// diff: one line on stdout per setting in which the logger differs from a
// file, with the value it would be sent as where the pages change it:
//   STOP_DATASIZE: file "12345" (sent as "12288"), logger "-"
// fileValues are the file's own values (FileValues).
void PrintDifferences(const std::vector<WireDifference>& differences,
                      const std::vector<WireValue>& fileValues);

}  // namespace km62rx::cli
