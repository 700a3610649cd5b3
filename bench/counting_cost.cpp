// How much processor time a program spends while seven countdowns run,
// against a baseline of seven one-second timers writing seven edit boxes.
//
// The two programs run one after the other, never side by side, so that the
// Wine server's time over a span belongs to the one program running. Once a
// program's window shows, Morvane's rows are started as a user would (each
// time box at 00:00:00 given an hour, each Start button clicked, which plays
// the Start cue where the program has its cues beside it); the baseline
// counts from its start, and plays the same cue once then. After two seconds of settling in, the
// processor time of the program's process is read, and again after SECONDS,
// and the rows still running are counted. Each round runs both programs,
// each going first in every other round, and gives its own ratio: the figure
// is the median of the rounds' ratios, which a machine whose load changes
// from minute to minute moves less than it moves either program's time.
// After ROUNDS rounds, more are run, up to twice as many, until that
// median is known to within 0.05 either way (the interval printed).
//
// On Windows the process's kernel and user time come from GetProcessTimes.
// Under Wine, which reports nothing there for another process, they come
// from Linux, with the Wine server's beside them: every call the server must
// answer costs processor time there too.
//
// Usage: counting_cost PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [ROUNDS]
//        (10 seconds, 6 rounds at least by default)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "bench/launched_program.h"
#include "bench/linux_processes.h"
#include "bench/morvane_rows.h"

namespace {

using morvane::bench::BenchClock;
using morvane::bench::CountButtonsCaptioned;
using morvane::bench::FileNameOf;
using morvane::bench::FindInThisWinePrefix;
using morvane::bench::kCloseTimeout;
using morvane::bench::kWindowTimeout;
using morvane::bench::LaunchedProgram;
using morvane::bench::LinuxPid;
using morvane::bench::Median;
using morvane::bench::PrintSpread;
using morvane::bench::Spread;
using morvane::bench::StartEveryRow;
using morvane::bench::Subject;

constexpr std::chrono::seconds kSettling{2};

// Kernel and user time of the process as Windows reports it, in milliseconds.
double WindowsProcessorMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!::GetProcessTimes(process, &created, &ended, &kernel, &user)) {
    throw std::runtime_error("cannot read a process's times");
  }
  const auto hundred_ns = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime);
  };
  return (hundred_ns(kernel) + hundred_ns(user)) / 10'000;
}

LinuxPid Found(const std::optional<LinuxPid>& pid, const char* what) {
  if (!pid) {
    throw std::runtime_error(std::string("cannot find ") + what + " in /proc");
  }
  return *pid;
}

// Milliseconds of processor time per second of counting.
struct Cost {
  double process;
  std::optional<double> server;
  int rows_running;
  double Together() const { return process + server.value_or(0); }
};

Cost Measure(const Subject& subject, bool start_rows, std::chrono::seconds span,
             std::optional<LinuxPid> server) {
  LaunchedProgram launched(subject.path, subject.argument);
  HWND window = launched.WaitForWindow(subject.title, kWindowTimeout);
  if (window == nullptr) {
    throw std::runtime_error("a program showed no window with the title given");
  }
  launched.WaitUntilIdle(kWindowTimeout);
  std::function<double()> process_ms = [&] { return WindowsProcessorMs(launched.process()); };
  if (server) {
    const LinuxPid pid = Found(FindInThisWinePrefix(FileNameOf(subject.path)), "the program");
    process_ms = [pid] { return morvane::bench::ProcessorMs(pid); };
  }
  if (start_rows) {
    StartEveryRow(window);
  }
  std::this_thread::sleep_for(kSettling);

  const auto server_ms = [&] { return server ? morvane::bench::ProcessorMs(*server) : 0.0; };
  const auto started = BenchClock::now();
  const double process_before = process_ms();
  const double server_before = server_ms();
  std::this_thread::sleep_for(span);
  const double process_after = process_ms();
  const double server_after = server_ms();
  const double seconds = std::chrono::duration<double>(BenchClock::now() - started).count();

  Cost cost{(process_after - process_before) / seconds, std::nullopt,
            start_rows ? CountButtonsCaptioned(window, L"Stop") : 0};
  if (server) {
    cost.server = (server_after - server_before) / seconds;
  }
  launched.Close(window, kCloseTimeout);
  return cost;
}

