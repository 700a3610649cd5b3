// What the benchmark programs share besides launching: reading their
// arguments and summing up repeated measurements.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace morvane::bench {

// The middle value; for an even count, the mean of the two middle ones.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Where a median lies, and how far apart the values it is the middle of lie.
struct MedianWithSpread {
  double median;
  // The middle half of the values: the first and third quartiles.
  double lower_quartile;
  double upper_quartile;
  // About 95 % sure to hold the median of all the values the measurement
  // could give: the order statistics n/2 -/+ 0.98 sqrt(n), which assume
  // nothing of how the values are distributed.
  double interval_low;
  double interval_high;
  double IntervalHalfWidth() const { return (interval_high - interval_low) / 2; }
};

inline MedianWithSpread Spread(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const double count = static_cast<double>(values.size());
  const auto at = [&](double rank) {  // rank counted from 0, clamped
    const auto index = static_cast<size_t>(std::clamp(rank, 0.0, count - 1));
    return values[index];
  };
  const double margin = 0.98 * std::sqrt(count);
  return {Median(values),
          at(std::round((count - 1) / 4)),
          at(std::round(3 * (count - 1) / 4)),
          at(std::floor(count / 2 - margin) - 1),
          at(std::ceil(count / 2 + margin) - 1)};
}

// "  shown   1.03   quartiles 0.98 to 1.08   95 % interval 1.012 to 1.041"
inline void PrintSpread(const char* what, const MedianWithSpread& values) {
  std::printf("  %-9s %5.2f   quartiles %.2f to %.2f   95 %% interval %.3f to %.3f\n", what,
              values.median, values.lower_quartile, values.upper_quartile, values.interval_low,
              values.interval_high);
}

// A whole number from 1 to 1000, or nothing.
inline std::optional<int> ParseCount(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0' || value < 1 || value > 1000) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

// "Morvane.exe" out of "Z:\\work\\dist\\Morvane.exe" or "/work/dist/Morvane.exe".
inline std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// A program to launch, the title of the window it shows, and the argument
// it is given, if any.
struct Subject {
  std::wstring path;
  std::wstring title;
  std::wstring argument;
};

// What a benchmark that runs the program beside its baseline is told:
//   PROGRAM TITLE BASELINE BASELINE_TITLE [SECONDS] [ROUNDS]
struct Comparison {
  Subject program;
  Subject baseline;
  int seconds;
  int rounds;
};

// Nothing when the arguments do not read as above; the counts left out take
// the defaults.
inline std::optional<Comparison> ParseComparison(int argc, wchar_t** argv, int default_seconds,
                                                 int default_rounds) {
  if (argc < 5 || argc > 7) {
    return std::nullopt;
  }
  const std::optional<int> seconds = argc > 5 ? ParseCount(argv[5]) : default_seconds;
  const std::optional<int> rounds = argc > 6 ? ParseCount(argv[6]) : default_rounds;
  if (!seconds || !rounds) {
    return std::nullopt;
  }
  return Comparison{{argv[1], argv[2]}, {argv[3], argv[4]}, *seconds, *rounds};
}

}  // namespace morvane::bench
