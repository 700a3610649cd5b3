#include "ui/artwork/rendering_choice.h"

#include <algorithm>
#include <string>

#include "ui/scale/design_scale.h"

namespace morvane::artwork {

namespace {

// Digits only, with no sign and no leading zero; nothing otherwise.
std::optional<int> Number(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 6 || digits.front() == L'0') {
    return std::nullopt;
  }
  int value = 0;
  for (const wchar_t digit : digits) {
    if (digit < L'0' || digit > L'9') {
      return std::nullopt;
    }
    value = value * 10 + (digit - L'0');
  }
  return value;
}

// The number's decimal digits. Not std::to_wstring, which formats through
// the C runtime's wide printf: a static MinGW-w64 build links all of it,
// floating point and locale included, some 26 KB of the program.
std::wstring Decimal(int number) {
  const std::string digits = std::to_string(number);
  return std::wstring(digits.begin(), digits.end());
}

}  // namespace

std::wstring RenderingName(int id, int percent) {
  return L"PNG_" + Decimal(id) + L"_" + Decimal(percent);
}

std::optional<int> RenderingPercent(std::wstring_view name, int id) {
  const std::wstring prefix = L"PNG_" + Decimal(id) + L"_";
  if (!name.starts_with(prefix)) {
    return std::nullopt;
  }
  return Number(name.substr(prefix.size()));
}

std::optional<int> ChooseRendering(std::span<const int> percents, int dpi) {
  // A rendering at `percent` is as large as the picture at `dpi` when
  // percent / 100 >= dpi / 96.
  const int wanted = (dpi * kDesignPercent + scale::kDesignDpi - 1) / scale::kDesignDpi;
  return SmallestAtLeast(percents, wanted);
}

std::optional<int> SmallestAtLeast(std::span<const int> sizes, int wanted) {
  if (sizes.empty()) {
    return std::nullopt;
  }
  std::optional<int> chosen;
  for (const int size : sizes) {
    if (size >= wanted && (!chosen || size < *chosen)) {
      chosen = size;
    }
  }
  return chosen ? chosen : *std::max_element(sizes.begin(), sizes.end());
}

}  // namespace morvane::artwork
