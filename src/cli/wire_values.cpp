#include "cli/wire_values.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "settings/setting_table.h"
#include "settings/settings_format.h"

namespace km62rx::cli {
namespace {

// The settings made of numbered entries: their requests carry the entry
// index right after the mnemonic.
constexpr std::array<settings::SettingName, 6> kRepeated{
    settings::kStartData.name, settings::kStartTime.name,      settings::kStopData.name,
    settings::kStopTime.name,  settings::kTimestampStart.name, settings::kTimestampStop.name};

// The settings that carry one decimal number (milliseconds, bytes, seconds).
constexpr std::array<std::string_view, 5> kNumbers{
    settings::kStopIdle.name.key, settings::kStopSize.name.key, settings::kStopLogTime.name.key,
    settings::kTimestampIdle.name.key, settings::kTimestampSize.name.key};

bool IsRepeated(std::string_view key) {
  return std::any_of(kRepeated.begin(), kRepeated.end(),
                     [&](const settings::SettingName& name) { return name.key == key; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The text before the first CR.
std::string_view BeforeCr(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\r'));
}

// The value of a request or reply: its parameters after the mnemonic (or
// "OK"), with the entry index of a repeated setting read from the first.
std::optional<WireValue> ReadValue(std::string_view key, std::string_view parameters) {
  WireValue value{std::string(key), -1, std::string(parameters)};
  if (IsRepeated(key)) {
    if (parameters.empty() || !IsDigit(parameters[0]))
      return std::nullopt;
    value.entry = parameters[0] - '0';
  }
  return value;
}

std::string_view WithoutLeadingZeros(std::string_view number) {
  if (number.empty() || !std::all_of(number.begin(), number.end(), IsDigit))
    return number;
  const std::size_t first = number.find_first_not_of('0');
  return first == std::string_view::npos ? number.substr(number.size() - 1) : number.substr(first);
}

}  // namespace

std::string SettingLabel(std::string_view key, int entry) {
  std::string label(key);
  if (entry >= 0)
    label += "[" + std::to_string(entry) + "]";
  return label;
}

bool SameWireValue(std::string_view key, std::string_view a, std::string_view b) {
  if (std::find(kNumbers.begin(), kNumbers.end(), key) != kNumbers.end())
    return WithoutLeadingZeros(a) == WithoutLeadingZeros(b);
  if (!key.ends_with("_DATA"))
    return a == b;
  // Hex bytes: "0d" and "0D" are the same byte (the send writes upper case).
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

std::vector<WireValue> FileValues(const settings::LoggerSettings& record) {
  std::vector<WireValue> values;
  const std::string text = settings::FormatSettingsFile(record);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string_view line = std::string_view(text).substr(start, end - start);
    const std::size_t equals = line.find('=');
    const std::string_view key = line.substr(0, equals);
    if (equals == std::string_view::npos || key == "INFO_NAME" || key.starts_with("TIME_"))
      continue;
    WireValue value{std::string(key), -1, std::string(line.substr(equals + 1))};
    if (IsRepeated(key) && !value.value.empty() && IsDigit(value.value[0]))
      value.entry = value.value[0] - '0';
    values.push_back(std::move(value));
  }
  return values;
}

SettingsRun WireValues::Recording(SettingsRun run) {
  return [this, run](device::CommandContext& ctx, const device::RunProgress& progress) {
    const auto outer = ctx.link.trace;
    ctx.link.trace = [this, outer](std::string_view direction, std::string_view bytes) {
      if (outer)
        outer(direction, bytes);
      Remember(direction, bytes);
    };
    // A step stops at its first failing exchange, so a refused step's last
    // get is the one refused.
    const auto stepEnded = [this, progress](int step, std::string_view item,
                                            device::StepResult result) {
      if (result != device::StepResult::kDone && lastGetAnswered_)
        received_.pop_back();
      lastGetAnswered_ = false;
      if (progress)
        progress(step, item, result);
    };
    const device::RunOutcome result = run(ctx, stepEnded);
    ctx.link.trace = outer;
    return result;
  };
}

void WireValues::Remember(std::string_view direction, std::string_view bytes) {
  if (direction != ">") {
    // Only an "OK" reply carries the value asked for; an entry index other
    // than the one asked for is the logger's mistake, not a value.
    if (pendingGet_ && bytes.starts_with("OK")) {
      const std::optional<WireValue> value = ReadValue(pendingGet_->key, BeforeCr(bytes.substr(2)));
      if (value && value->entry == pendingGet_->entry) {
        received_.push_back(*value);
        lastGetAnswered_ = true;
      }
    }
    pendingGet_.reset();
    return;
  }
  pendingGet_.reset();
  lastGetAnswered_ = false;
  const std::string_view mnemonic = bytes.substr(0, 3);
  const std::string_view parameters = BeforeCr(bytes.substr(mnemonic.size()));
  for (const settings::SettingName& name : settings::SettingNames) {
    if (mnemonic == name.set) {
      if (std::optional<WireValue> value = ReadValue(name.key, parameters))
        sent_.push_back(std::move(*value));
    } else if (mnemonic == name.get) {
      pendingGet_ = ReadValue(name.key, parameters);
    }
  }
}

std::vector<WireDifference> CompareWireValues(const std::vector<WireValue>& expected,
                                              const std::vector<WireValue>& held) {
  std::vector<WireDifference> differences;
  for (const WireValue& want : expected) {
    // The latest value of the setting counts.
    const auto found = std::find_if(held.rbegin(), held.rend(), [&](const WireValue& have) {
      return have.key == want.key && have.entry == want.entry;
    });
    if (found == held.rend())
      differences.push_back({want.key, want.entry, want.value, std::nullopt});
    else if (!SameWireValue(want.key, want.value, found->value))
      differences.push_back({want.key, want.entry, want.value, found->value});
  }
  return differences;
}

bool IsTimestampSetting(std::string_view key) {
  return key.starts_with("TMSP_");
}

std::vector<WireValue> TimestampValuesOffDefault(const settings::LoggerSettings& record) {
  const std::vector<WireValue> defaults = FileValues(settings::DefaultSettings());
  std::vector<WireValue> offDefault;
  for (const WireValue& value : FileValues(record)) {
    if (!IsTimestampSetting(value.key))
      continue;
    const auto standard = std::find_if(defaults.begin(), defaults.end(), [&](const WireValue& d) {
      return d.key == value.key && d.entry == value.entry;
    });
    if (standard == defaults.end() || !SameWireValue(value.key, value.value, standard->value))
      offDefault.push_back(value);
  }
  return offDefault;
}

std::string UnreadSettings(const std::vector<WireValue>& received, bool timestampSupported) {
  std::string labels;
  for (const WireDifference& unread :
       CompareWireValues(FileValues(settings::DefaultSettings()), received)) {
    if (unread.held || (!timestampSupported && IsTimestampSetting(unread.key)))
      continue;
    labels += (labels.empty() ? "" : ", ") + SettingLabel(unread.key, unread.entry);
  }
  return labels;
}

}  // namespace km62rx::cli
