#pragma once

#include <string>
#include <string_view>

#include "settings/logger_settings.h"
#include "sim/logger_clock.h"

namespace km62rx::sim {

// State of the logger's SD card as the DEC command reports it.
enum class SdCard { kUsable, kAbsent, kProtected };

// What kind of logger the model plays.
struct ModelConfig {
  std::string modelName = "KM-62RX";
  int firmware = 101;  // DEV answers "OK" and this number ("%d")
  SdCard sdCard = SdCard::kUsable;
  bool clockSet = true;     // false: TMG answers 01 until TMS sets the clock
  bool answerWake = false;  // a lone CR answers "OK" instead of nothing
};

// Firmware from which the logger knows the time-stamp (P...) commands.
inline constexpr int kTimestampFirmware = 101;

// The KM-62RX as seen from its serial line: takes one command line (the bytes
// before the CR) and gives the reply bytes, CR included, or an empty string
// when the logger does not answer. Keeps the seventeen settings and the clock
// across commands. Standard C++ only.
class LoggerModel {
 public:
  explicit LoggerModel(ModelConfig config = {},
                       LoggerClock::TimeSource clockSource = HostLocalSeconds);

  std::string Answer(std::string_view line);

  // The settings as the logger holds them (defaults of a new settings file).
  const settings::LoggerSettings& settings() const { return settings_; }
  const ModelConfig& config() const { return config_; }
  const LoggerClock& clock() const { return clock_; }

 private:
  std::string AnswerSettingsCommand(std::string_view line);

  ModelConfig config_;
  LoggerClock clock_;
  settings::LoggerSettings settings_;
};

}  // namespace km62rx::sim
