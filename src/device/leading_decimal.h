#pragma once

#include <string_view>

namespace km62rx::device {

// The value of the decimal number at the start of text, as the C library's
// atoi reads it (leading blanks, an optional sign, then digits up to the
// first non-digit; 0 when there is no digit), but saturated at the limits
// of long long instead of overflowing.
long long LeadingDecimal(std::string_view text);

// The same, saturated to int.
int LeadingInt(std::string_view text);

}  // namespace km62rx::device
