#include "device/settings_exchange.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "device/exchange.h"
#include "device/leading_decimal.h"
#include "device/link_errors.h"

namespace km62rx::device::detail {
namespace {

constexpr int kSdCardErrorCode = 51;

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

std::string ControlText(const PageControls& pages, int id) {
  std::string text = pages.Text(id);
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos)
    text.resize(nul);
  if (text.size() > kLineChars)
    text.resize(kLineChars);
  return text;
}

int AtoiValue(std::string_view text) {
  return LeadingInt(text);
}

std::optional<int> ReplyNumber(std::string_view text) {
  const long long value = LeadingDecimal(text);
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(value);
}

std::string_view ReplyText(const Reply& reply) {
  std::string_view text = reply.View();
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos)
    text = text.substr(0, nul);
  return text;
}

std::string_view ReplyTail(const Reply& reply) {
  const std::string_view text = ReplyText(reply);
  if (text.size() < 3)
    return {};
  return text.substr(2, text.size() - 3);
}

std::string Request(std::string_view mnemonic) {
  std::string request(mnemonic);
  request += '\r';
  return request;
}

std::string RequestNumber(std::string_view mnemonic, long long number) {
  std::string request(mnemonic);
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
  (void)ec;
  request.append(digits, end);
  request += '\r';
  return request;
}

std::string RequestDisabledEntry(std::string_view mnemonic, int index) {
  std::string request = RequestNumber(mnemonic, index);
  request.insert(request.size() - 1, 1, '-');
  return request;
}

std::string RequestDisabled(std::string_view mnemonic) {
  std::string request(mnemonic);
  request += "-\r";
  return request;
}

std::string RequestText(std::string_view mnemonic, std::string_view text) {
  // The request has to fit its 100-byte area with the CR: cut a text that is
  // longer than the pages ever allow rather than overrun the line.
  const std::size_t room = kLineChars - mnemonic.size() - 1;
  if (text.size() > room)
    text = text.substr(0, room);
  std::string request(mnemonic);
  request += text;
  request += '\r';
  return request;
}

int AppendDataPairs(const PageControls& pages, std::span<const int> fieldIds,
                    std::string& request) {
  // The request ends in CR; the pairs go before it.
  if (!request.empty() && request.back() == '\r')
    request.pop_back();
  int pairs = 0;
  for (const int id : fieldIds) {
    const std::string text = ControlText(pages, id);
    if (text.size() != 2)
      break;
    for (const char c : text) {
      request += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    ++pairs;
  }
  request += '\r';
  return pairs;
}

bool HasCharacters(const Reply& reply, std::size_t first, std::size_t last) {
  for (std::size_t i = first; i <= last; ++i) {
    const char c = reply.At(i);
    if (c == '\r' || c == '\0')
      return false;
  }
  return true;
}

std::optional<std::vector<std::string>> ReplyDataPairs(const Reply& reply, std::size_t start,
                                                       int maxPairs) {
  std::vector<std::string> pairs;
  for (std::size_t pos = start; reply.At(pos) != '\r'; pos += 2) {
    // More bytes than the fields hold, a pair cut short or a character the
    // hex fields would refuse: not a valid reply.
    if (static_cast<int>(pairs.size()) == maxPairs || !IsHexDigit(reply.At(pos)) ||
        !IsHexDigit(reply.At(pos + 1))) {
      return std::nullopt;
    }
    pairs.emplace_back(std::string{reply.At(pos), reply.At(pos + 1)});
  }
  return pairs;
}

StepResult ReportInvalidReply(CommandContext& ctx) {
  ReportLinkError(LinkNotice::kInvalidReply, ctx.mainWindow);
  return StepResult::kRefused;
}

StepResult ReportMismatch(CommandContext& ctx) {
  ReportLinkError(LinkNotice::kCommandMismatch, ctx.mainWindow);
  return StepResult::kRefused;
}

StepResult ExchangeSettingsCommand(CommandContext& ctx, std::string_view request, Reply& reply) {
  reply.Clear();
  if (ExchangeCommand(ctx.link, request, reply) != LinkResult::kOk)
    return StepResult::kLinkFailed;
  if (reply.BeginsWithOk())
    return StepResult::kDone;
  const std::optional<int> code = ReplyNumber(ReplyText(reply));
  if (code && *code == kSdCardErrorCode) {
    ReportLinkError(LinkNotice::kSdCardAccess, ctx.mainWindow);
    return StepResult::kLinkFailed;
  }
  if (code && *code >= 1 && *code <= 99) {
    ReportDeviceError(*code, ctx.mainWindow);
    return StepResult::kRefused;
  }
  return ReportInvalidReply(ctx);
}

StepResult RunSetCommand(CommandContext& ctx, std::string_view request) {
  Reply reply;
  const StepResult result = ExchangeSettingsCommand(ctx, request, reply);
  if (result != StepResult::kDone)
    return result;
  // The logger echoes "OK" and everything of the request after the mnemonic.
  std::string expected = "OK";
  expected += request.substr(request.size() < 3 ? request.size() : 3);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (reply.At(i) != expected[i])
      return ReportMismatch(ctx);
  }
  return StepResult::kDone;
}

StepResult RunGetEntryCommand(CommandContext& ctx, std::string_view request, int index,
                              Reply& reply) {
  const StepResult result = ExchangeSettingsCommand(ctx, request, reply);
  if (result != StepResult::kDone)
    return result;
  if (reply.At(2) - '0' != index)
    return ReportMismatch(ctx);
  return StepResult::kDone;
}

StepResult SendEntries(CommandContext& ctx, int rows,
                       const std::function<std::string(int index)>& entryRequest) {
  for (int i = 0; i < rows; ++i) {
    const StepResult result = RunSetCommand(ctx, entryRequest(i));
    if (result != StepResult::kDone)
      return result;
  }
  return StepResult::kDone;
}

StepResult ReceiveEntries(
    CommandContext& ctx, int rows, std::string_view getMnemonic,
    const std::function<StepResult(int index, const Reply& reply)>& showEntry) {
  for (int i = 0; i < rows; ++i) {
    Reply reply;
    StepResult result = RunGetEntryCommand(ctx, RequestNumber(getMnemonic, i), i, reply);
    if (result == StepResult::kDone)
      result = showEntry(i, reply);
    if (result != StepResult::kDone)
      return result;
  }
  return StepResult::kDone;
}

}  // namespace km62rx::device::detail
