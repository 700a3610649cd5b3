// Feeds arbitrary bytes to the time-text reader in every date order. Besides
// the sanitizers' findings, it stops on any text where
//   - IsValidTime and StepDown disagree on whether the text is a time,
//   - StepDown writes anything but a canonical "HH:NN:SS" that reads back,
//   - IsExpired holds for anything but "00:00:00" exactly.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "countdown/time_text.h"

namespace {

using morvane::DateOrder;

constexpr DateOrder kOrders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear,
                                 DateOrder::YearMonthDay};

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "time text property broken: %s\n", what);
    std::abort();
  }
}

bool IsTwoDigits(std::string_view text, std::size_t at, int limit) {
  const char tens = text[at];
  const char units = text[at + 1];
  return tens >= '0' && tens <= '9' && units >= '0' && units <= '9' &&
         (tens - '0') * 10 + (units - '0') <= limit;
}

bool IsCanonical(std::string_view text) {
  return text.size() == 8 && text[2] == ':' && text[5] == ':' && IsTwoDigits(text, 0, 23) &&
         IsTwoDigits(text, 3, 59) && IsTwoDigits(text, 6, 59);
}

void CheckExpiry(std::string_view text) {
  Require(morvane::IsExpired(text) == (text == "00:00:00"), "IsExpired is exact equality");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckExpiry(text);
  for (const DateOrder order : kOrders) {
    const auto next = morvane::StepDown(text, order);
    Require(morvane::IsValidTime(text, order) == next.has_value(),
            "IsValidTime agrees with StepDown");
    if (!next) continue;
    Require(IsCanonical(*next), "StepDown writes HH:NN:SS");
    for (const DateOrder any_order : kOrders) {
      Require(morvane::IsValidTime(*next, any_order), "what StepDown writes reads back");
    }
    CheckExpiry(*next);
  }
  return 0;
}
