#pragma once

#include <vector>

#include "cli/wire_values.h"
#include "device/clock_commands.h"

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

// diff against a logger without the time-stamp function: one line on stdout
// per time-stamp setting of the file that a send could not apply:
//   TMSP_MODE: file "ON", not applied: the logger has no time-stamp function
void PrintNotApplied(const std::vector<WireValue>& fileValues);

// clock: the line on stdout when the logger reports a time other than the
// one sent:
//   mismatch: clock: sent "2026/03/05 14:07:09", the logger holds "2018/01/01 00:00:00"
void PrintClockMismatch(const device::ClockAnswer& answer);

}  // namespace km62rx::cli
