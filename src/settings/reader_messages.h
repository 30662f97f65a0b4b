#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/language.h"
#include "settings/notifier.h"

namespace km62rx::settings {

// The messages of the settings file reader. Each quotes the line (or key)
// that it is about; a quoted line is cut so that the whole message fits the
// 99 bytes that a message has always had in the logger's own code page
// (two bytes for each Japanese character, one for each ASCII byte).
enum class LineProblem {
  kFormat,     // line ignored: not key=value
  kKey,        // line ignored: unknown key
  kTriggerId,  // line ignored: bad entry number
  kParameter,  // line ignored: bad value
  kExtension,  // extension not 3 characters
  kHour,       // hour of a time trigger out of range
  kMinute,     // minute of a time trigger out of range
};

// The title of the boxes about a value that the reader or a save changed
// or dropped.
inline constexpr LocalText kParameterErrorTitle{"パラメータエラー", "Parameter error"};

void ReportLine(Notifier& notifier, LineProblem problem, std::string_view line);

// Duplicate warnings: a single-valued key, or entry `entry` of a trigger list
// (condition: the time-stamp start and end conditions).
void ReportDuplicate(Notifier& notifier, std::string_view key);
void ReportDuplicateEntry(Notifier& notifier, std::string_view key, int entry, bool condition);

// Every text of these messages, for the check that each has its English.
std::span<const LocalText> ReaderMessageTexts();

// Width of a text in the logger's code page, counted as described above. A
// text that is not valid UTF-8 is taken as in that code page already (one
// byte, one unit of width); a quoted line is only ever cut between whole
// characters.
std::size_t LegacyWidth(std::string_view text);

}  // namespace km62rx::settings
