#include "ui/about/form2_layout.h"

#include <windows.h>

#include <string>
#include <utility>

#include "assets/resource_ids.h"

namespace morvane::about_window {

namespace {

using toolkit::ControlKind;
using toolkit::ControlDesign;

constexpr Colour kBlack = 0x000000;

ControlDesign WhiteLabel(std::string name, int left, int top, int width, std::wstring text,
                       int tab_index) {
  return ControlDesign{.name = std::move(name),
                     .kind = ControlKind::Label,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = 375,
                     .text = std::move(text),
                     .back = kBlack,
                     .fore = kWhite,
                     .tab_index = tab_index};
}

}  // namespace

toolkit::FormDesign Form2Settings() {
  return toolkit::FormDesign{.class_name = L"Morvane.Form2",
                           .caption = L"About",
                           .client_width = 4560,
                           .client_height = 2280,
                           .frame = toolkit::FrameStyle::FixedDialog,
                           .taskbar_button = false,
                           .placement = toolkit::FirstPlacement::CentredOnScreen,
                           .back = kBlack,
                           .icon = MAKEINTRESOURCEW(IDI_APPLICATION_ICON)};
}

std::vector<ControlDesign> Form2Controls() {
  return {
      WhiteLabel("Label1", 2040, 240, 855, L"Morvane", 0),
      WhiteLabel("Label2", 480, 600, 855, L"Version 1.0", 1),
      WhiteLabel("Label3", 480, 960, 1935, L"Written by Mia Solvang", 2),
      ControlDesign{.name = "Command1",
                  .kind = ControlKind::PushButton,
                  .left = 1920,
                  .top = 1680,
                  .width = 975,
                  .height = 375,
                  .text = L"Close",
                  .tab_index = 3},
      // Reaches below the client area; the part below is cut off.
      WhiteLabel("Label4", 0, 2040, 1815, L"https://mv.example/1.0", 4),
  };
}

}  // namespace morvane::about_window