struct Series {
  std::vector<double> process;
  std::vector<double> server;
  std::vector<double> together;
  void Add(const Cost& cost) {
    process.push_back(cost.process);
    server.push_back(cost.server.value_or(0));
    together.push_back(cost.Together());
  }
  void AddRatio(const Cost& program, const Cost& baseline) {
    process.push_back(program.process / baseline.process);
    server.push_back(program.server.value_or(0) / baseline.server.value_or(1));
    together.push_back(program.Together() / baseline.Together());
  }
};

// The precision aimed at: half the width of the median's interval.
constexpr double kAimedPrecision = 0.05;
constexpr int kMostRoundsPerLeast = 2;

std::string Figures(const Cost& cost) {
  char text[64];
  if (cost.server) {
    std::snprintf(text, sizeof text, "%6.2f + %6.2f", cost.process, *cost.server);
  } else {
    std::snprintf(text, sizeof text, "%6.2f", cost.process);
  }
  return text;
}

int Usage() {
  std::fprintf(stderr,
               "usage: counting_cost PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [ROUNDS]\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const auto arguments = morvane::bench::ParseComparison(argc, argv, 10, 6);
  if (!arguments) {
    return Usage();
  }
  const auto& [program, silent_baseline, seconds, rounds] = *arguments;
  // Where the program has its cues, the baseline plays the Start cue once.
  const Subject baseline{silent_baseline.path, silent_baseline.title,
                         morvane::bench::StartCueOf(program.path)};

  try {
    std::optional<LinuxPid> server;
    if (morvane::bench::LinuxProcVisible()) {
      server = Found(FindInThisWinePrefix(L"wineserver"), "the Wine server");
    }
    std::printf("Processor time while seven countdowns run, ms per second over %d s%s:\n",
                seconds, server ? " (process + Wine server)" : "");
    Series program_series;
    Series baseline_series;
    Series ratios;
    const auto precise = [&] {
      return Spread(ratios.together).IntervalHalfWidth() <= kAimedPrecision;
    };
    for (int round = 1; round <= rounds || (!precise() && round <= rounds * kMostRoundsPerLeast);
         ++round) {
      std::optional<Cost> program_cost;
      std::optional<Cost> baseline_cost;
      const bool program_first = round % 2 == 1;
      for (const bool measuring_program : {program_first, !program_first}) {
        if (measuring_program) {
          program_cost = Measure(program, true, std::chrono::seconds{seconds}, server);
        } else {
          baseline_cost = Measure(baseline, false, std::chrono::seconds{seconds}, server);
        }
      }
      program_series.Add(*program_cost);
      baseline_series.Add(*baseline_cost);
      ratios.AddRatio(*program_cost, *baseline_cost);
      std::printf("  %2d  %ls %s (%d rows running)   %ls %s   %5.2f\n", round,
                  FileNameOf(program.path).c_str(), Figures(*program_cost).c_str(),
                  program_cost->rows_running, FileNameOf(baseline.path).c_str(),
                  Figures(*baseline_cost).c_str(), ratios.together.back());
    }

    std::printf("Medians (ms/s):          process%s\n", server ? "    server  together" : "");
    const auto print = [&](const std::wstring& name, double process, double server_ms,
                           double together) {
      std::printf("  %-22ls %8.2f", name.c_str(), process);
      if (server) {
        std::printf("  %8.2f  %8.2f", server_ms, together);
      }
      std::printf("\n");
    };
    for (const auto& [name, series] : {std::pair{FileNameOf(program.path), &program_series},
                                       std::pair{FileNameOf(baseline.path), &baseline_series}}) {
      print(name, Median(series->process), Median(series->server), Median(series->together));
    }
    print(L"each round's ratio", Median(ratios.process), Median(ratios.server),
          Median(ratios.together));
    std::printf("Each round's ratio%s (median, aim: 1.30 at most):\n",
                server ? ", process and server together" : "");
    PrintSpread("counting", Spread(ratios.together));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "counting_cost: %s\n", error.what());
    return 1;
  }
  return 0;
}
