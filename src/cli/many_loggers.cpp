#include "cli/many_loggers.h"

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/logger_output.h"

namespace km62rx::cli {
namespace {

// One logger's part of the run: its options, its output and its status.
struct LoggerRun {
  DeviceOptions options;
  LoggerOutput output;
  int status = kExitLink;
};

void RunOne(LoggerRun& run, const std::function<int(const DeviceOptions&)>& work) {
  const OutputScope scope(run.output);
  run.status = work(run.options);
  run.output.report().port = run.options.port;
  run.output.report().status = run.status;
}

}  // namespace

std::string_view ResultWord(int status) {
  switch (status) {
    case kExitDone:
      return "done";
    case kExitProblem:
      return "problem";
    case kExitUsage:
      return "file error";
    default:
      return "link failed";
  }
}

int ForEachLogger(std::string_view command, const DeviceOptions& options,
                  const std::function<int(const DeviceOptions& one)>& work) {
  const bool several = options.ports.size() > 1;
  std::vector<std::unique_ptr<LoggerRun>> runs;
  for (const std::string& port : options.ports) {
    DeviceOptions one = options;
    one.port = port;
    runs.push_back(std::make_unique<LoggerRun>(
        LoggerRun{std::move(one), LoggerOutput(several ? port + ": " : "", options.json)}));
  }

  if (several) {
    std::vector<std::thread> threads;
    for (const std::unique_ptr<LoggerRun>& run : runs)
      threads.emplace_back([&run, &work] { RunOne(*run, work); });
    for (std::thread& thread : threads)
      thread.join();
  } else {
    RunOne(*runs.front(), work);
  }

  int status = kExitDone;
  std::vector<LoggerReport> reports;
  for (const std::unique_ptr<LoggerRun>& run : runs) {
    status = std::max(status, run->status);
    reports.push_back(run->output.report());
  }
  if (options.json) {
    // The document is the data asked for: losing it is exit status 2.
    if (!WriteDataToStdout(LoggersJson(command, reports, status)))
      return std::max(status, kExitUsage);
  } else if (several) {
    std::string summary;
    for (const LoggerReport& report : reports) {
      summary += "summary: " + report.port + ": " + std::string(ResultWord(report.status)) +
                 " (exit status " + std::to_string(report.status) + ")\n";
    }
    WriteLocked(stdout, summary);
  }
  return status;
}

}  // namespace km62rx::cli
