#include "ui/main/form1_layout.h"

#include <array>
#include <string>
#include <utility>

#include <windows.h>

#include "assets/resource_ids.h"
#include "platform/text_encoding.h"

namespace morvane::main_window {

namespace {

using toolkit::ControlKind;
using toolkit::ControlDesign;

constexpr Colour kBoxGrey = 0x808080;
constexpr Colour kBlack = 0x000000;
constexpr Colour kYellow = 0xFFFF00;

// The rows are not evenly spaced; each row's four visible controls share a top.
constexpr std::array<int, kRowCount> kRowTops = {1730, 2220, 2720, 3200, 3700, 4200, 4680};

struct RowTabIndexes {
  int name, time, gold, button;
};
constexpr std::array<RowTabIndexes, kRowCount> kRowTabIndexes = {{
    {0, 7, 11, 9},
    {1, 10, 18, 24},
    {2, 13, 19, 25},
    {3, 14, 20, 26},
    {4, 15, 21, 27},
    {5, 16, 22, 28},
    {6, 17, 23, 29},
}};

// Timers take no focus; they sort after every control that does.
constexpr int kNoTabStop = 1000;

ControlDesign Box(std::string name, int left, int top, int width, std::wstring text, int limit,
                int tab_index) {
  return ControlDesign{.name = std::move(name),
                     .kind = ControlKind::TextBox,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = 285,
                     .text = std::move(text),
                     .back = kBoxGrey,
                     .fore = kWhite,
                     .input_limit = limit,
                     .tab_index = tab_index};
}

void AddRow(std::vector<ControlDesign>& controls, int number) {
  const int top = kRowTops[static_cast<size_t>(number - 1)];
  const RowTabIndexes tabs = kRowTabIndexes[static_cast<size_t>(number - 1)];
  const std::string n = std::to_string(number);
  controls.push_back(Box("Text" + n, 840, top, 2055, platform::Widen("Character " + n), 12,
                         tabs.name));
  controls.push_back(Box("txtTime" + n, 3240, top, 855, L"00:00:00", 8, tabs.time));
  controls.push_back(Box("Gold" + n, 4200, top, 615, L"00 k", 8, tabs.gold));
  controls.push_back(ControlDesign{.name = "cmdStart" + n,
                                 .kind = ControlKind::PushButton,
                                 .left = 4920,
                                 .top = top,
                                 .width = 615,
                                 .height = 255,
                                 .text = L"Start",
                                 .back = kBoxGrey,  // the system draws the face
                                 .tab_index = tabs.button});
  controls.push_back(ControlDesign{.name = "tmrCrono" + n,
                                 .kind = ControlKind::Timer,
                                 .tab_index = kNoTabStop,
                                 .interval_ms = 1000});
}

ControlDesign ColumnCaption(std::string name, int left, std::wstring text, int tab_index) {
  return ControlDesign{.name = std::move(name),
                     .kind = ControlKind::Label,
                     .left = left,
                     .top = 1530,
                     .width = 375,
                     .height = 255,
                     .text = std::move(text),
                     .back = kBlack,
                     .fore = kYellow,
                     .tab_index = tab_index};
}

ControlDesign PictureButton(std::string name, int left, int width, int bitmap) {
  return ControlDesign{.name = std::move(name),
                     .kind = ControlKind::Picture,
                     .left = left,
                     .top = 5640,
                     .width = width,
                     .height = 330,
                     .picture = bitmap,
                     .tab_index = kNoTabStop};
}

}  // namespace

toolkit::FormDesign Form1Settings() {
  return toolkit::FormDesign{.class_name = L"Morvane.Form1",
                           .caption = L"Morvane v1.0",
                           .client_width = 5820,
                           .client_height = 6120,
                           .frame = toolkit::FrameStyle::FixedSingle,
                           .taskbar_button = true,
                           .placement = toolkit::FirstPlacement::ChosenBySystem,
                           .back = 0x404040,
                           .background_picture = IDB_BACKGROUND,
                           .icon = MAKEINTRESOURCEW(IDI_APPLICATION_ICON)};
}

std::vector<ControlDesign> Form1Controls() {
  std::vector<ControlDesign> controls;
  for (int number = 1; number <= kRowCount; ++number) {
    AddRow(controls, number);
  }
  controls.push_back(ColumnCaption("Label1", 3360, L"Time", 8));
  controls.push_back(ColumnCaption("Gold", 4320, L"Gold", 12));
  controls.push_back(PictureButton("Image4", 960, 1110, IDB_HELP_PICTURE));
  controls.push_back(PictureButton("Image2", 2400, 1140, IDB_EXIT_PICTURE));
  controls.push_back(PictureButton("Image3", 3840, 1095, IDB_ABOUT_PICTURE));
  // Rings the alarm again while a name is red, when the user asks for it.
  controls.push_back(ControlDesign{.name = "tmrRing",
                                 .kind = ControlKind::Timer,
                                 .tab_index = kNoTabStop,
                                 .interval_ms = 10'000});
  // Says the names aloud, when the user asks for it, once the alarm has had
  // time to sound: the shipped alarm lasts two seconds. The program never
  // opens the sound to measure it.
  controls.push_back(ControlDesign{.name = "tmrSayNames",
                                 .kind = ControlKind::Timer,
                                 .tab_index = kNoTabStop,
                                 .interval_ms = 2'000});
  // Gathers the rows that come to their last minute within a second of each
  // other into one notice, when the user asks for it.
  controls.push_back(ControlDesign{.name = "tmrMinuteNotice",
                                 .kind = ControlKind::Timer,
                                 .tab_index = kNoTabStop,
                                 .interval_ms = 1'000});
  // Holds a notice back while an alarm sounds, as tmrSayNames holds the names.
  controls.push_back(ControlDesign{.name = "tmrNoticeWait",
                                 .kind = ControlKind::Timer,
                                 .tab_index = kNoTabStop,
                                 .interval_ms = 2'000});
  return controls;
}

}  // namespace morvane::main_window
