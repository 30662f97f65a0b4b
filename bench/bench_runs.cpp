// Timing of the send-all and receive-all runs against the simulator on a
// pseudo-terminal, with no reply delay and a logger that has the time-stamp
// function (37 exchanges per run). Each benchmark reports the median of
// single runs as "median_ms"; the target is below 60 ms for each. The send
// run through ser2net is timed against the same run on the terminal and
// reported as their ratio, "ratio"; the target is below 3.

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "device/connection.h"
#include "device/exchange.h"
#include "device/line_for_port.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace {

using namespace km62rx;
using SteadyClock = std::chrono::steady_clock;
using Run = device::RunOutcome (*)(device::CommandContext&, const device::RunProgress&);

// A logger connected as the window connects it, on the line its port name
// calls for.
class BenchLogger {
 public:
  explicit BenchLogger(const std::string& port)
      : line_(device::MakeLineForPort(port)), link_(*line_) {
    RecordingNotifier connectBoxes;
    connected_ =
        device::OpenDevicePort(link_, port, device::LineSettings{}) == device::LinkResult::kOk &&
        device::QueryDeviceStatus(link_, connectBoxes) == device::HandshakeResult::kConnected;
  }
  ~BenchLogger() { device::DestroyDeviceLink(link_); }

  bool connected() const { return connected_; }

  // The milliseconds of one run; nothing unless it went through cleanly:
  // all 17 steps, then its completion box alone.
  std::optional<double> TimeRun(Run run) {
    boxes_.boxes.clear();
    int steps = 0;
    const device::RunProgress countSteps = [&steps](int, std::string_view, device::StepResult) {
      ++steps;
    };
    const auto start = SteadyClock::now();
    const device::RunOutcome outcome = run(ctx_, countSteps);
    const double ms = std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
    if (!outcome.Clean() || steps != 17 || boxes_.boxes.size() != 1)
      return std::nullopt;
    return ms;
  }

 private:
  std::unique_ptr<device::SerialLine> line_;
  device::DeviceLink link_;
  ui::MemoryPageControls pages_;
  RecordingNotifier boxes_;
  device::CommandContext ctx_{link_, pages_, boxes_};
  bool connected_ = false;
};

void BenchmarkRun(benchmark::State& state, Run run) {
  testing::SimProcess sim({"--answer-wake"});
  BenchLogger logger(sim.path());
  if (!logger.connected()) {
    state.SkipWithError("logger not connected");
    return;
  }
  std::vector<double> samples;
  for (auto _ : state) {
    const std::optional<double> ms = logger.TimeRun(run);
    if (!ms) {
      state.SkipWithError("run did not complete cleanly");
      break;
    }
    samples.push_back(*ms);
  }
  state.counters["median_ms"] = bench::Median(samples);
}

void BM_SendAllSettings(benchmark::State& state) {
  BenchmarkRun(state, device::SendAllSettings);
}
BENCHMARK(BM_SendAllSettings)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReceiveAllSettings(benchmark::State& state) {
  BenchmarkRun(state, device::ReceiveAllSettings);
}
BENCHMARK(BM_ReceiveAllSettings)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The send run through ser2net and on a terminal, one after the other in
// each iteration so that both see the same load on the machine. Reports the
// median of each and the ratio of the medians.
void BM_SendThroughSer2net(benchmark::State& state) {
  if (!testing::Ser2netProcess::Installed()) {
    state.SkipWithError("ser2net is not installed");
    return;
  }
  testing::SimProcess localSim({"--answer-wake"});
  testing::SimProcess sharedSim({"--answer-wake"});
  testing::Ser2netProcess ser2net(sharedSim.path());
  BenchLogger local(localSim.path());
  BenchLogger shared(ser2net.portName());
  if (!local.connected() || !shared.connected()) {
    state.SkipWithError("logger not connected");
    return;
  }
  std::vector<double> localSamples;
  std::vector<double> sharedSamples;
  for (auto _ : state) {
    const std::optional<double> viaNetwork = shared.TimeRun(device::SendAllSettings);
    const std::optional<double> viaTerminal = local.TimeRun(device::SendAllSettings);
    if (!viaNetwork || !viaTerminal) {
      state.SkipWithError("run did not complete cleanly");
      break;
    }
    sharedSamples.push_back(*viaNetwork);
    localSamples.push_back(*viaTerminal);
  }
  const double terminalMs = bench::Median(localSamples);
  state.counters["median_ms"] = bench::Median(sharedSamples);
  state.counters["terminal_ms"] = terminalMs;
  state.counters["ratio"] = terminalMs > 0 ? bench::Median(sharedSamples) / terminalMs : 0;
}
BENCHMARK(BM_SendThroughSer2net)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return km62rx::bench::RunBenchmarks(argc, argv);
}
