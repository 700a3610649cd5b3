// A window hook that Morvane's thread borrows from the probe, to read its
// system menu from inside the program: Wine keeps a menu's items in the
// process that made the menu, and answers nothing about them to another.
//
// Sent to a window with the letter of an item of its system menu, the
// question is answered with the item's state, as GetMenuState gives it, or -1
// when no item takes that letter.
#pragma once

#include <windows.h>

#ifdef MORVANE_MENU_STATE_HOOK
#define MORVANE_MENU_STATE_HOOK_API __declspec(dllexport)
#else
#define MORVANE_MENU_STATE_HOOK_API __declspec(dllimport)
#endif

inline const wchar_t* const kMenuStateQuestion = L"Morvane.Probe.SystemMenuItemState";

// A WH_CALLWNDPROC hook: it sees a sent message before the window does, and
// answers the question for the window.
extern "C" MORVANE_MENU_STATE_HOOK_API LRESULT CALLBACK AnswerMenuState(int code, WPARAM wparam,
                                                                       LPARAM lparam);
