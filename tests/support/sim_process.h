#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace km62rx::testing {

// Runs km62rx-sim with options plus "--trace FILE" (a private temporary file) for the length of a
// test; the constructor waits until it has printed its terminal path. Under Wine its port is the
// COM slot it takes, whose path it links to its terminal.
class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> options = {"--answer-wake"});
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Device path of the simulator's terminal side (e.g. /dev/pts/7), or its COM name under Wine.
  const std::string& path() const { return path_; }
  // Device path of its terminal side, under Wine too (for ser2net, which runs on Linux).
  const std::string& terminal() const { return terminal_; }
  // Every command line received so far from the first-th on, in order, without its CR (a lone CR
  // is "").
  std::vector<std::string> ReceivedLines(std::size_t first = 0) const;
  // True while the simulator process is alive.
  bool Running();
  // Stops the simulator now (SIGTERM, then waits).
  void Stop();

 private:
  pid_t pid_ = -1;
  std::string path_;
  std::string terminal_;
  std::string traceFile_;
  std::string slotLock_;  // the lock file of the COM slot taken under Wine
};

// True in the ".wine" rows where scripts/windows-test.sh names km62rx.exe (KM62RX_WINE_CLI), Wine,
// and the COM slots' folder and range (KM62RX_COM_SLOTS, KM62RX_COM_SLOT_RANGE "11,16").
bool UnderWine();

// Path of the km62rx-sim binary of this build.
std::string SimulatorPath();

// What one run of the km62rx binary left behind.
struct CliRun {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs program with args. Its stdin is a pipe that carries stdinData, or /dev/null without it.
// stdoutTo, when given, is a shell redirection of its stdout (">> FILE"), which then does not
// reach out.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::optional<std::string>& stdinData = std::nullopt,
                  const std::string& stdoutTo = {});

// Runs the km62rx binary of this build (km62rx.exe under Wine), as RunProgram does.
CliRun RunKm62rx(const std::vector<std::string>& args,
                 const std::optional<std::string>& stdinData = std::nullopt,
                 const std::string& stdoutTo = {});

}  // namespace km62rx::testing
