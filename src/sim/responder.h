#pragma once

#include <string>
#include <string_view>

#include "sim/logger_model.h"
#include "sim/sim_options.h"

namespace km62rx::sim {

// Decides what the simulator writes for one received command line: nothing
// when silent, a fixed reply when a --reply prefix matches, otherwise the
// logger model's answer; every reply gets the --extra bytes after its CR.
class Responder {
 public:
  explicit Responder(const SimOptions& options,
                     LoggerClock::TimeSource clockSource = HostLocalSeconds);

  // The bytes to write for this line (empty: no answer).
  std::string Respond(std::string_view line);

  const LoggerModel& model() const { return model_; }

 private:
  bool silent_;
  std::vector<ReplyOverride> replies_;
  std::string extra_;
  LoggerModel model_;
};

}  // namespace km62rx::sim
