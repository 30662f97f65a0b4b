// The single settings without an enable flag: log file extension (LE), the
// three code-valued time-stamp settings (PM, PT, PN), the separator (PP) and
// the excluded data bytes (PD).

#include "device/text_commands.h"

#include <array>
#include <cctype>
#include <span>
#include <string>
#include <string_view>

#include "device/control_ids.h"
#include "device/settings_exchange.h"
#include "settings/logger_settings.h"

namespace km62rx::device {
namespace {

constexpr int kExtensionChars = 3;

struct CodeSetting {
  std::string_view setMnemonic;
  std::string_view getMnemonic;
  int combo;
  std::span<const settings::Choice> choices;
};

constexpr CodeSetting kMode{"PMS", "PMG", ids::kTimestampModeCombo, settings::OnOffChoices};
constexpr CodeSetting kType{"PTS", "PTG", ids::kTimestampTypeCombo, settings::TimestampTypeChoices};
constexpr CodeSetting kSerial{"PNS", "PNG", ids::kTimestampSerialCombo, settings::OnOffChoices};

std::array<int, settings::kExcludedDataBytes> ExcludedFields() {
  std::array<int, settings::kExcludedDataBytes> fields{};
  for (int k = 0; k < settings::kExcludedDataBytes; ++k)
    fields[k] = ids::ExcludedByte(k);
  return fields;
}

StepResult SendCode(CommandContext& ctx, const CodeSetting& setting) {
  const int index = ctx.pages.ComboIndex(setting.combo);
  // A combo always has one of its rows selected; anything else sends no code.
  std::string_view code;
  if (index >= 0 && static_cast<std::size_t>(index) < setting.choices.size()) {
    code = setting.choices[index].code;
  }
  return detail::RunSetCommand(ctx, detail::RequestText(setting.setMnemonic, code));
}

StepResult ReceiveCode(CommandContext& ctx, const CodeSetting& setting) {
  Reply reply;
  const StepResult result =
      detail::ExchangeSettingsCommand(ctx, detail::Request(setting.getMnemonic), reply);
  if (result != StepResult::kDone)
    return result;
  // Every row whose code begins with the payload selects its index, so the
  // last such row wins; no match leaves the selection as it was.
  const std::string_view payload = detail::ReplyTail(reply);
  for (std::size_t row = 0; row < setting.choices.size(); ++row) {
    if (setting.choices[row].code.starts_with(payload)) {
      ctx.pages.SetComboIndex(setting.combo, static_cast<int>(row));
    }
  }
  return StepResult::kDone;
}

}  // namespace

StepResult SendLogFileExtension(CommandContext& ctx) {
  return detail::RunSetCommand(
      ctx, detail::RequestText("LES", detail::ControlText(ctx.pages, ids::kExtensionField)));
}

StepResult ReceiveLogFileExtension(CommandContext& ctx) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request("LEG"), reply);
  if (result != StepResult::kDone)
    return result;
  // The extension is the three characters after "OK"; fewer is not valid.
  if (!detail::HasCharacters(reply, 2, 1 + kExtensionChars)) {
    return detail::ReportInvalidReply(ctx);
  }
  // Of ASCII, the field takes letters and digits only; anything else (an
  // "=" among them) would make a line the file reader refuses. Bytes above
  // ASCII stay, so an extension written in the PC's code page comes back.
  for (std::size_t i = 2; i < 2 + kExtensionChars; ++i) {
    const auto c = static_cast<unsigned char>(reply.At(i));
    if (c < 0x80 && !std::isalnum(c))
      return detail::ReportInvalidReply(ctx);
  }
  ctx.pages.SetText(ids::kExtensionField, detail::ReplyText(reply).substr(2, kExtensionChars));
  return StepResult::kDone;
}

StepResult SendTimestampMode(CommandContext& ctx) {
  return SendCode(ctx, kMode);
}
StepResult ReceiveTimestampMode(CommandContext& ctx) {
  return ReceiveCode(ctx, kMode);
}
StepResult SendTimestampType(CommandContext& ctx) {
  return SendCode(ctx, kType);
}
StepResult ReceiveTimestampType(CommandContext& ctx) {
  return ReceiveCode(ctx, kType);
}
StepResult SendTimestampSerialNo(CommandContext& ctx) {
  return SendCode(ctx, kSerial);
}
StepResult ReceiveTimestampSerialNo(CommandContext& ctx) {
  return ReceiveCode(ctx, kSerial);
}

StepResult SendTimestampSeparator(CommandContext& ctx) {
  return detail::RunSetCommand(
      ctx, detail::RequestText("PPS", detail::ControlText(ctx.pages, ids::kSeparatorField)));
}

StepResult ReceiveTimestampSeparator(CommandContext& ctx) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request("PPG"), reply);
  if (result != StepResult::kDone)
    return result;
  // Only a separator the field keeps as it stands is taken.
  const std::string_view separator = detail::ReplyTail(reply);
  std::string normalized(separator);
  if (settings::NormalizeDelimiter(normalized) != 1 || normalized != separator)
    return detail::ReportInvalidReply(ctx);
  ctx.pages.SetText(ids::kSeparatorField, separator);
  return StepResult::kDone;
}

StepResult SendTimestampExcludedData(CommandContext& ctx) {
  std::string request = detail::Request("PDS");
  detail::AppendDataPairs(ctx.pages, ExcludedFields(), request);
  return detail::RunSetCommand(ctx, request);
}

StepResult ReceiveTimestampExcludedData(CommandContext& ctx) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request("PDG"), reply);
  if (result != StepResult::kDone)
    return result;
  const auto pairs = detail::ReplyDataPairs(reply, 2, settings::kExcludedDataBytes);
  if (!pairs)
    return detail::ReportInvalidReply(ctx);
  const auto fields = ExcludedFields();
  for (const int id : fields)
    ctx.pages.SetText(id, "");
  for (std::size_t j = 0; j < pairs->size(); ++j)
    ctx.pages.SetText(fields[j], (*pairs)[j]);
  return StepResult::kDone;
}

}  // namespace km62rx::device
