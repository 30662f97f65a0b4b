#include "sim/logger_model.h"

#include <utility>

#include "sim/setting_table.h"

namespace km62rx::sim {

namespace {

constexpr char kCr = '\r';

std::string Ok(std::string_view payload) {
  std::string reply = "OK";
  reply += payload;
  reply += kCr;
  return reply;
}

std::string Error(std::string_view code) {
  std::string reply(code);
  reply += kCr;
  return reply;
}

const std::string_view kUnknown = "99";      // unknown command or bad parameters
const std::string_view kOldFirmware = "01";  // time-stamp command on old firmware
const std::string_view kNoClock = "01";      // TMG before the clock was ever set
const std::string_view kSdFailure = "51";    // no usable SD card

}  // namespace

LoggerModel::LoggerModel(ModelConfig config, LoggerClock::TimeSource clockSource)
    : config_(std::move(config)), clock_(config_.clockSet, std::move(clockSource)) {
  settings::MakeDefaultSettings(settings_);
}

std::string LoggerModel::Answer(std::string_view line) {
  if (line.empty())
    return config_.answerWake ? Ok("") : std::string();
  if (line == "DEA")
    return Ok(config_.modelName);
  if (line == "DEV")
    return Ok(std::to_string(config_.firmware));
  if (line == "DEC") {
    switch (config_.sdCard) {
      case SdCard::kUsable:
        return Ok("10");
      case SdCard::kAbsent:
        return Ok("00");
      case SdCard::kProtected:
        return Ok("11");
    }
  }
  if (line == "TMG")
    return clock_.IsSet() ? Ok(clock_.Read()) : Error(kNoClock);
  if (line.substr(0, 3) == "TMS") {
    if (!clock_.Set(line.substr(3)))
      return Error(kUnknown);
    return Ok(clock_.Read());
  }
  return AnswerSettingsCommand(line);
}

std::string LoggerModel::AnswerSettingsCommand(std::string_view line) {
  if (line.size() < 3)
    return Error(kUnknown);
  const SettingSpec* def = FindSetting(line.substr(0, 2));
  const char action = line[2];
  if (def == nullptr || (action != 'S' && action != 'G'))
    return Error(kUnknown);

  // An old firmware does not know the time-stamp commands at all; without a
  // usable card the logger cannot keep any setting.
  if (def->name[0] == 'P' && config_.firmware < kTimestampFirmware)
    return Error(kOldFirmware);
  if (config_.sdCard != SdCard::kUsable)
    return Error(kSdFailure);

  std::string_view params = line.substr(3);
  int entry = 0;
  if (def->entries > 0) {
    if (params.empty() || params[0] < '0' || params[0] >= '0' + def->entries) {
      return Error(kUnknown);
    }
    entry = params[0] - '0';
    params.remove_prefix(1);
  }

  if (action == 'G') {
    if (!params.empty())
      return Error(kUnknown);
    return Ok(def->get(settings_, entry));
  }
  if (!IsValidValue(*def, params))
    return Error(kUnknown);
  const std::string_view request = line.substr(3);
  // The logger keeps a number, not the text it came in: leading zeros are
  // not read back.
  if (def->kind == ValueKind::kNumber && params != "-")
    params.remove_prefix(params.find_first_not_of('0'));
  // Repeated settings keep the whole entry, index digit first, as the file does.
  def->set(settings_, entry, def->entries > 0 ? request : params);
  return Ok(request);
}

}  // namespace km62rx::sim
