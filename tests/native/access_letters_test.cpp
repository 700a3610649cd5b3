// The access letters of the items added to a menu that has items of its own.
#include "ui/toolkit/window_services/access_letters.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace morvane::toolkit {
namespace {

// Items of the main window and the option coming below the keys, added in
// turn below items holding R, M, S, N, X, C, A, I and G: each marks the first
// occurrence before any tab, in either case, of its first letter no item holds
// (a lower-case t marked holds T too).
TEST(AccessLettersTest, EachItemMarksItsFirstLetterThatNoItemAboveHolds) {
  const wchar_t* const items[][3] = {
      {L"Keep ringing until seen", L"irk", L"&Keep ringing until seen"},
      {L"Keys from any program\tCtrl+Shift+F1\u2026F9", L"gkr",
       L"Keys from any program\tCtrl+Shift+F1\u2026F9"},
      {L"A minute's notice", L"tue", L"A minu&te's notice"},
      {L"Set the table", L"te", L"S&et the table"},
      {L"Rock & roll\tAlt+F4", L"fl", L"Rock && ro&ll\tAlt+F4"},
  };
  AccessLetters letters(L"RMSNXCAig", [](wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
  });
  for (const auto& [text, candidates, shown] : items) {
    EXPECT_EQ(letters.Mark(text, candidates), shown);
  }
}

// A menu reads the letter after a lone "&": "&&" shows a "&".
TEST(AccessLettersTest, MarkedLetterFollowsTheFirstLoneAmpersand) {
  const struct {
    std::wstring_view text;
    wchar_t letter;
  } rows[] = {
      {L"&Restore", L'R'},
      {L"Salt && pepper &Mill", L'M'},
      {L"No mark", 0},
      {std::wstring_view(L"Close&x", 6), 0},  // "Close&": a last "&" marks nothing
  };
  for (const auto& [text, letter] : rows) {
    EXPECT_EQ(MarkedLetter(text), letter) << std::string(text.begin(), text.end());
  }
}

}  // namespace
}  // namespace morvane::toolkit
