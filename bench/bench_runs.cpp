// Timing of the send-all and receive-all runs against the simulator on a
// pseudo-terminal, with no reply delay and a logger that has the time-stamp
// function (37 exchanges per run). Each benchmark reports the median of
// single runs as "median_ms"; the target is below 60 ms for each.

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "device/connection.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/qt/qt_serial_line.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace {

using namespace km62rx;
using SteadyClock = std::chrono::steady_clock;

void BenchmarkRun(benchmark::State& state,
                  device::RunOutcome (*run)(device::CommandContext&, const device::RunProgress&)) {
  testing::SimProcess sim({"--answer-wake"});
  device::QtSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier connectBoxes;
  if (device::OpenDevicePort(link, sim.path(), device::LineSettings{}) != device::LinkResult::kOk ||
      device::QueryDeviceStatus(link, connectBoxes) != device::HandshakeResult::kConnected) {
    state.SkipWithError("logger not connected");
    return;
  }
  ui::MemoryPageControls pages;
  RecordingNotifier boxes;
  device::CommandContext ctx{link, pages, boxes};
  int steps = 0;
  const device::RunProgress countSteps = [&steps](int, std::string_view, device::StepResult) {
    ++steps;
  };
  std::vector<double> samples;
  for (auto _ : state) {
    boxes.boxes.clear();
    steps = 0;
    const auto start = SteadyClock::now();
    const device::RunOutcome outcome = run(ctx, countSteps);
    samples.push_back(
        std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count());
    // A good run ends with its completion box alone, after all 17 steps.
    if (!outcome.Clean() || steps != 17 || boxes.boxes.size() != 1) {
      state.SkipWithError("run did not complete cleanly");
      break;
    }
  }
  state.counters["median_ms"] = bench::Median(samples);
  device::DestroyDeviceLink(link);
}

void BM_SendAllSettings(benchmark::State& state) {
  BenchmarkRun(state, device::SendAllSettings);
}
BENCHMARK(BM_SendAllSettings)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReceiveAllSettings(benchmark::State& state) {
  BenchmarkRun(state, device::ReceiveAllSettings);
}
BENCHMARK(BM_ReceiveAllSettings)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return km62rx::bench::RunBenchmarks(argc, argv);
}
