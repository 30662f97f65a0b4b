#pragma once

#include <cstdint>
#include <string_view>

namespace km62rx::sim {

// Parameter checks of the logger's settings commands. Each takes the value
// text of a set command (without mnemonic and entry index) and says whether
// the logger accepts it.

// Hex digit pairs, between minPairs and maxPairs of them (any case).
bool IsHexPairs(std::string_view text, int minPairs, int maxPairs);
// A time-of-day trigger value: exactly 5 digits D HH MM, D 0-7, HH 00-23, MM 00-59.
bool IsTimeOfDay(std::string_view text);
// A decimal number from 1 to max, digits only (at most 10 of them).
bool IsNumberInRange(std::string_view text, std::uint64_t max);
// Exactly three ASCII letters or digits.
bool IsExtension(std::string_view text);
// One printable character, a lone backslash, or \n, \r, \t, \xHH.
bool IsSeparator(std::string_view text);

}  // namespace km62rx::sim
