#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace km62rx::ui {

// Decimal conversions of page texts that do not depend on the C locale and
// cannot overflow.

// The atoi rule: leading blanks, an optional sign and the leading digits; 0
// when there are none. Values beyond the int range saturate at its ends.
int DecimalValue(std::string_view text);

// The unsigned rule for byte counts: leading blanks, an optional "+" and the
// leading digits; 0 when there are none. Values beyond the unsigned 32-bit
// range count as its maximum.
std::uint32_t UnsignedDecimalValue(std::string_view text);

// "%d" and "%u" of a number.
std::string FormatDecimal(std::int64_t value);

// "%02d" of a number: at least two digits, longer values are not cut.
std::string FormatTwoDigits(int value);

}  // namespace km62rx::ui
