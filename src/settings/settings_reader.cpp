#include <array>
#include <charconv>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "settings/reader_messages.h"
#include "settings/setting_table.h"
#include "settings/settings_format.h"
#include "settings/settings_lines.h"
#include "settings/settings_reader.h"

namespace km62rx::settings {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c))
      return false;
  }
  return true;
}

// The hex pair rule: the text is a whole number of hex digit pairs, at most
// maxPairs of them. Returns the number of pairs, or -1 when the rule fails.
int CountHexPairs(std::string_view text, std::size_t maxPairs) {
  if (text.size() % 2 != 0 || text.size() / 2 > maxPairs)
    return -1;
  for (char c : text) {
    if (!IsHexDigit(c))
      return -1;
  }
  return static_cast<int>(text.size() / 2);
}

int KeyIndex(std::string_view key) {
  for (std::size_t i = 0; i < SettingKeys.size(); ++i) {
    if (SettingKeys[i] == key)
      return static_cast<int>(i);
  }
  return -1;
}

constexpr std::string_view kEqualsSeparatorLine = "TMSP_SPLIT==";

// The numeric lines: how each is checked and where it goes.
struct NumberLine {
  std::string_view key;
  const FileNumberRule* rule;
  NumberText LoggerSettings::*value;
};
template <typename Setting>
constexpr NumberLine LineOf(const Setting& setting) {
  return {setting.name.key, &setting.file, setting.value};
}
constexpr NumberLine kNumberLines[] = {LineOf(kStopIdle), LineOf(kStopSize), LineOf(kStopLogTime),
                                       LineOf(kTimestampIdle), LineOf(kTimestampSize)};
constexpr const CodeSetting* kCodeLines[] = {&kTimestampMode, &kTimestampSerial, &kTimestampType};

// One call of the reader: the record, the seen flags and the notifier.
class Reader {
 public:
  Reader(LoggerSettings& settings, Notifier& notifier) : s_(settings), notifier_(notifier) {}

  void Line(std::string_view line) {
    line_ = line;
    if (line.empty())
      return;
    if (line.size() > kMaxLineLength)
      return Report(LineProblem::kFormat);
    const std::size_t equals = line.find('=');
    // The writer writes the separator "=" as TMSP_SPLIT==, the one line
    // whose value may be an equals sign.
    if (line == kEqualsSeparatorLine) {
      const std::string_view key = line.substr(0, equals);
      return Dispatch(KeyIndex(key), key, line.substr(equals + 1));
    }
    if (equals == std::string_view::npos || line.find('=', equals + 1) != std::string_view::npos) {
      return Report(LineProblem::kFormat);
    }
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    const int index = KeyIndex(key);
    if (index < 0)
      return Report(LineProblem::kKey);
    Dispatch(index, key, value);
  }

 private:
  void Dispatch(int index, std::string_view key, std::string_view value) {
    for (const NumberLine& line : kNumberLines) {
      if (line.key == key)
        return Number(index, key, value, *line.rule, s_.*line.value);
    }
    for (const CodeSetting* setting : kCodeLines) {
      if (setting->name.key == key)
        return Code(index, key, value, setting->choices, s_.*setting->value);
    }
    switch (index) {
      case 0:  // INFO_NAME
      case 2:  // TIME_CALENDAR
      case 3:  // TIME_SET: only the writer's clock rule reads these
        return;
      case 1:
        return Extension(index, key, value);
      case 4:
        return DataEntry(s_.START_DATA, startData_, key, value, true, false);
      case 5:
        return TimeEntry(s_.START_TIME, startTime_, key, value);
      case 6:
        return DataEntry(s_.STOP_DATA, stopData_, key, value, false, false);
      case 7:
        return TimeEntry(s_.STOP_TIME, stopTime_, key, value);
      case 12:
        return DataEntry(s_.TMSP_START_DATA, stampStartData_, key, value, true, true);
      case 13:
        return DataEntry(s_.TMSP_STOP_DATA, stampStopData_, key, value, false, true);
      case 18:
        return Separator(index, key, value);
      case 19:
        return ExcludedData(index, key, value);
      default:
        return;
    }
  }

  void Report(LineProblem problem) { ReportLine(notifier_, problem, line_); }

  // Warns when the key was seen before, and marks it seen.
  void SeenOnce(int index, std::string_view key) {
    if (seen_[index])
      ReportDuplicate(notifier_, key);
    seen_[index] = true;
  }

  // Reads the entry digit of a trigger line; -1 (reported) when it is bad.
  int EntryNumber(std::string_view value, int count) {
    if (value.empty() || !IsDigit(value[0]) || value[0] - '0' >= count) {
      Report(LineProblem::kTriggerId);
      return -1;
    }
    return value[0] - '0';
  }

  template <std::size_t Width, std::size_t N>
  bool EntryOff(std::array<FixedText<Width>, N>& list, std::array<bool, N>& seen,
                std::string_view key, std::string_view value, bool condition, int& entry) {
    entry = EntryNumber(value, static_cast<int>(N));
    if (entry < 0)
      return true;
    if (seen[entry])
      ReportDuplicateEntry(notifier_, key, entry, condition);
    seen[entry] = true;
    if (value.size() > 1 && value[1] == '-') {
      // Off: whatever follows the hyphen is dropped.
      list[entry] = value.substr(0, 2);
      return true;
    }
    return false;
  }

