// Properties of the time text that hold for every second of the day and for
// any text at all, checked exhaustively or over a large generated corpus.
#include "countdown/time_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {
namespace {

using namespace std::string_view_literals;

constexpr int kSecondsPerDay = 86400;
constexpr DateOrder kOrders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear,
                                 DateOrder::YearMonthDay};

std::string Format(const char* format, int a, int b, int c) {
  char text[32];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string Clock(int seconds_of_day) {
  return Format("%02d:%02d:%02d", seconds_of_day / 3600, seconds_of_day / 60 % 60,
                seconds_of_day % 60);
}

bool IsCanonical(std::string_view text) {
  auto two_digits = [&](std::size_t at, int limit) {
    return text[at] >= '0' && text[at] <= '9' && text[at + 1] >= '0' && text[at + 1] <= '9' &&
           (text[at] - '0') * 10 + (text[at + 1] - '0') <= limit;
  };
  return text.size() == 8 && text[2] == ':' && text[5] == ':' && two_digits(0, 23) &&
         two_digits(3, 59) && two_digits(6, 59);
}

TEST(TimeTextPropertiesTest, FullDayFromMidnightReturnsToMidnightAndExpiresOnlyThere) {
  for (const DateOrder order : kOrders) {
    std::string text = "00:00:00";
    for (int step = 1; step <= kSecondsPerDay; ++step) {
      const auto next = StepDown(text, order);
      ASSERT_TRUE(next.has_value()) << "step " << step << " from " << text;
      ASSERT_EQ(*next, Clock(kSecondsPerDay - step)) << "step " << step;
      ASSERT_EQ(IsExpired(*next), step == kSecondsPerDay) << "step " << step;
      text = *next;
    }
  }
}

// Every second of the day, written canonically, without leading zeros, and
// on the 12-hour clock, steps to the canonical text of the second before.
TEST(TimeTextPropertiesTest, EverySecondOfTheDayInEveryFormStepsToTheSecondBefore) {
  for (int s = 0; s < kSecondsPerDay; ++s) {
    const int hours = s / 3600;
    const int minutes = s / 60 % 60;
    const int seconds = s % 60;
    const int twelve_hour = hours % 12 == 0 ? 12 : hours % 12;
    const std::string forms[] = {
        Clock(s),
        Format("%d:%d:%d", hours, minutes, seconds),
        Format("%d:%02d:%d", hours, minutes, seconds),
        Format("%d:%d:%02d", twelve_hour, minutes, seconds) + (hours < 12 ? " AM" : " pm"),
    };
    const std::string expected = Clock((s + kSecondsPerDay - 1) % kSecondsPerDay);
    for (const std::string& form : forms) {
      for (const DateOrder order : kOrders) {
        const auto next = StepDown(form, order);
        if (!next || *next != expected) {
          FAIL() << form << " stepped to " << next.value_or("(refused)") << ", expected "
                 << expected;
        }
      }
    }
  }
}

// Texts that are mostly near misses of valid ones: random strings over the
// characters the reader cares about, and valid texts with one or two edits.
std::vector<std::string> GeneratedCorpus() {
  std::mt19937 random(20240601);
  auto pick = [&](std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
  };
  // Digits and separators weigh more, so that near-valid texts come up often.
  constexpr std::string_view kAlphabet = "0123456789:::///--.. AaPpMm\t\0x\xC3\xA9"
                                         "0123456789"sv;
  const std::string_view seeds[] = {
      "0:0:3",       "00:00:00",         "1:30",          "12:00 AM",
      "1:00pm",      "23:59:59",         "1/1/2000",      "29.2.2000 23:59:59",
      "2000-02-29",  "12/31/9999 0:0:1", "31-12-100 1:2", "9999/12/31 11:59:59 PM",
      "  1:2:3  ",   "2/29/1900",        "24:00",         "13/13/2000",
  };
  std::vector<std::string> corpus;
  for (int i = 0; i < 100000; ++i) {
    std::string text;
    const std::size_t length = pick(20);
    for (std::size_t j = 0; j < length; ++j) text += kAlphabet[pick(kAlphabet.size())];
    corpus.push_back(text);
  }
  for (int i = 0; i < 100000; ++i) {
    std::string text(seeds[pick(std::size(seeds))]);
    for (std::size_t edits = 1 + pick(2); edits > 0; --edits) {
      const std::size_t at = pick(text.size() + 1);
      const char c = kAlphabet[pick(kAlphabet.size())];
      switch (pick(3)) {
        case 0: text.insert(at, 1, c); break;
        case 1: if (at < text.size()) text.erase(at, 1); break;
        default: if (at < text.size()) text[at] = c; break;
      }
    }
    corpus.push_back(text);
  }
  return corpus;
}

// IsValidTime and StepDown agree on every text, and whatever StepDown writes
// is canonical and reads back in any date order.
TEST(TimeTextPropertiesTest, ValidityAndSteppingAgreeAndStepsAreCanonical) {
  std::size_t accepted = 0;
  for (const std::string& text : GeneratedCorpus()) {
    for (const DateOrder order : kOrders) {
      const auto next = StepDown(text, order);
      ASSERT_EQ(IsValidTime(text, order), next.has_value()) << text;
      if (!next) continue;
      ++accepted;
      ASSERT_TRUE(IsCanonical(*next)) << text << " stepped to " << *next;
      for (const DateOrder any_order : kOrders) {
        ASSERT_TRUE(IsValidTime(*next, any_order)) << *next;
      }
    }
  }
  // The corpus must reach the accepting paths for the checks above to mean anything.
  EXPECT_GT(accepted, 30000u);
}

}  // namespace
}  // namespace morvane
