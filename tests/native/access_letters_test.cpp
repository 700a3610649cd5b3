// The access letters of the items added to a menu that has items of its own.
#include "ui/toolkit/window_services/access_letters.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <utility>

namespace morvane::toolkit {
namespace {

wchar_t Capital(wchar_t letter) { return static_cast<wchar_t>(std::towupper(letter)); }

// The main window's items, with the option coming below the keys, in the
// order they are added, over the letters of the system's items; "-" for none.
TEST(AccessLettersTest, EachItemTakesItsFirstLetterThatNoItemAboveTakes) {
  const std::pair<const wchar_t*, const wchar_t*> items[] = {
      {L"Keep ringing until seen", L"irk"},
      {L"Always on top", L"wtp"},
      {L"Say the names aloud", L"yhd"},
      {L"Keys from any program\tCtrl+Shift+F1\u2026F9", L"gkr"},
      {L"A minute's notice", L"tue"},
      {L"About Morvane\u2026", L"obv"}};
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"RMSNXCA", L"IWYGTO"},       // English
      {L"GTB\u00C7YKW", L"IPHRUO"},  // Turkish
      {L"IRG", L"KWY-TO"},           // the keys' last letter taken by an item above
      {L"irg", L"KWY-TO"},           // in either case
  };
  for (const auto& [system_letters, expected] : cases) {
    AccessLetters letters(system_letters, &Capital);
    std::wstring chosen;
    for (const auto& [text, candidates] : items) {
      const wchar_t letter = MarkedLetter(letters.Mark(text, candidates));
      chosen.push_back(letter == 0 ? L'-' : Capital(letter));
    }
    EXPECT_EQ(chosen, expected) << ::testing::PrintToString(std::wstring(system_letters));
  }
}

// The letter's first occurrence ahead of any tab, in whichever case; a "&"
// of the text is shown as one.
TEST(AccessLettersTest, MarksTheFirstOccurrenceAheadOfATab) {
  const struct {
    const wchar_t* text;
    const wchar_t* candidates;
    const wchar_t* shown;
  } cases[] = {
      {L"Keep ringing until seen", L"i", L"Keep r&inging until seen"},
      {L"Keys from any program", L"k", L"&Keys from any program"},
      {L"Go\tCtrl+T", L"to", L"G&o\tCtrl+T"},
      {L"Salt & pepper", L"p", L"Salt && &pepper"},
      {L"Rock & roll\tAlt+&", L"x", L"Rock && roll\tAlt+&&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccessLetters(L"", &Capital).Mark(c.text, c.candidates), c.shown);
  }
}

}  // namespace
}  // namespace morvane::toolkit
