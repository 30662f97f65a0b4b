#pragma once

// Shared pieces of the seventeen settings commands: the one exchange rule
// every command follows, request builders, and the small readers of control
// texts and reply fields. Used only by the settings command files.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/command_context.h"
#include "device/device_link.h"

namespace km62rx::device::detail {

// Command lines, replies and control texts live in 100-byte areas: at most
// 99 characters.
inline constexpr std::size_t kLineChars = 99;

// A control's text as read into a 100-byte area (at most 99 characters).
std::string ControlText(const PageControls& pages, int id);

// Decimal value by the atoi rule: optional blanks, optional sign, leading
// digits; 0 when there are none. Values beyond 32 bits saturate.
int AtoiValue(std::string_view text);

// A number in a reply by the same rule; nothing when it does not fit in
// 32 bits.
std::optional<int> ReplyNumber(std::string_view text);

// The received reply as the C string it would be: up to its first NUL.
std::string_view ReplyText(const Reply& reply);

// The reply from position 2 without its last character (the CR).
std::string_view ReplyTail(const Reply& reply);

// Request lines: "%s\r", "%s%d\r", "%s%d-\r", "%s-\r", "%s%s\r".
std::string Request(std::string_view mnemonic);
std::string RequestNumber(std::string_view mnemonic, long long number);
std::string RequestDisabledEntry(std::string_view mnemonic, int index);
std::string RequestDisabled(std::string_view mnemonic);
std::string RequestText(std::string_view mnemonic, std::string_view text);

// Writes the upper-cased texts of the hex fields into the request, in order,
// up to the first field whose text is not exactly two characters; the
// request keeps its final CR. Returns the number of pairs written.
int AppendDataPairs(const PageControls& pages, std::span<const int> fieldIds, std::string& request);

// Byte pairs of a get reply from position start up to its CR. Nothing when
// there are more than maxPairs, a pair is cut short (an odd last character),
// a character is not a hex digit, or the reply ends without its CR.
std::optional<std::vector<std::string>> ReplyDataPairs(const Reply& reply, std::size_t start,
                                                       int maxPairs);

// True when positions first..last of the reply hold characters (no CR, no
// end of the reply).
bool HasCharacters(const Reply& reply, std::size_t first, std::size_t last);

// Boxes of the settings commands (owner: the main window). Both return
// kRefused.
StepResult ReportInvalidReply(CommandContext& ctx);
StepResult ReportMismatch(CommandContext& ctx);

// Exchanges one request and classifies a reply that does not begin with
// "OK". kDone for an "OK" reply, kRefused for a refused or invalid reply (box
// shown), kLinkFailed when the link failed or the SD card could not be
// accessed.
StepResult ExchangeSettingsCommand(CommandContext& ctx, std::string_view request, Reply& reply);

// A set command: exchange, then the reply must echo "OK" and the request's
// parameters.
StepResult RunSetCommand(CommandContext& ctx, std::string_view request);

// A get command of one entry of a repeated setting: exchange, then the
// reply's third character must be the entry index.
StepResult RunGetEntryCommand(CommandContext& ctx, std::string_view request, int index,
                              Reply& reply);

// Sends every entry of a repeated setting with the request entryRequest
// builds for it, entry 0 first, for rows entries. Stops at the first entry
// that is not done and returns its result.
StepResult SendEntries(CommandContext& ctx, int rows,
                       const std::function<std::string(int index)>& entryRequest);

// Asks for every entry of a repeated setting with the get mnemonic and the
// entry index, and hands each checked reply to showEntry, which puts it on
// the pages and returns kDone (or kRefused after a box it showed). Stops at the
// first entry that is not done and returns its result.
StepResult ReceiveEntries(
    CommandContext& ctx, int rows, std::string_view getMnemonic,
    const std::function<StepResult(int index, const Reply& reply)>& showEntry);

}  // namespace km62rx::device::detail
