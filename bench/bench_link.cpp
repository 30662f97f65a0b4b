// Timing of the device link against the simulator on a pseudo-terminal, with
// no reply delay: one command exchange, and one whole connect (wake-up
// answered at once, identify, handshake, clock). Each benchmark reports the
// median of single operations as "median_us". A third measures what a logger
// that goes away costs: the share of one core the idle event loop takes in
// the seconds after the simulator is killed while connected ("cpu_pct"),
// with the loss watched as the window watches it, and how long the link took
// to show not connected ("closed_ms").

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "app/line_loss_watch.h"
#include "device/connection.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/posix/serial_line.h"
#include "settings/notifier.h"
#include "support/sim_process.h"

namespace {

using namespace km62rx;
using SteadyClock = std::chrono::steady_clock;

double MicrosSince(SteadyClock::time_point start) {
  return std::chrono::duration<double, std::micro>(SteadyClock::now() - start).count();
}

void BM_Exchange(benchmark::State& state) {
  testing::SimProcess sim({"--answer-wake"});
  device::PosixSerialLine line;
  device::DeviceLink link{line};
  if (device::OpenDevicePort(link, sim.path(), device::LineSettings{}) != device::LinkResult::kOk) {
    state.SkipWithError("logger not identified");
    return;
  }
  std::vector<double> samples;
  device::Reply reply;
  for (auto _ : state) {
    const auto start = SteadyClock::now();
    const device::LinkResult code = device::ExchangeCommand(link, "DEV\r", reply);
    samples.push_back(MicrosSince(start));
    if (code != device::LinkResult::kOk) {
      state.SkipWithError("exchange failed");
      break;
    }
  }
  state.counters["median_us"] = bench::Median(samples);
  device::DestroyDeviceLink(link);
}
BENCHMARK(BM_Exchange)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_Connect(benchmark::State& state) {
  testing::SimProcess sim({"--answer-wake"});
  device::PosixSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier boxes;
  std::vector<double> samples;
  for (auto _ : state) {
    boxes.boxes.clear();
    const auto start = SteadyClock::now();
    bool ok =
        device::OpenDevicePort(link, sim.path(), device::LineSettings{}) == device::LinkResult::kOk;
    ok = ok && device::QueryDeviceStatus(link, boxes) == device::HandshakeResult::kConnected;
    device::RefreshLinkStatus(link);
    ok = ok && device::ShowDeviceClock(link, boxes) == device::StepResult::kDone;
    samples.push_back(MicrosSince(start));
    state.PauseTiming();
    device::CloseDeviceLink(link);
    state.ResumeTiming();
    if (!ok) {
      state.SkipWithError("connect failed");
      break;
    }
  }
  state.counters["median_us"] = bench::Median(samples);
}
BENCHMARK(BM_Connect)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_IdleAfterUnplug(benchmark::State& state) {
  constexpr int kIdleMs = 3000;
  for (auto _ : state) {
    testing::SimProcess sim({"--answer-wake"});
    device::DeviceLink* watched = nullptr;
    QElapsedTimer sinceUnplug;
    qint64 closedMs = -1;
    app::LineLossWatch line(std::make_unique<device::PosixSerialLine>(), [&] {
      device::CloseDeviceLink(*watched);
      closedMs = sinceUnplug.elapsed();
    });
    device::DeviceLink link{line};
    watched = &link;
    if (device::OpenDevicePort(link, sim.path(), device::LineSettings{}) !=
        device::LinkResult::kOk) {
      state.SkipWithError("logger not identified");
      return;
    }
    sim.Stop();
    sinceUnplug.start();
    const std::clock_t cpuStart = std::clock();
    QElapsedTimer wall;
    wall.start();
    QEventLoop idle;
    QTimer::singleShot(kIdleMs, &idle, &QEventLoop::quit);
    idle.exec();
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["cpu_pct"] = 100.0 * cpuMs / static_cast<double>(wall.elapsed());
    state.counters["closed"] = line.IsOpen() ? 0 : 1;
    state.counters["closed_ms"] = static_cast<double>(closedMs);
  }
}
BENCHMARK(BM_IdleAfterUnplug)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// The unplug benchmark runs the window's event loop.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return km62rx::bench::RunBenchmarks(argc, argv);
}
