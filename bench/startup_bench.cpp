// How long a program takes to show its window, against a baseline, both
// launched in turn in the same run:
//
//   shown  from the call that starts the process until a visible top-level
//          window of that process has the expected title;
//   ready  until the program then waits for input, its first paint done.
//
// Each program is launched once first, unmeasured, so that both start with
// their files in the cache. Then they alternate, and each launch of the
// program is paired with the baseline's launch right after it: the figure is
// the median of the pairs' ratios, which a machine that slows down or speeds
// up for a while moves little, as it moves both launches of a pair alike.
// Under Wine launches fall around two times some 30 % apart, whichever the
// program, so single ratios scatter widely: after LAUNCHES pairs, more are
// made, up to four times as many, until the median is known to within 0.015
// either way (the interval printed beside it). Each launch ends by closing
// the window as its close box would.
//
// Usage: startup_bench PROGRAM TITLE BASELINE BASELINE_TITLE [LAUNCHES]
//        (21 pairs at least by default)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
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
using morvane::bench::PrintSpread;
using morvane::bench::Spread;
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

// The precision aimed at: half the width of the median's interval.
constexpr double kAimedPrecision = 0.015;
constexpr int kMostLaunchesPerLeast = 4;

struct Series {
  std::vector<double> shown;
  std::vector<double> ready;
  void Add(const Startup& startup) {
    shown.push_back(startup.shown_ms);
    ready.push_back(startup.ready_ms);
  }
  void AddRatio(const Startup& program, const Startup& baseline) {
    shown.push_back(program.shown_ms / baseline.shown_ms);
    ready.push_back(program.ready_ms / baseline.ready_ms);
  }
  bool Precise() const {
    return Spread(shown).IntervalHalfWidth() <= kAimedPrecision &&
           Spread(ready).IntervalHalfWidth() <= kAimedPrecision;
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
  const std::optional<int> launches = argc == 6 ? morvane::bench::ParseCount(argv[5]) : 21;
  if (!launches) {
    return Usage();
  }

  try {
    if (!Launch(program) || !Launch(baseline)) {
      return 1;
    }
    Series program_times;
    Series baseline_times;
    Series ratios;
    const int most = *launches * kMostLaunchesPerLeast;
    while (ratios.shown.size() < static_cast<size_t>(*launches) ||
           (!ratios.Precise() && ratios.shown.size() < static_cast<size_t>(most))) {
      const std::optional<Startup> measured_program = Launch(program);
      const std::optional<Startup> measured_baseline = Launch(baseline);
      if (!measured_program || !measured_baseline) {
        return 1;
      }
      program_times.Add(*measured_program);
      baseline_times.Add(*measured_baseline);
      ratios.AddRatio(*measured_program, *measured_baseline);
    }

    std::printf("Start-up in ms (shown / ready), medians of %zu launches each:\n",
                ratios.shown.size());
    std::printf("  %-20ls %7.1f / %7.1f\n", FileNameOf(program.path).c_str(),
                Median(program_times.shown), Median(program_times.ready));
    std::printf("  %-20ls %7.1f / %7.1f\n", FileNameOf(baseline.path).c_str(),
                Median(baseline_times.shown), Median(baseline_times.ready));
    std::printf("Ratio of each launch to the baseline's next (median, aim: 1.05 at most):\n");
    PrintSpread("shown", Spread(ratios.shown));
    PrintSpread("ready", Spread(ratios.ready));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
