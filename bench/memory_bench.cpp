// How much memory a program holds for itself with all its countdown rows
// running, against a baseline, both running side by side in the same run.
//
// Once the program's window shows, every row is started as a user would:
// each time box still showing 00:00:00 is given an hour and every Start
// button is clicked. After a few seconds of counting the private bytes
// (memory committed for that process alone) and the working set of both
// processes are read, and the rows still running are counted.
//
// Usage: memory_bench PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [RUNS]
//        (3 seconds of counting, 3 runs by default; medians are printed)
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_support.h"
#include "bench/launched_program.h"
#include "bench/morvane_rows.h"

namespace {

using morvane::bench::CountButtonsCaptioned;
using morvane::bench::FileNameOf;
using morvane::bench::kCloseTimeout;
using morvane::bench::kWindowTimeout;
using morvane::bench::LaunchedProgram;
using morvane::bench::Median;
using morvane::bench::StartEveryRow;
using morvane::bench::Subject;

struct Memory {
  double private_kib;
  double working_set_kib;
};

Memory MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
    throw std::runtime_error("cannot read a process's memory counters");
  }
  // Windows documents PagefileUsage as the same commit charge as
  // PrivateUsage; Wine 8 fills in only the former.
  const SIZE_T private_bytes =
      counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  return Memory{static_cast<double>(private_bytes) / 1024,
                static_cast<double>(counters.WorkingSetSize) / 1024};
}

HWND ShownWindow(const LaunchedProgram& launched, const Subject& subject) {
  HWND window = launched.WaitForWindow(subject.title, kWindowTimeout);
  if (window == nullptr) {
    throw std::runtime_error("a program showed no window with the title given");
  }
  launched.WaitUntilIdle(kWindowTimeout);
  return window;
}

struct Sample {
  Memory program;
  Memory baseline;
  int rows_running;
};

Sample MeasureOnce(const Subject& program, const Subject& baseline, std::chrono::seconds counting) {
  LaunchedProgram launched_program(program.path);
  HWND program_window = ShownWindow(launched_program, program);
  StartEveryRow(program_window);
  LaunchedProgram launched_baseline(baseline.path);
  HWND baseline_window = ShownWindow(launched_baseline, baseline);

  std::this_thread::sleep_for(counting);
  Sample sample{MemoryOf(launched_program.process()), MemoryOf(launched_baseline.process()),
                CountButtonsCaptioned(program_window, L"Stop")};
  launched_program.Close(program_window, kCloseTimeout);
  launched_baseline.Close(baseline_window, kCloseTimeout);
  return sample;
}

int Usage() {
  std::fprintf(stderr,
               "usage: memory_bench PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [RUNS]\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const auto arguments = morvane::bench::ParseComparison(argc, argv, 3, 3);
  if (!arguments) {
    return Usage();
  }
  const auto& [program, baseline, seconds, runs] = *arguments;

  try {
    std::vector<double> program_private, program_working, baseline_private, baseline_working;
    std::printf("Memory in KiB (private / working set) after %d s of counting:\n", seconds);
    for (int run = 1; run <= runs; ++run) {
      const Sample sample = MeasureOnce(program, baseline, std::chrono::seconds{seconds});
      program_private.push_back(sample.program.private_kib);
      program_working.push_back(sample.program.working_set_kib);
      baseline_private.push_back(sample.baseline.private_kib);
      baseline_working.push_back(sample.baseline.working_set_kib);
      std::printf("  %2d  %ls %8.0f / %8.0f (%d rows running)   %ls %8.0f / %8.0f\n", run,
                  FileNameOf(program.path).c_str(), sample.program.private_kib,
                  sample.program.working_set_kib, sample.rows_running,
                  FileNameOf(baseline.path).c_str(), sample.baseline.private_kib,
                  sample.baseline.working_set_kib);
    }

    const double private_kib = Median(program_private);
    const double baseline_private_kib = Median(baseline_private);
    const double working_kib = Median(program_working);
    const double baseline_working_kib = Median(baseline_working);
    std::printf("Medians:                private   working set\n");
    std::printf("  %-20ls %9.0f %11.0f\n", FileNameOf(program.path).c_str(), private_kib,
                working_kib);
    std::printf("  %-20ls %9.0f %11.0f\n", FileNameOf(baseline.path).c_str(),
                baseline_private_kib, baseline_working_kib);
    std::printf("  %-20s %9.2f %11.2f   (aim for private bytes: 1.25 at most)\n", "ratio",
                private_kib / baseline_private_kib, working_kib / baseline_working_kib);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "memory_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
