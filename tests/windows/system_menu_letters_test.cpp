// The letters that reach the program's items in the system menu. Alt+Space
// and a letter lands on the first item that takes it, and the system's own
// items take other letters in other languages: where Close takes one of
// ours (L in Danish), Alt+Space, the letter and Enter would end the program
// and every countdown with it.
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/window_services/system_menu.h"

namespace morvane::testing {
namespace {

// The key that reaches an item, as Alt+Space and a key looks for it; 0 for
// none.
wchar_t AccessKey(const std::wstring& text) {
  return toolkit::Capital(toolkit::MarkedLetter(text));
}

std::wstring ItemText(HMENU menu, int item, UINT by = MF_BYPOSITION) {
  std::array<wchar_t, 64> text{};
  ::GetMenuStringW(menu, static_cast<UINT>(item), text.data(), 64, by);
  return text.data();
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<LANGID>*>(found)->push_back(language);
  return TRUE;
}

// Each translation of the system menu that user32 carries, to `visit`: all of
// Wine's 38, none of Windows' (its translations live apart from user32).
std::size_t ForEachTranslation(const std::function<void(HMENU)>& visit) {
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
  return languages.size();
}

class SystemMenuLettersTest : public RemindersFixture {};

// No item of ours takes a letter of the system's items in any translation,
// as the program offers its letters, nor a letter of the window's items:
// greyed ones count, since Wine's menu lands on the first item that takes a
// letter and greys Size, Minimise and Maximise in the main window rather
// than leaving them out. On Windows, where the translations cannot be read,
// the letters are only told apart from each other and the window's.
TEST_F(SystemMenuLettersTest, NeverASystemItemsLetterInAnyLanguageNorAnotherItemsInTheWindow) {
  HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
  std::wstring ours;  // the letters of our items, whose commands are below the system's
  std::wstring system;
  for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
    const UINT command = ::GetMenuItemID(menu, index);
    if (command >= SC_SIZE) system.push_back(AccessKey(ItemText(menu, index)));
    if (command != 0 && command < SC_SIZE) ours.push_back(AccessKey(ItemText(menu, index)));
  }
  ASSERT_EQ(ours.size(), 6u) << "the five options and About";
  for (const wchar_t key : ours) {
    EXPECT_NE(key, 0);
    EXPECT_EQ(std::count(ours.begin(), ours.end(), key), 1) << std::string(1, char(key));
    EXPECT_EQ(system.find(key), system.npos) << std::string(1, char(key));
  }

  const toolkit::MenuItemDesign items[] = {
      main_window::kKeepRingingItem,    main_window::kAlwaysOnTopItem,
      main_window::kSayNamesItem,       main_window::kAnyProgramKeysItem,
      main_window::kMinuteNoticeItem,   main_window::kAboutItem};
  const std::size_t translations = ForEachTranslation([&items](HMENU translation) {
    for (UINT at = 0; ::EnableMenuItem(translation, at, MF_BYPOSITION | MF_GRAYED) != -1;) ++at;
    std::wstring held;
    for (int index = 0; index < ::GetMenuItemCount(translation); ++index) {
      held.push_back(AccessKey(ItemText(translation, index)));
    }
    toolkit::AccessLetters letters = toolkit::AccessLettersOf(translation);
    for (const toolkit::MenuItemDesign& item : items) {
      const wchar_t key = AccessKey(letters.Mark(item.text, item.candidates));
      EXPECT_TRUE(key == 0 || held.find(key) == held.npos)
          << ItemText(translation, SC_CLOSE, MF_BYCOMMAND) << ": " << std::wstring(item.text);
    }
  });
  if (::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
    EXPECT_GE(translations, 38u) << "translations of the system menu read";
  }

  // Windows' menu ends with Close, which holds the notice's first candidate
  // in Catalan: the notice takes its next one.
  HMENU catalan = ::CreatePopupMenu();
  ::AppendMenuW(catalan, MF_STRING, SC_MOVE, L"&Mou");
  ::AppendMenuW(catalan, MF_STRING, SC_CLOSE, L"&Tanca\tAlt+F4");
  EXPECT_EQ(toolkit::AccessLettersOf(catalan).Mark(main_window::kMinuteNoticeItem.text,
                                                   main_window::kMinuteNoticeItem.candidates),
            L"A min&ute's notice");
  ::DestroyMenu(catalan);
}

}  // namespace
}  // namespace morvane::testing
