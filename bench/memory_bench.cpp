// How much memory a program holds for itself with all its countdown rows
// running, against a baseline, all running side by side in the same run.
//
// Once the program's window shows, every row is started as a user would:
// each time box still showing 00:00:00 is given an hour and every Start
// button is clicked, which plays the Start cue when the program has its
// "Sounds" folder beside it, as the release lays it out. The baseline is
// then started, and where the program has its cues, a second one that plays
// the same cue once: the system's sound (the multimedia library, its device
// and the thread a sound plays on) is then on both sides. After a few
// seconds of counting the private bytes (memory committed for that process
// alone) and the working set of every process are read, and the program's
// rows still running are counted.
//
// Usage: memory_bench PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [RUNS]
//        (3 seconds of counting, 5 runs by default; medians are printed, and
//        the median of each run's own ratio: the stack a cue's thread leaves
//        behind is let go at some moment later, so either process may hold
//        about 970 KiB more when it is read, and the medians of each program
//        apart can pair a process that holds it with one that does not)
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <memory>
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
using morvane::bench::StartCueOf;
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

// The baselines side by side with the program: the minimal window as it is,
// and, where the program has its cues beside it, one more that plays the
// Start cue once, as the program does when a row starts.
std::vector<Subject> BaselinesFor(const Subject& program, const Subject& baseline) {
  std::vector<Subject> baselines{baseline};
  if (const std::wstring start_cue = StartCueOf(program.path); !start_cue.empty()) {
    baselines.push_back(Subject{baseline.path, baseline.title, start_cue});
  }
  return baselines;
}

struct Sample {
  Memory program;
  std::vector<Memory> baselines;
  int rows_running;
};

Sample MeasureOnce(const Subject& program, const std::vector<Subject>& baselines,
                   std::chrono::seconds counting) {
  LaunchedProgram launched_program(program.path);
  HWND program_window = ShownWindow(launched_program, program);
  StartEveryRow(program_window);
  std::vector<std::unique_ptr<LaunchedProgram>> launched_baselines;
  std::vector<HWND> baseline_windows;
  for (const Subject& baseline : baselines) {
    launched_baselines.push_back(std::make_unique<LaunchedProgram>(baseline.path, baseline.argument));
    baseline_windows.push_back(ShownWindow(*launched_baselines.back(), baseline));
  }

  std::this_thread::sleep_for(counting);
  Sample sample{MemoryOf(launched_program.process()), {},
                CountButtonsCaptioned(program_window, L"Stop")};
  for (const auto& launched : launched_baselines) {
    sample.baselines.push_back(MemoryOf(launched->process()));
  }
  launched_program.Close(program_window, kCloseTimeout);
  for (size_t each = 0; each < launched_baselines.size(); ++each) {
    launched_baselines[each]->Close(baseline_windows[each], kCloseTimeout);
  }
  return sample;
}

std::wstring Described(const Subject& subject) {
  return subject.argument.empty() ? FileNameOf(subject.path)
                                  : FileNameOf(subject.path) + L" playing " +
                                        FileNameOf(subject.argument);
}

struct Series {
  std::vector<double> private_kib;
  std::vector<double> working_set_kib;
  void Add(const Memory& memory) {
    private_kib.push_back(memory.private_kib);
    working_set_kib.push_back(memory.working_set_kib);
  }
  void AddRatio(const Memory& program, const Memory& baseline) {
    Add({program.private_kib / baseline.private_kib,
         program.working_set_kib / baseline.working_set_kib});
  }
  Memory Medians() const { return {Median(private_kib), Median(working_set_kib)}; }
};

int Usage() {
  std::fprintf(stderr,
               "usage: memory_bench PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [RUNS]\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const auto arguments = morvane::bench::ParseComparison(argc, argv, 3, 5);
  if (!arguments) {
    return Usage();
  }
  const auto& [program, baseline, seconds, runs] = *arguments;

  try {
    const std::vector<Subject> baselines = BaselinesFor(program, baseline);
    Series program_series;
    std::vector<Series> baseline_series(baselines.size());
    std::vector<Series> ratio_series(baselines.size());
    std::printf("Memory in KiB (private / working set) after %d s of counting:\n", seconds);
    for (int run = 1; run <= runs; ++run) {
      const Sample sample = MeasureOnce(program, baselines, std::chrono::seconds{seconds});
      program_series.Add(sample.program);
      std::printf("  %2d  %ls %6.0f / %6.0f (%d rows running)", run,
                  FileNameOf(program.path).c_str(), sample.program.private_kib,
                  sample.program.working_set_kib, sample.rows_running);
      for (size_t each = 0; each < baselines.size(); ++each) {
        baseline_series[each].Add(sample.baselines[each]);
        ratio_series[each].AddRatio(sample.program, sample.baselines[each]);
        std::printf("   %6.0f / %6.0f", sample.baselines[each].private_kib,
                    sample.baselines[each].working_set_kib);
      }
      std::printf("\n");
    }

    const Memory measured = program_series.Medians();
    std::printf("Medians (the ratio: of each run's own):  private   working set   ratio\n");
    std::printf("  %-36ls %9.0f %11.0f\n", Described(program).c_str(), measured.private_kib,
                measured.working_set_kib);
    for (size_t each = 0; each < baselines.size(); ++each) {
      const Memory held = baseline_series[each].Medians();
      const Memory ratio = ratio_series[each].Medians();
      std::printf("  %-36ls %9.0f %11.0f   %.2f / %.2f\n", Described(baselines[each]).c_str(),
                  held.private_kib, held.working_set_kib, ratio.private_kib,
                  ratio.working_set_kib);
    }
    std::printf("  (aim for private bytes: 1.25 at most, against the baseline playing the cue"
                " where the program has its cues)\n");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "memory_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
