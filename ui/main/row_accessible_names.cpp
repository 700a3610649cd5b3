#include "ui/main/row_accessible_names.h"

#include <string>

namespace morvane::main_window {

void NameRowForScreenReaders(int number, const RowWindows& row) {
  const std::string character = "Character " + std::to_string(number);
  // A red name is an expiry not yet acknowledged: colour alone would not tell.
  row.name.SetAccessibleName([character, &box = row.name] {
    return character + (box.TextColour() == kRed ? " name, time is up" : " name");
  });
  row.time.SetAccessibleName([character] { return character + " time left"; });
  row.gold.SetAccessibleName([character] { return character + " gold"; });
  // "Start character 3", "Stop character 3": the caption says what a press does.
  row.button.SetAccessibleName([&button = row.button, number] {
    return button.Caption() + " character " + std::to_string(number);
  });
}

}  // namespace morvane::main_window
