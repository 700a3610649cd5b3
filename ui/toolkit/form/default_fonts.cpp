#include "ui/toolkit/form/default_fonts.h"

namespace morvane::toolkit {

namespace {

constexpr int kPointsPerInch = 72;
// The size the layout was designed around, the stock font's at 96 dpi.
constexpr int kPoints = 8;

LOGFONTW StockDescription() {
  LOGFONTW description{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  return description;
}

}  // namespace

DefaultFonts::DefaultFonts() : DefaultFonts(StockDescription()) {}

// The stock font's pixel height is that of the dpi Windows made it at, which
// after a change of scale without signing out is not the dpi this program
// reads; only its face and style are taken. The size is made for `dpi` as
// Windows makes any font of a point size (a negative height is the em's, not
// the cell's): 11 pixels at 96 dpi, 13 at 120, 16 at 144. The width follows
// the height.
HFONT DefaultFonts::At(int dpi) {
  auto& font = fonts_[dpi];
  if (!font) {
    LOGFONTW description = stock_;
    description.lfHeight = -::MulDiv(kPoints, dpi, kPointsPerInch);
    description.lfWidth = 0;
    font.reset(::CreateFontIndirectW(&description));
  }
  return font.get();
}

}  // namespace morvane::toolkit
