#include "sim/responder.h"

namespace km62rx::sim {

Responder::Responder(const SimOptions& options, LoggerClock::TimeSource clockSource)
    : silent_(options.silent),
      replies_(options.replies),
      extra_(options.extra),
      model_(options.model, std::move(clockSource)) {}

std::string Responder::Respond(std::string_view line) {
  if (silent_)
    return {};
  std::string reply;
  bool overridden = false;
  for (const ReplyOverride& fixed : replies_) {
    if (line.substr(0, fixed.prefix.size()) == fixed.prefix) {
      reply = fixed.reply + '\r';
      overridden = true;
      break;
    }
  }
  if (!overridden)
    reply = model_.Answer(line);
  if (!reply.empty())
    reply += extra_;
  return reply;
}

}  // namespace km62rx::sim
