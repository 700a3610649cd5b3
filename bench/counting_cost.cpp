// How much processor time a program spends while seven countdowns run,
// against a baseline of seven one-second timers writing seven edit boxes.
//
// The two programs run one after the other, never side by side, so that the
// Wine server's time over a span belongs to the one program running. Once a
// program's window shows, Morvane's rows are started as a user would (each
// time box at 00:00:00 given an hour, each Start button clicked); the
// baseline counts from its start. After two seconds of settling in, the
// processor time of the program's process is read, and again after SECONDS,
// and the rows still running are counted. Each round runs both programs,
// each going first in every other round; medians of the rounds are compared.
//
// On Windows the process's kernel and user time come from GetProcessTimes.
// Under Wine, which reports nothing there for another process, they come
// from Linux, with the Wine server's beside them: every call the server must
// answer costs processor time there too.
//
// Usage: counting_cost PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [ROUNDS]
//        (20 seconds, 3 rounds by default)
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
  LaunchedProgram launched(subject.path);
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
};

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
  const auto arguments = morvane::bench::ParseComparison(argc, argv, 20, 3);
  if (!arguments) {
    return Usage();
  }
  const auto& [program, baseline, seconds, rounds] = *arguments;

  try {
    std::optional<LinuxPid> server;
    if (morvane::bench::LinuxProcVisible()) {
      server = Found(FindInThisWinePrefix(L"wineserver"), "the Wine server");
    }
    std::printf("Processor time while seven countdowns run, ms per second over %d s%s:\n",
                seconds, server ? " (process + Wine server)" : "");
    Series program_series;
    Series baseline_series;
    for (int round = 1; round <= rounds; ++round) {
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
      std::printf("  %2d  %ls %s (%d rows running)   %ls %s\n", round,
                  FileNameOf(program.path).c_str(), Figures(*program_cost).c_str(),
                  program_cost->rows_running, FileNameOf(baseline.path).c_str(),
                  Figures(*baseline_cost).c_str());
    }

    std::printf("Medians (ms/s):          process%s\n", server ? "    server  together" : "");
    const auto print = [&](const std::wstring& name, double process, double server_ms,
                           double together) {
      std::printf("  %-22ls %8.2f", name.c_str(), process);
      if (server) {
        std::printf("  %8.2f  %8.2f", server_ms, together);
      }
    };
    for (const auto& [name, series] : {std::pair{FileNameOf(program.path), &program_series},
                                       std::pair{FileNameOf(baseline.path), &baseline_series}}) {
      print(name, Median(series->process), Median(series->server), Median(series->together));
      std::printf("\n");
    }
    print(L"ratio", Median(program_series.process) / Median(baseline_series.process),
          Median(program_series.server) / Median(baseline_series.server),
          Median(program_series.together) / Median(baseline_series.together));
    std::printf("   (aim: 1.50 at most%s)\n", server ? ", together" : "");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "counting_cost: %s\n", error.what());
    return 1;
  }
  return 0;
}
