// The single settings without an enable flag: log file extension (LE), the
// three code-valued time-stamp settings (PM, PT, PN), the separator (PP) and
// the excluded data bytes (PD).

#include "device/text_commands.h"

#include <array>
#include <cctype>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/settings_exchange.h"
#include "settings/control_ids.h"
#include "settings/setting_table.h"

namespace km62rx::device {
namespace {

using settings::CodeSetting;
using settings::ExcludedSetting;
using settings::TextSetting;

constexpr int kExtensionChars = 3;

std::vector<int> ExcludedFields(const ExcludedSetting& setting) {
  std::vector<int> fields;
  for (int k = 0; k < setting.bytes; ++k)
    fields.push_back(setting.byteField(k));
  return fields;
}

StepResult SendText(CommandContext& ctx, const TextSetting& setting) {
  return detail::RunSetCommand(
      ctx, detail::RequestText(setting.name.set, detail::ControlText(ctx.pages, setting.field)));
}

// Runs a get command and hands a successful reply to showValue, which
// returns the step's result.
template <typename ShowValue>
StepResult ReceiveReply(CommandContext& ctx, std::string_view get, ShowValue showValue) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request(get), reply);
  return result != StepResult::kDone ? result : showValue(reply);
}

StepResult SendCode(CommandContext& ctx, const CodeSetting& setting) {
  const int index = ctx.pages.ComboIndex(setting.combo);
  // A combo always has one of its rows selected; anything else sends no code.
  std::string_view code;
  if (index >= 0 && static_cast<std::size_t>(index) < setting.choices.size()) {
    code = setting.choices[index].code;
  }
  return detail::RunSetCommand(ctx, detail::RequestText(setting.name.set, code));
}

StepResult ReceiveCode(CommandContext& ctx, const CodeSetting& setting) {
  return ReceiveReply(ctx, setting.name.get, [&](const Reply& reply) {
    // Every row whose code begins with the payload selects its index, so
    // the last such row wins; no match leaves the selection as it was.
    const std::string_view payload = detail::ReplyTail(reply);
    for (std::size_t row = 0; row < setting.choices.size(); ++row) {
      if (setting.choices[row].code.starts_with(payload)) {
        ctx.pages.SetComboIndex(setting.combo, static_cast<int>(row));
      }
    }
    return StepResult::kDone;
  });
}

}  // namespace

StepResult SendLogFileExtension(CommandContext& ctx) {
  return SendText(ctx, settings::kExtension);
}

StepResult ReceiveLogFileExtension(CommandContext& ctx) {
  return ReceiveReply(ctx, settings::kExtension.name.get, [&](const Reply& reply) {
    // The extension is the three characters after "OK"; fewer is not valid.
    if (!detail::HasCharacters(reply, 2, 1 + kExtensionChars)) {
      return detail::ReportInvalidReply(ctx);
    }
    // Of ASCII, the field takes letters and digits only; anything else (an
    // "=" among them) would make a line the file reader refuses. Bytes
    // above ASCII stay, so an extension written in the PC's code page comes
    // back.
    for (std::size_t i = 2; i < 2 + kExtensionChars; ++i) {
      const auto c = static_cast<unsigned char>(reply.At(i));
      if (c < 0x80 && !std::isalnum(c))
        return detail::ReportInvalidReply(ctx);
    }
    ctx.pages.SetText(settings::kExtension.field,
                      detail::ReplyText(reply).substr(2, kExtensionChars));
    return StepResult::kDone;
  });
}

StepResult SendTimestampMode(CommandContext& ctx) {
  return SendCode(ctx, settings::kTimestampMode);
}
StepResult ReceiveTimestampMode(CommandContext& ctx) {
  return ReceiveCode(ctx, settings::kTimestampMode);
}
StepResult SendTimestampType(CommandContext& ctx) {
  return SendCode(ctx, settings::kTimestampType);
}
StepResult ReceiveTimestampType(CommandContext& ctx) {
  return ReceiveCode(ctx, settings::kTimestampType);
}
StepResult SendTimestampSerialNo(CommandContext& ctx) {
  return SendCode(ctx, settings::kTimestampSerial);
}
StepResult ReceiveTimestampSerialNo(CommandContext& ctx) {
  return ReceiveCode(ctx, settings::kTimestampSerial);
}

StepResult SendTimestampSeparator(CommandContext& ctx) {
  return SendText(ctx, settings::kSeparator);
}

StepResult ReceiveTimestampSeparator(CommandContext& ctx) {
  return ReceiveReply(ctx, settings::kSeparator.name.get, [&](const Reply& reply) {
    // Only a separator the field keeps as it stands is taken.
    const std::string_view separator = detail::ReplyTail(reply);
    std::string normalized(separator);
    if (settings::NormalizeDelimiter(normalized) != 1 || normalized != separator)
      return detail::ReportInvalidReply(ctx);
    ctx.pages.SetText(settings::kSeparator.field, separator);
    return StepResult::kDone;
  });
}

StepResult SendTimestampExcludedData(CommandContext& ctx) {
  const ExcludedSetting& setting = settings::kExcludedData;
  std::string request = detail::Request(setting.name.set);
  detail::AppendDataPairs(ctx.pages, ExcludedFields(setting), request);
  return detail::RunSetCommand(ctx, request);
}

StepResult ReceiveTimestampExcludedData(CommandContext& ctx) {
  const ExcludedSetting& setting = settings::kExcludedData;
  return ReceiveReply(ctx, setting.name.get, [&](const Reply& reply) {
    const auto pairs = detail::ReplyDataPairs(reply, 2, setting.bytes);
    if (!pairs)
      return detail::ReportInvalidReply(ctx);
    const std::vector<int> fields = ExcludedFields(setting);
    for (const int id : fields)
      ctx.pages.SetText(id, "");
    for (std::size_t j = 0; j < pairs->size(); ++j)
      ctx.pages.SetText(fields[j], (*pairs)[j]);
    return StepResult::kDone;
  });
}

}  // namespace km62rx::device
