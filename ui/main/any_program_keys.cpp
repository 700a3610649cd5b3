#include "ui/main/any_program_keys.h"

#include <vector>

#include "countdown/phrase_books/phrase_books.h"
#include "countdown/spoken_words.h"

namespace morvane::main_window {

namespace {

constexpr toolkit::HotKey CtrlShift(UINT virtual_key) {
  return toolkit::HotKey{MOD_CONTROL | MOD_SHIFT, virtual_key};
}

}  // namespace

const std::array<toolkit::HotKey, kRowCount + 2> kAnyProgramKeys = {
    CtrlShift(VK_F1), CtrlShift(VK_F2), CtrlShift(VK_F3), CtrlShift(VK_F4), CtrlShift(VK_F5),
    CtrlShift(VK_F6), CtrlShift(VK_F7), CtrlShift(VK_F8), CtrlShift(VK_F9)};

std::string KeysTakenMessage(std::span<const std::size_t> taken) {
  if (taken.size() == kAnyProgramKeys.size()) {
    return "Ctrl+Shift+F1\xE2\x80\xA6" "F9 are used by another program.";
  }
  std::vector<std::string> names;
  for (const std::size_t place : taken) {
    names.push_back("Ctrl+Shift+F" + std::to_string(place + 1));
  }
  // The window's own text, English as the rest of it.
  return SpokenList(phrase_books::kEnglish, names) + (names.size() == 1 ? " is" : " are") +
         " used by another program; the other keys work.";
}

}  // namespace morvane::main_window