  template <std::size_t N>
  void DataEntry(std::array<settings::DataEntry, N>& list, std::array<bool, N>& seen,
                 std::string_view key, std::string_view value, bool mayBeEmpty, bool condition) {
    int entry = -1;
    if (EntryOff(list, seen, key, value, condition, entry))
      return;
    const int pairs = CountHexPairs(value.substr(1), 4);
    // A start entry may be on with no data; a stop entry needs at least one byte.
    if (pairs < 0 || (pairs == 0 && !mayBeEmpty))
      return Report(LineProblem::kParameter);
    list[entry] = value;
  }

  template <std::size_t N>
  void TimeEntry(std::array<settings::TimeEntry, N>& list, std::array<bool, N>& seen,
                 std::string_view key, std::string_view value) {
    int entry = -1;
    if (EntryOff(list, seen, key, value, false, entry))
      return;
    if (!AllDigits(value))
      return Report(LineProblem::kParameter);
    if (value.size() != 6)
      return Report(LineProblem::kFormat);
    if (value[1] > '7')
      return Report(LineProblem::kParameter);
    // The minute is checked first: a line with both out of range (012460)
    // is reported for its minute.
    if ((value[4] - '0') * 10 + (value[5] - '0') > 59)
      return Report(LineProblem::kMinute);
    if ((value[2] - '0') * 10 + (value[3] - '0') > 23)
      return Report(LineProblem::kHour);
    list[entry] = value;
  }

  void Number(int index, std::string_view key, std::string_view value, const FileNumberRule& rule,
              NumberText& field) {
    if (value.empty() || value.size() > rule.maxChars)
      return Report(LineProblem::kParameter);
    SeenOnce(index, key);
    if (value[0] == '-') {
      field = "-";
      return;
    }
    if (!AllDigits(value))
      return Report(LineProblem::kParameter);
    // At most 10 digits: fits in 64 bits. The unsigned sizes saturate at the
    // 32-bit maximum before they are clamped.
    std::uint64_t number = 0;
    std::from_chars(value.data(), value.data() + value.size(), number);
    if (rule.isUnsigned && number > 0xFFFFFFFFULL)
      number = 0xFFFFFFFFULL;
    if (number < 1) {
      number = 1;
      notifier_.Show(kParameterErrorTitle.Get(), rule.belowMinimum.Get());
    } else if (rule.maximum != 0 && number > rule.maximum) {
      number = rule.maximum;
      notifier_.Show(kParameterErrorTitle.Get(), rule.aboveMaximum.Get());
    }
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    field = std::string_view(digits, static_cast<std::size_t>(result.ptr - digits));
  }

  void Code(int index, std::string_view key, std::string_view value,
            std::span<const Choice> choices, CodeText& field) {
    SeenOnce(index, key);
    for (const Choice& choice : choices) {
      if (choice.code == value) {
        field = value;
        return;
      }
    }
    Report(LineProblem::kParameter);
  }

  void Extension(int index, std::string_view key, std::string_view value) {
    SeenOnce(index, key);
    // Any three bytes but NUL, which the field could not hold.
    if (value.size() != 3 || value.find('\0') != std::string_view::npos) {
      return Report(LineProblem::kExtension);
    }
    s_.FILE_EXTENSION = value;
  }

  void Separator(int index, std::string_view key, std::string_view value) {
    SeenOnce(index, key);
    std::string text(value);
    if (value.find('\0') != std::string_view::npos || NormalizeDelimiter(text) == 0) {
      return Report(LineProblem::kParameter);
    }
    s_.TMSP_SPLIT = text;
  }

  void ExcludedData(int index, std::string_view key, std::string_view value) {
    SeenOnce(index, key);
    if (CountHexPairs(value, kExcludedDataBytes) < 0)
      return Report(LineProblem::kParameter);
    s_.TMSP_DEL_DATA = value;
  }

  LoggerSettings& s_;
  Notifier& notifier_;
  std::string_view line_;
  std::array<bool, SettingKeys.size()> seen_{};
  std::array<bool, kDataEntryCount> startData_{};
  std::array<bool, kTimeEntryCount> startTime_{};
  std::array<bool, kDataEntryCount> stopData_{};
  std::array<bool, kTimeEntryCount> stopTime_{};
  std::array<bool, kDataEntryCount> stampStartData_{};
  std::array<bool, kDataEntryCount> stampStopData_{};
};

}  // namespace

int ParseSettings(std::istream& in, LoggerSettings& settings, Notifier& notifier) {
  MakeDefaultSettings(settings);
  // The reader shows one message per line it reports.
  ReportTally reported(notifier);
  Reader reader(settings, reported);
  std::string line;
  while (ReadSettingsLine(in, line))
    reader.Line(line);
  return reported.count();
}

}  // namespace km62rx::settings
