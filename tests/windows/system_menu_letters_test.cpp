// The letters that reach the program's items in the system menu. Alt+Space
// and a letter lands on the first item that takes it, and the system's own
// items take other letters in other languages: where Close takes one of
// ours (L in Danish), Alt+Space, the letter and Enter would end the program
// and every countdown with it.
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"
#include "ui/toolkit/window_services/system_menu.h"

namespace morvane::testing {
namespace {

wchar_t Capital(wchar_t letter) {
  ::CharUpperBuffW(&letter, 1);
  return letter;
}

// The letter after an item's "&", as Alt+Space and a key looks for it; 0 for
// none.
wchar_t AccessKey(const std::wstring& text) {
  for (std::size_t at = text.find(L'&'); at != text.npos && at + 1 < text.size();
       at = text.find(L'&', at + 2)) {
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

// Each translation of the system menu that user32 carries, to `visit`: all
// of Wine's 38, none of Windows' (its translations live apart from user32).
// Returns how many.
int ForEachTranslation(const std::function<void(HMENU)>& visit) {
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  std::vector<LANGID> languages;
  ::EnumResourceLanguagesW(user32, RT_MENU, L"SYSMENU", &AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
  for (const LANGID language : languages) {
    HRSRC found = ::FindResourceExW(user32, RT_MENU, L"SYSMENU", language);
    HMENU menu = ::LoadMenuIndirectW(::LockResource(::LoadResource(user32, found)));
    visit(menu);
    ::DestroyMenu(menu);
  }
  return static_cast<int>(languages.size());
}

class SystemMenuLettersTest : public RemindersFixture {
 protected:
  // The main window's system menu items by command and text: ours, whose
  // commands are below the system's, and the system's, greyed ones too (Wine
  // greys Size, Minimise and Maximise there rather than leaving them out).
  std::vector<std::pair<UINT, std::wstring>> MainMenuItems() {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    std::vector<std::pair<UINT, std::wstring>> items;
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      items.emplace_back(::GetMenuItemID(menu, index), ItemText(menu, index));
    }
    return items;
  }
};

TEST_F(SystemMenuLettersTest, OurItemsHaveLettersThatNoOtherItemTakes) {
  std::wstring ours;
  std::wstring system;
  for (const auto& [command, text] : MainMenuItems()) {
    if (command != 0) (command < SC_SIZE ? ours : system).push_back(AccessKey(text));
  }
  ASSERT_EQ(ours.size(), 5u) << "the four options and About";
  for (const wchar_t key : ours) {
    EXPECT_NE(key, 0);
    EXPECT_EQ(std::count(ours.begin(), ours.end(), key), 1) << std::string(1, char(key));
    EXPECT_EQ(system.find(key), system.npos) << std::string(1, char(key));
  }
}

// Whichever letters of its words an item offers, in no translation of the
// system's items does it take one of theirs, Close's and Move's among them,
// greyed ones too, as Size, Minimise and Maximise are in the main window.
TEST_F(SystemMenuLettersTest, NeverASystemItemsLetterInAnyTranslation) {
  const auto items = MainMenuItems();
  const int translations = ForEachTranslation([&items](HMENU menu) {
    std::wstring held;
    for (const UINT greyed : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
      ::EnableMenuItem(menu, greyed, MF_BYCOMMAND | MF_GRAYED);
    }
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      if (::GetMenuItemID(menu, index) != 0) held.push_back(AccessKey(ItemText(menu, index)));
    }
    toolkit::AccessLetters letters = toolkit::AccessLettersOf(menu);
    for (auto [command, words] : items) {
      if (command == 0 || command >= SC_SIZE) continue;
      std::erase(words, L'&');
      std::wstring candidates;
      std::ranges::copy_if(words, std::back_inserter(candidates), &::IsCharAlphaW);
      const wchar_t key = AccessKey(letters.Mark(words, candidates));
      EXPECT_EQ(held.find(key), held.npos)
          << ::testing::PrintToString(words + L": " + key + L", the system's: " + held);
    }
  });
  if (::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
    EXPECT_GE(translations, 38) << "translations of the system menu read";
  }
}

}  // namespace
}  // namespace morvane::testing
