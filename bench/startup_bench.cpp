// How long a program takes to show its window, against a baseline, both
// launched in turn in the same run:
//
//   shown  from the call that starts the process until a visible top-level
//          window of that process has the expected title;
//   ready  until the program then waits for input, its first paint done.
//
// Each program is launched once first, unmeasured, so that both start with
// their files in the cache; then they alternate, each going first in every
// other round so that neither gains from a machine that warms up or slows
// down. Each launch ends by closing the window as its close box would.
//
// Usage: startup_bench PROGRAM TITLE BASELINE BASELINE_TITLE [LAUNCHES]
//        (7 launches of each by default)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "bench/launched_program.h"

namespace {

using morvane::bench::BenchClock;
using morvane::bench::FileNameOf;
using morvane::bench::kCloseTimeout;
using morvane::bench::kWindowTimeout;
using morvane::bench::LaunchedProgram;
using morvane::bench::Median;
using morvane::bench::Subject;


struct Startup {
  double shown_ms;
  double ready_ms;
};

double MillisecondsSince(BenchClock::time_point start) {
  return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// Nothing when the window did not show or the program did not close.
std::optional<Startup> Launch(const Subject& subject) {
  LaunchedProgram program(subject.path);
  HWND window = program.WaitForWindow(subject.title, kWindowTimeout);
  if (window == nullptr) {
    std::fprintf(stderr, "%ls showed no window titled \"%ls\"\n", FileNameOf(subject.path).c_str(),
                 subject.title.c_str());
    return std::nullopt;
  }
  const double shown = MillisecondsSince(program.started());
  program.WaitUntilIdle(kWindowTimeout);
  const double ready = MillisecondsSince(program.started());
  if (!program.Close(window, kCloseTimeout)) {
    std::fprintf(stderr, "%ls did not end when its window was closed\n",
                 FileNameOf(subject.path).c_str());
    return std::nullopt;
  }
  return Startup{shown, ready};
}

struct Series {
  std::vector<double> shown;
  std::vector<double> ready;
  void Add(const Startup& startup) {
    shown.push_back(startup.shown_ms);
    ready.push_back(startup.ready_ms);
  }
};

int Usage() {
  std::fprintf(stderr, "usage: startup_bench PROGRAM TITLE BASELINE BASELINE_TITLE [LAUNCHES]\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5 && argc != 6) {
    return Usage();
  }
  const Subject program{argv[1], argv[2]};
  const Subject baseline{argv[3], argv[4]};
  const std::optional<int> launches = argc == 6 ? morvane::bench::ParseCount(argv[5]) : 7;
  if (!launches) {
    return Usage();
  }

  try {
    if (!Launch(program) || !Launch(baseline)) {
      return 1;
    }
    Series program_times;
    Series baseline_times;
    std::printf("Start-up in ms (shown / ready), %d launches each:\n", *launches);
    for (int round = 0; round < *launches; ++round) {
      std::optional<Startup> measured_program;
      std::optional<Startup> measured_baseline;
      if (round % 2 == 0) {
        measured_program = Launch(program);
        measured_baseline = Launch(baseline);
      } else {
        measured_baseline = Launch(baseline);
        measured_program = Launch(program);
      }
      if (!measured_program || !measured_baseline) {
        return 1;
      }
      program_times.Add(*measured_program);
      baseline_times.Add(*measured_baseline);
      std::printf("  %2d  %ls %7.1f / %7.1f   %ls %7.1f / %7.1f\n", round + 1,
                  FileNameOf(program.path).c_str(), measured_program->shown_ms,
                  measured_program->ready_ms, FileNameOf(baseline.path).c_str(),
                  measured_baseline->shown_ms, measured_baseline->ready_ms);
    }

    const double shown = Median(program_times.shown);
    const double ready = Median(program_times.ready);
    const double baseline_shown = Median(baseline_times.shown);
    const double baseline_ready = Median(baseline_times.ready);
    std::printf("Medians:                  shown     ready\n");
    std::printf("  %-20ls %9.1f %9.1f\n", FileNameOf(program.path).c_str(), shown, ready);
    std::printf("  %-20ls %9.1f %9.1f\n", FileNameOf(baseline.path).c_str(), baseline_shown,
                baseline_ready);
    std::printf("  %-20s %9.2f %9.2f   (aim: 1.05 at most, at 96 dpi and at 144)\n", "ratio",
                shown / baseline_shown, ready / baseline_ready);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
