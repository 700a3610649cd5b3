// What the benchmark programs share besides launching: reading their
// arguments and summing up repeated measurements.
#pragma once

#include <algorithm>
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

// A program to launch and the title of the window it shows.
struct Subject {
  std::wstring path;
  std::wstring title;
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
