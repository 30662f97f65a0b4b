#pragma once

#include <vector>

#include "cli/wire_values.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// The values a send of these pages would put on the wire, found by running
// the send against a stand-in logger that takes every setting, so that they
// come through the very path of a real send (its limits and roundings
// included). No box is shown; the pages given stay as they are.
// timestampSupported is the real logger's: without the time-stamp function
// a send stops after eight settings.
std::vector<WireValue> ValuesASendWouldPut(ui::MemoryPageControls pages, int timestampSupported);

}  // namespace km62rx::cli
