// The letters that reach the program's items in the system menu. Alt+Space
// and a letter lands on the first item that takes it, and the system's own
// items take other letters in other languages: where Close takes one of
// ours (L in Danish), Alt+Space, the letter and Enter would end the program
// and every countdown with it.
#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

wchar_t Capital(wchar_t letter) {
  ::CharUpperBuffW(&letter, 1);
  return letter;
}

// The letter after an item's "&", as Alt+Space and a key looks for it; 0 for
// none.
wchar_t AccessKey(const std::wstring& text) {
  for (std::size_t at = text.find(L'&'); at + 1 < text.size(); at = text.find(L'&', at + 2)) {
    if (text[at + 1] != L'&') return Capital(text[at + 1]);
  }
  return 0;
}

std::wstring ItemText(HMENU menu, int index) {
  std::array<wchar_t, 64> text{};
  ::GetMenuStringW(menu, static_cast<UINT>(index), text.data(), 64, MF_BYPOSITION);
  return text.data();
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<LANGID>*>(found)->push_back(language);
  return TRUE;
}

// Each item of each translation of the system menu that user32 carries, by
// its command and letter: all of Wine's 38, none of Windows' (its
// translations live apart from user32).
std::vector<std::pair<UINT, wchar_t>> TranslatedSystemItems() {
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  std::vector<LANGID> languages;
  ::EnumResourceLanguagesW(user32, RT_MENU, L"SYSMENU", &AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
  std::vector<std::pair<UINT, wchar_t>> items;
  for (const LANGID language : languages) {
    HRSRC found = ::FindResourceExW(user32, RT_MENU, L"SYSMENU", language);
    HMENU menu = ::LoadMenuIndirectW(::LockResource(::LoadResource(user32, found)));
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      items.emplace_back(::GetMenuItemID(menu, index), AccessKey(ItemText(menu, index)));
    }
    ::DestroyMenu(menu);
  }
  return items;
}

// The fewest clashes any choice of letters allows, one from each item's
// words, no two alike, none `forbidden`.
int FewestClashes(const std::vector<std::wstring>& words,
                  const std::function<bool(wchar_t)>& forbidden,
                  const std::function<int(wchar_t)>& clashes_of) {
  std::wstring chosen;
  std::function<int(std::size_t)> best_from = [&](std::size_t item) {
    if (item == words.size()) return 0;
    int best = INT_MAX / 2;
    for (const wchar_t character : words[item].substr(0, words[item].find(L'\t'))) {
      const wchar_t letter = Capital(character);
      if (!::IsCharAlphaW(letter) || forbidden(letter) || chosen.find(letter) != chosen.npos) {
        continue;
      }
      chosen.push_back(letter);
      best = std::min(best, clashes_of(letter) + best_from(item + 1));
      chosen.pop_back();
    }
    return best;
  };
  return best_from(0);
}

class SystemMenuLettersTest : public RemindersFixture {};

// No item of ours takes the letter of Close or Move in any translation, and
// they share letters with no more of the system's items than the words allow:
// greyed ones count, since Wine's menu lands on the first item that takes a
// letter and greys Size, Minimise and Maximise in the main window rather
// than leaving them out. On Windows, where the translations cannot be read,
// the letters are only told apart from each other.
TEST_F(SystemMenuLettersTest, NeverCloseOrMoveInAnyLanguageAndFewClashesAsTheWordsAllow) {
  HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
  std::vector<std::wstring> words;  // of our items, whose commands are below the system's
  std::wstring ours;
  for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
    const UINT command = ::GetMenuItemID(menu, index);
    if (command == 0 || command >= SC_SIZE) continue;
    words.push_back(ItemText(menu, index));
    ours.push_back(AccessKey(words.back()));
  }
  ASSERT_EQ(ours.size(), 5u) << "the four options and About";
  for (const wchar_t key : ours) {
    EXPECT_NE(key, 0);
    EXPECT_EQ(std::count(ours.begin(), ours.end(), key), 1) << std::string(1, char(key));
  }

  const auto items = TranslatedSystemItems();
  if (::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
    ASSERT_GE(std::count_if(items.begin(), items.end(),
                            [](const auto& item) { return item.first == SC_CLOSE; }),
              38)
        << "translations of the system menu read";
  }
  const auto closes_or_moves = [&](wchar_t letter) {
    return std::count(items.begin(), items.end(), std::pair<UINT, wchar_t>{SC_CLOSE, letter}) +
               std::count(items.begin(), items.end(), std::pair<UINT, wchar_t>{SC_MOVE, letter}) >
           0;
  };
  const auto clashes_of = [&](wchar_t letter) {
    return static_cast<int>(std::count_if(items.begin(), items.end(),
                                          [&](const auto& item) { return item.second == letter; }));
  };
  int clashes = 0;
  for (const wchar_t key : ours) {
    EXPECT_FALSE(closes_or_moves(key)) << std::string(1, char(key));
    clashes += clashes_of(key);
  }
  EXPECT_EQ(clashes, FewestClashes(words, closes_or_moves, clashes_of));
}

}  // namespace
}  // namespace morvane::testing
