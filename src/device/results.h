#pragma once

namespace km62rx::device {

// Opening and identifying a logger, and one command exchange.
enum class LinkResult {
  kOk,              // identified; or a complete reply came back
  kPortNotOpened,   // the port could not be opened with the line settings
  kExchangeFailed,  // the write failed, no complete reply came, or the port failed
  kNotKm62rx,       // something answered, but not a KM-62RX
};

// The handshake after identifying: whether the link was left connected.
enum class HandshakeResult { kConnected, kClosed };

// One settings command, and one clock command.
enum class StepResult {
  kDone,        // the logger took or gave the setting (or the clock)
  kRefused,     // refused, or a wrong reply; the user was told
  kLinkFailed,  // the link failed, or the SD card could not be accessed
};

// A whole send or receive run.
enum class RunResult {
  kFinished,    // every step ran (completion box shown)
  kLinkFailed,  // stopped at a step whose link failed
};

// A run and the steps along it that did not simply go through.
struct RunOutcome {
  RunResult result = RunResult::kFinished;
  int refusedSteps = 0;  // steps that ended kRefused
  // Steps that were done after the user was told something on the way: a
  // value brought within its limit before it was sent, an empty entry sent
  // as off.
  int noticedSteps = 0;
  // Whether every step of a finished run went through as the pages said.
  bool Clean() const {
    return result == RunResult::kFinished && refusedSteps == 0 && noticedSteps == 0;
  }
};

// The boxes of the link, the handshake and the commands' replies.
enum class LinkNotice {
  kUnknownError,
  kPortNotOpened,
  kExchangeFailed,
  kNotKm62rx,
  kNoCard,
  kCardProtected,
  kInvalidReply,
  kHardwareSettingsInvalid,
  kParameterMismatch,
  kCommandMismatch,
  kOldFirmware,
  kSdCardAccess,
};

}  // namespace km62rx::device
